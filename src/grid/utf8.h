// UTF-8, the encoding of every text the grid holds: where one character ends.
//
// A valid character follows RFC 3629: no overlong forms, no surrogates, nothing
// above U+10FFFF. The grid file reader splits its line into cells with this,
// and messages use it to cut and show texts between characters.

#ifndef GRIDCODE_GRID_UTF8_H_
#define GRIDCODE_GRID_UTF8_H_

#include <cstddef>
#include <string_view>

namespace gridcode {

// The byte order mark that some editors write before a UTF-8 text; readers skip it.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Returns the length in bytes of the valid UTF-8 character at the start of
// `text`, or 0 if `text` is empty or does not start with one.
std::size_t Utf8SequenceLength(std::string_view text);

}  // namespace gridcode

#endif  // GRIDCODE_GRID_UTF8_H_
