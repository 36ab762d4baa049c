// UTF-8, the encoding of every text the grid holds: where one character ends,
// and the byte order marks that may stand before a text and tell its encoding.
//
// A valid character follows RFC 3629: no overlong forms, no surrogates, nothing
// above U+10FFFF. The grid file reader splits its line into cells with this,
// and messages use it to cut and show texts between characters.

#ifndef GRIDCODE_TEXT_UTF8_H_
#define GRIDCODE_TEXT_UTF8_H_

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

namespace gridcode {

// The byte order mark that some editors write before a UTF-8 text; readers skip it.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The byte order marks of UTF-16 text, little and big endian, as Windows
// saves "Unicode" text.
inline constexpr std::string_view kUtf16LeByteOrderMark = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeByteOrderMark = "\xFE\xFF";

// The replacement character, U+FFFD, in UTF-8: what a byte or unit that is
// no character is read as.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Returns whether `line`, the first line of a text, is UTF-16 without a byte
// order mark: two bytes or more, every other one NUL and none of the rest.
bool IsUtf16WithoutByteOrderMark(std::string_view line);

// Skips the byte order mark at the current place of `input`, if there is one.
// Returns the bytes taken that only began like one: they belong to the text.
std::string SkipByteOrderMark(std::streambuf& input);

// Returns the length in bytes of the valid UTF-8 character at the start of
// `text`, or 0 if `text` is empty or does not start with one.
std::size_t Utf8SequenceLength(std::string_view text);

}  // namespace gridcode

#endif  // GRIDCODE_TEXT_UTF8_H_
