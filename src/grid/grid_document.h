// The grid document: the whole state of gridcode, as plain texts.
//
// The window shows 152 text fields, one for each text of the document: the
// 140 grid cells (10 rows of 14, row-major), the 10 row codes and the two DATA
// lines. Every operation reads and writes these texts and nothing else. A text
// may be of any length and content; the document never trims or checks it.

#ifndef GRIDCODE_GRID_GRID_DOCUMENT_H_
#define GRIDCODE_GRID_GRID_DOCUMENT_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gridcode {

inline constexpr int kColumns = 14;
inline constexpr int kRows = 10;
inline constexpr int kCellCount = kColumns * kRows;
inline constexpr int kDataLineCount = 2;
inline constexpr int kRowsPerDataLine = kRows / kDataLineCount;

// The 140 grid cell texts, indexed by `CellIndex`.
using Cells = std::array<std::string, kCellCount>;

// Returns the cell index of (row, column): 14 * row + column, row 0 at the top.
constexpr int CellIndex(int row, int column) { return kColumns * row + column; }

// Returns the row (0 to 9) of cell index `index`.
constexpr int RowOf(int index) { return index / kColumns; }

// Returns the column (0 to 13) of cell index `index`.
constexpr int ColumnOf(int index) { return index % kColumns; }

struct GridDocument {
  Cells cells;                                         // grid cells
  std::array<std::string, kRows> row_codes;            // row code of each grid row
  std::array<std::string, kDataLineCount> data_lines;  // DATA lines of rows 0-4 and 5-9

  friend bool operator==(const GridDocument&, const GridDocument&) = default;
};

// Returns the value of a cell that holds exactly one digit "0" to "3", the
// two-bit value a cell is meant to hold, or nullopt for any other text.
std::optional<int> TwoBitValue(std::string_view cell);

// Sets every grid cell, index 0 up to 139, to "0". Leaves the row codes and
// DATA lines as they are.
void ResetGrid(GridDocument& document);

}  // namespace gridcode

#endif  // GRIDCODE_GRID_GRID_DOCUMENT_H_
