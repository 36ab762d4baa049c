// The shape tools: mirroring the grid left to right or top to bottom, and
// moving it one cell left, right, up or down. A move wraps around, so that the
// column or row that leaves one edge comes back at the other and nothing is
// lost. Each tool moves the cells' texts as they stand, whatever they hold.

#ifndef GRIDCODE_GRID_SHAPE_TOOLS_H_
#define GRIDCODE_GRID_SHAPE_TOOLS_H_

#include <array>

#include "grid/grid_document.h"

namespace gridcode {

enum class Shape { kMirrorLeftRight, kMirrorTopBottom, kMoveLeft, kMoveRight, kMoveUp, kMoveDown };

// Returns the index of the cell whose text `shape` brings to cell `index`.
constexpr int ShapeSource(Shape shape, int index) {
  const int row = RowOf(index), column = ColumnOf(index);
  switch (shape) {
    case Shape::kMirrorLeftRight:
      return CellIndex(row, kColumns - 1 - column);
    case Shape::kMirrorTopBottom:
      return CellIndex(kRows - 1 - row, column);
    case Shape::kMoveLeft:
      return CellIndex(row, (column + 1) % kColumns);
    case Shape::kMoveRight:
      return CellIndex(row, (column + kColumns - 1) % kColumns);
    case Shape::kMoveUp:
      return CellIndex((row + 1) % kRows, column);
    case Shape::kMoveDown:
      return CellIndex((row + kRows - 1) % kRows, column);
  }
  return index;
}

// Returns the 140 cell texts `cells`, in index order, with `shape` applied.
template <typename Text>
std::array<Text, kCellCount> Reshaped(const std::array<Text, kCellCount>& cells, Shape shape) {
  std::array<Text, kCellCount> reshaped;
  for (int i = 0; i < kCellCount; ++i) reshaped[i] = cells[ShapeSource(shape, i)];
  return reshaped;
}

}  // namespace gridcode

#endif  // GRIDCODE_GRID_SHAPE_TOOLS_H_
