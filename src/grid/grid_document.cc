#include "grid/grid_document.h"

namespace gridcode {

std::optional<int> TwoBitValue(std::string_view cell) {
  if (cell.size() != 1 || cell[0] < '0' || cell[0] > '3') return std::nullopt;
  return cell[0] - '0';
}

void ResetGrid(GridDocument& document) { document.cells.fill("0"); }

}  // namespace gridcode
