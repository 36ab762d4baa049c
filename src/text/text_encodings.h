// The character sets other than UTF-8 that text files come in, decoded into
// UTF-8 by the system's own converter: iconv on Linux
// (text_encodings_iconv.cc), the Windows API on Windows
// (text_encodings_windows.cc). The readers decide which bytes are handed
// over; both converters must agree on every character.

#ifndef GRIDCODE_TEXT_TEXT_ENCODINGS_H_
#define GRIDCODE_TEXT_TEXT_ENCODINGS_H_

#include <optional>
#include <string>
#include <string_view>

namespace gridcode {

enum class TextEncoding {
  kCp932,    // the Japanese 8-bit character set, a superset of Shift-JIS, of older grid files
  kUtf16Le,  // UTF-16, little endian: Windows' "Unicode" text
  kUtf16Be,  // UTF-16, big endian
};

// Returns `bytes`, whole characters in `encoding`, decoded into UTF-8, or
// nullopt if any of them is not a character of it.
std::optional<std::string> DecodeToUtf8(std::string_view bytes, TextEncoding encoding);

}  // namespace gridcode

#endif  // GRIDCODE_TEXT_TEXT_ENCODINGS_H_
