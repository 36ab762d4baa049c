// CP932, the Japanese 8-bit character set (a superset of Shift-JIS) in which
// older grid files were written, decoded into UTF-8 by the system's own
// converter: iconv on Linux (cp932_iconv.cc), code page 932 on Windows
// (cp932_windows.cc). The grid file reader decides which bytes are handed
// over (grid_file.cc); both converters must agree on every character.

#ifndef GRIDCODE_STORAGE_CP932_H_
#define GRIDCODE_STORAGE_CP932_H_

#include <optional>
#include <string>
#include <string_view>

namespace gridcode {

// Returns `bytes`, whole CP932 characters, decoded into UTF-8, or nullopt if
// any of them is not a CP932 character.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_CP932_H_
