// Reading a grid back out of DATA statements: the reverse of the encoding.
//
// The text may be the two lines that Command1 makes, or a BASIC listing in
// which DATA statements stand after line numbers ("100 DATA F000000,..."), in
// upper or lower case, among other statements. The first ten items of the DATA
// statements, in order, are the row codes of rows 0 to 9; each must be
// exactly seven hexadecimal digits, and each digit d gives the two cells
// d div 4 and d mod 4. Items after the tenth are not read.

#ifndef GRIDCODE_ENCODER_DATA_STATEMENTS_H_
#define GRIDCODE_ENCODER_DATA_STATEMENTS_H_

#include <optional>
#include <string>
#include <string_view>

#include "grid/grid_document.h"

namespace gridcode {

// A place in a text: line and column, both counted from 1, in bytes.
struct TextPosition {
  int line = 1;
  int column = 1;
  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

struct DecodeError {
  enum class Kind {
    kNotARowCode,     // `text` is not seven hexadecimal digits
    kTooFewRowCodes,  // the text ended after `count` row codes
  };
  Kind kind;
  TextPosition position;  // where the item starts, or the end of the text
  std::string text;
  int count = 0;
};

struct DecodedGrid {
  Cells cells;  // each "0" to "3"; empty when `error` is set
  std::optional<DecodeError> error;
};

// Returns the grid whose row codes are the first ten DATA items of `text`.
DecodedGrid DecodeDataStatements(std::string_view text);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_DATA_STATEMENTS_H_
