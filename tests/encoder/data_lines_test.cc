#include "encoder/data_lines.h"

#include <gtest/gtest.h>

#include <vector>

namespace gridcode {
namespace {

// Returns a document whose cells are all `text`.
GridDocument Filled(const std::string& text) {
  GridDocument document;
  document.cells.fill(text);
  return document;
}

void SetRow(GridDocument& document, int row, const std::vector<std::string>& cells) {
  for (int column = 0; column < kColumns; ++column) {
    document.cells[CellIndex(row, column)] = cells[column];
  }
}

TEST(BuildDataLinesTest, StartUpGridGivesZeroCodes) {
  GridDocument document;
  ResetGrid(document);
  ASSERT_EQ(BuildDataLines(document), std::nullopt);
  for (const std::string& code : document.row_codes) EXPECT_EQ(code, "0000000");
  EXPECT_EQ(document.data_lines[0], "DATA 0000000,0000000,0000000,0000000,0000000");
  EXPECT_EQ(document.data_lines[1], "DATA 0000000,0000000,0000000,0000000,0000000");
}

TEST(BuildDataLinesTest, TypicalRequest) {
  GridDocument document = Filled("0");
  document.cells[0] = document.cells[1] = "3";
  ASSERT_EQ(BuildDataLines(document), std::nullopt);
  EXPECT_EQ(document.row_codes[0], "F000000");
  EXPECT_EQ(document.row_codes[1], "0000000");
  EXPECT_EQ(document.data_lines[0], "DATA F000000,0000000,0000000,0000000,0000000");
  EXPECT_EQ(document.data_lines[1], "DATA 0000000,0000000,0000000,0000000,0000000");
  EXPECT_EQ(document.data_lines[0].size(), 44u);
}

TEST(BuildDataLinesTest, EachRowGoesToItsOwnCodeAndLine) {
  GridDocument document = Filled("0");
  for (int row = 0; row < kRows; ++row) {
    document.cells[CellIndex(row, 13)] = std::to_string(row % 4);  // last pair's right cell
  }
  document.cells[CellIndex(7, 0)] = "2";
  ASSERT_EQ(BuildDataLines(document), std::nullopt);
  EXPECT_EQ(document.data_lines[0], "DATA 0000000,0000001,0000002,0000003,0000000");
  EXPECT_EQ(document.data_lines[1], "DATA 0000001,0000002,8000003,0000000,0000001");
}

TEST(EncodeRowTest, RowCodes) {
  struct Case {
    std::vector<std::string> cells;
    std::string code;
  };
  const std::vector<Case> cases = {
      {{"3", "3", "3", "3", "3", "3", "3", "3", "3", "3", "3", "3", "3", "3"}, "FFFFFFF"},
      {{"0", "1", "2", "3", "3", "2", "1", "0", "0", "0", "0", "0", "0", "0"}, "1BE4000"},
      {{"", "x2", "abc", " 2 ", "2x", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, "0280000"},
      {{"4", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, "10000000"},
      {{"-1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, "FFFFFFFC000000"},
      {{"0", "0.5", "0", "1.5", "0.5", "0", "0", "2.5", "0", "0", "0", "0", "0", "0"}, "0222000"},
      {{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "&H3", "&O3"}, "000000F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("row code " + c.code);
    GridDocument document;
    SetRow(document, 4, c.cells);
    const Expected<std::string, Overflow> row_code = EncodeRow(document.cells, 4);
    ASSERT_TRUE(row_code.has_value());
    EXPECT_EQ(*row_code, c.code);
  }
}

TEST(EncodeRowTest, LongerCodeMakesALongerDataLine) {
  GridDocument document = Filled("0");
  document.cells[CellIndex(2, 0)] = "4";
  ASSERT_EQ(BuildDataLines(document), std::nullopt);
  EXPECT_EQ(document.data_lines[0], "DATA 0000000,0000000,10000000,0000000,0000000");
  EXPECT_EQ(document.data_lines[0].size(), 45u);
}

TEST(EncodeRowTest, OverflowNamesRowColumnAndCause) {
  using Cause = Overflow::Cause;
  struct Case {
    int column;
    std::string left, right;
    Cause cause;
    int reported_column;
  };
  const std::vector<Case> cases = {
      {4, "99999999999", "0", Cause::kPairBeyond32Bits, 4},
      {4, "0", "2147483648", Cause::kPairBeyond32Bits, 4},
      {4, "1e309", "0", Cause::kCellBeyondDoubleRange, 4},
      {4, "0", "1e309", Cause::kCellBeyondDoubleRange, 5},
      {4, "1e308", "0", Cause::kProductBeyondDoubleRange, 4},
      {4, "1e309", "1e309", Cause::kCellBeyondDoubleRange, 4},  // left is read first
      {12, "4e307", "1.7e308", Cause::kPairBeyond32Bits, 12},   // sum is infinite
  };
  for (const Case& c : cases) {
    GridDocument document = Filled("0");
    document.cells[CellIndex(6, c.column)] = c.left;
    document.cells[CellIndex(6, c.column + 1)] = c.right;
    const Expected<std::string, Overflow> row_code = EncodeRow(document.cells, 6);
    ASSERT_FALSE(row_code.has_value()) << c.left << ' ' << c.right;
    EXPECT_EQ(row_code.error().cause, c.cause) << c.left << ' ' << c.right;
    EXPECT_EQ(row_code.error().row, 6);
    EXPECT_EQ(row_code.error().column, c.reported_column);
    EXPECT_EQ(row_code.error().cell_index(), CellIndex(6, c.reported_column));
  }
}

TEST(BuildDataLinesTest, OverflowKeepsEarlierRowsNewAndTheRestOld) {
  GridDocument document = Filled("1");
  document.row_codes.fill("old code");
  document.data_lines = {"old line 0", "old line 1"};
  document.cells[CellIndex(3, 2)] = "99999999999";
  const std::optional<Overflow> overflow = BuildDataLines(document);
  ASSERT_TRUE(overflow.has_value());
  EXPECT_EQ(overflow->row, 3);
  EXPECT_EQ(overflow->column, 2);
  EXPECT_DOUBLE_EQ(overflow->pair_value, 399999999997.0);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(document.row_codes[row], "5555555");
  for (int row = 3; row < kRows; ++row) EXPECT_EQ(document.row_codes[row], "old code");
  EXPECT_EQ(document.data_lines[0], "old line 0");
  EXPECT_EQ(document.data_lines[1], "old line 1");
  EXPECT_EQ(document.cells[CellIndex(3, 2)], "99999999999");
}

TEST(BuildDataLinesTest, TypedRowCodesAreReplacedAndRunsRepeat) {
  GridDocument document = Filled("2");
  document.row_codes.fill("ZZZ");
  ASSERT_EQ(BuildDataLines(document), std::nullopt);
  const GridDocument first = document;
  ASSERT_EQ(BuildDataLines(document), std::nullopt);
  EXPECT_EQ(document, first);
  EXPECT_EQ(document.data_lines[1], "DATA AAAAAAA,AAAAAAA,AAAAAAA,AAAAAAA,AAAAAAA");
}

}  // namespace
}  // namespace gridcode
