#include "grid/shape_tools.h"

#include <gtest/gtest.h>

#include <string>

namespace gridcode {
namespace {

// Each tool only rearranges the texts: the opposite tool brings the grid back,
// and repeating a tool across the whole grid is no change. The top-left
// cell's text shows the direction, and that a move wraps around.
TEST(ShapeToolsTest, ToolsRearrangeTheTextsAndUndoEachOther) {
  Cells cells;
  for (int i = 0; i < kCellCount; ++i) cells[i] = "text " + std::to_string(i);
  struct Case {
    Shape shape, opposite;
    int repeats_to_start;
    int top_left_goes_to;
  };
  const Case cases[] = {
      {Shape::kMirrorLeftRight, Shape::kMirrorLeftRight, 2, CellIndex(0, 13)},
      {Shape::kMirrorTopBottom, Shape::kMirrorTopBottom, 2, CellIndex(9, 0)},
      {Shape::kMoveLeft, Shape::kMoveRight, kColumns, CellIndex(0, 13)},
      {Shape::kMoveRight, Shape::kMoveLeft, kColumns, CellIndex(0, 1)},
      {Shape::kMoveUp, Shape::kMoveDown, kRows, CellIndex(9, 0)},
      {Shape::kMoveDown, Shape::kMoveUp, kRows, CellIndex(1, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.shape));
    const Cells once = Reshaped(cells, c.shape);
    EXPECT_EQ(once[c.top_left_goes_to], cells[0]);
    EXPECT_EQ(Reshaped(once, c.opposite), cells);
    Cells repeated = once;
    for (int i = 1; i < c.repeats_to_start; ++i) {
      EXPECT_NE(repeated, cells) << i;
      repeated = Reshaped(repeated, c.shape);
    }
    EXPECT_EQ(repeated, cells);
  }
}

}  // namespace
}  // namespace gridcode
