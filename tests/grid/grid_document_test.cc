#include "grid/grid_document.h"

#include <gtest/gtest.h>

namespace gridcode {
namespace {

TEST(GridDocumentTest, StartsEmptyAndResetFillsOnlyTheCellsWithZero) {
  GridDocument document;
  document.row_codes[3] = "typed";
  document.data_lines[1] = "DATA kept";
  ResetGrid(document);
  for (const std::string& cell : document.cells) EXPECT_EQ(cell, "0");
  EXPECT_EQ(document.row_codes[3], "typed");
  EXPECT_EQ(document.row_codes[0], "");
  EXPECT_EQ(document.data_lines[1], "DATA kept");
}

TEST(GridDocumentTest, CellIndexIsRowMajorFourteenWide) {
  struct Case {
    int row, column, index;
  };
  for (const Case& c : {Case{0, 13, 13}, Case{1, 0, 14}, Case{9, 13, 139}, Case{5, 7, 77}}) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(CellIndex(c.row, c.column), c.index);
    EXPECT_EQ(RowOf(c.index), c.row);
    EXPECT_EQ(ColumnOf(c.index), c.column);
  }
}

}  // namespace
}  // namespace gridcode
