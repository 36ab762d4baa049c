// Reading a grid back out of DATA statements: the reverse of the encoding.
//
// The text may be the two lines that Command1 makes, or a BASIC listing in
// which DATA statements stand among other statements, after line numbers or
// without them ("100 DATA F000000,..."). The items of the DATA statements, in
// the order READ takes them, are the row codes of one sprite after another,
// ten a sprite: those of sprite K are items 10K - 9 to 10K, of rows 0 to 9.
// Each must be exactly seven hexadecimal digits, and each digit d gives the
// two cells d div 4 and d mod 4. Reading stops as soon as the ten are known.
//
// The listing is read as BASIC reads it:
//  - A line ends at LF, CR LF, a lone CR, or CR CR LF (a CR LF file whose line
//    ends were converted once more). A UTF-8 byte order mark before the
//    first line is skipped.
//  - A line may start with a line number. Statements are separated by colons
//    outside strings; a string runs from a double quote to the next one or to
//    the end of the line.
//  - REM at the start of a statement, and an apostrophe outside a string,
//    make the rest of the line a comment. Keywords are read in any letter case.
//  - The items of a DATA statement are separated by commas and end at a colon
//    or a comment. Blanks around an item are not part of it; an item in double
//    quotes is the text between them.
//  - A line longer than 64 KiB is an error: no listing has one, and reading
//    stops there, so that input of any length is read in bounded memory.
//  - A first line (the first of two bytes or more) with a NUL in every other
//    byte is UTF-16 without a byte order mark, and an error: its byte order
//    is not known, and it is never read as statements.

#ifndef GRIDCODE_ENCODER_DATA_STATEMENTS_H_
#define GRIDCODE_ENCODER_DATA_STATEMENTS_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "base/expected.h"
#include "grid/grid_document.h"

namespace gridcode {

// The longest line of a listing that is read, in bytes.
inline constexpr std::size_t kLongestListingLine = std::size_t{64} << 10;

// A place in a text: line and column, both counted from 1, in bytes; a text
// may have more lines than an int counts.
struct TextPosition {
  std::int64_t line = 1;
  std::int64_t column = 1;
  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

struct DecodeError {
  enum class Kind {
    kNotARowCode,     // `text` is not seven hexadecimal digits
    kTooFewRowCodes,  // the text ended after `count` row codes
    kLineTooLong,     // line `position.line` is longer than kLongestListingLine
    kNoSuchSprite,    // the text ended after `count` whole sprites, before `sprite` (> 1)
    kUtf16WithoutByteOrderMark,  // line `position.line`, the first, is UTF-16 text
  };
  Kind kind;
  TextPosition position = {};  // where the item starts, the end of the text, or the line
  std::string text = {};
  int count = 0;
  int sprite = 0;

  friend bool operator==(const DecodeError&, const DecodeError&) = default;
};

// Returns the grid of sprite `sprite` (from 1) of `input`, each cell "0" to
// "3", reading no further than the line that holds its tenth row code.
Expected<Cells, DecodeError> DecodeDataStatements(std::istream& input, int sprite = 1);

// The same for a text in memory.
Expected<Cells, DecodeError> DecodeDataStatements(std::string_view text, int sprite = 1);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_DATA_STATEMENTS_H_
