// Reading a grid back out of DATA statements: the reverse of the encoding.
//
// The text may be the two lines that Command1 makes, or a BASIC listing in
// which DATA statements stand among other statements and other DATA, after
// line numbers or without them ("100 DATA F000000,..."). It is read by the
// grammar of listing_grammar.h: the sprites are the runs of ten row codes in
// a row among the DATA items, in the order READ takes them, and every other
// item is passed over. Each digit d of a row code gives the two cells d div 4
// and d mod 4. Reading stops as soon as the sprite asked for is known.
//
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
#include "encoder/listing_grammar.h"
#include "grid/grid_document.h"

namespace gridcode {

// A place in a text: line and column, both counted from 1, in bytes; a text
// may have more lines than an int counts.
struct TextPosition {
  std::int64_t line = 1;
  std::int64_t column = 1;
  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

struct DecodeError {
  enum class Kind {
    kTooFewRowCodes,  // the text ended with no sprite: at most `count` row codes in a row
    kLineTooLong,     // line `position.line` is longer than kLongestListingLine
    kNoSuchSprite,    // the text ended after `count` whole sprites, before `sprite` (> 1)
    kUtf16WithoutByteOrderMark,  // line `position.line`, the first, is UTF-16 text
    kListingTooLarge,            // a listing read whole is over kListingByteLimit bytes
    kTooManySprites,             // sprite `sprite`, past kListingSpriteLimit, starts at `position`
  };
  Kind kind;
  TextPosition position = {};  // the end of the text, the line, or where a sprite starts
  int count = 0;
  int sprite = 0;

  friend bool operator==(const DecodeError&, const DecodeError&) = default;
};

// Returns the error of the line that `lines` refused with `result` (kTooLong
// or kUtf16WithoutByteOrderMark).
DecodeError RefusedLine(const ListingLines& lines, ListingLines::Result result);

// Returns the grid of sprite `sprite` (from 1) of `input`, each cell "0" to
// "3", reading no further than the line that holds its tenth row code.
Expected<Cells, DecodeError> DecodeDataStatements(std::istream& input, int sprite = 1);

// The same for a text in memory.
Expected<Cells, DecodeError> DecodeDataStatements(std::string_view text, int sprite = 1);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_DATA_STATEMENTS_H_
