// Row codes and DATA lines: the encoding that `Command1` runs.
//
// Each grid row becomes a row code: its seven pairs of cells (columns 0-1,
// 2-3, ..., 12-13) read as numbers, each pair turned into 4 x left + right and
// written by the hexadecimal rule, joined left to right. The ten row codes go
// into `row_codes`, and two DATA lines of five row codes each into `data_lines`:
//   DATA F000000,0000000,0000000,0000000,0000000
// An overflow stops the encoding at the failing pair and is returned as a value
// that names the row, the column and its cause.

#ifndef GRIDCODE_ENCODER_DATA_LINES_H_
#define GRIDCODE_ENCODER_DATA_LINES_H_

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/expected.h"
#include "grid/grid_document.h"

namespace gridcode {

// The digits of a row code whose cells all hold 0 to 3: one a pair of cells.
inline constexpr std::size_t kRowCodeDigits = kColumns / 2;

// Where and why the encoding of a row stopped.
struct Overflow {
  enum class Cause {
    kCellBeyondDoubleRange,     // the cell's text is a number beyond the double range
    kProductBeyondDoubleRange,  // 4 x the left cell's number is beyond the double range
    kPairBeyond32Bits,          // the rounded pair value is outside the signed 32-bit range
  };

  Cause cause;
  int row;            // 0 to 9
  int column;         // 0 to 13; for kPairBeyond32Bits the left cell of the pair
  double pair_value;  // for kPairBeyond32Bits: 4 x left + right before rounding; else 0

  int cell_index() const { return CellIndex(row, column); }
  friend bool operator==(const Overflow&, const Overflow&) = default;
};

// The keyword of a DATA statement; a DATA line is the keyword, one space and
// the row codes. Listings are read with the same keyword.
inline constexpr std::string_view kDataKeyword = "DATA";

// Returns the row code of grid row `row` (0 to 9) of `cells`, or its overflow.
Expected<std::string, Overflow> EncodeRow(const Cells& cells, int row);

// How the items of a DATA line are written: as they are, or each in double quotes.
enum class DataQuoting { kBare, kQuoted };

// Returns the DATA statement of `codes`: the keyword, one space and the codes
// separated by commas, each quoted or not, with no other spaces.
std::string DataLine(std::span<const std::string> codes, DataQuoting quoting = DataQuoting::kBare);

// Writes the row code of every row into `row_codes` in order, then both DATA
// lines into `data_lines`. On an overflow it returns it and stops: rows before
// the failing row hold their new codes, every other row code and DATA line is
// left as it was.
std::optional<Overflow> BuildDataLines(GridDocument& document);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_DATA_LINES_H_
