// Feeds arbitrary bytes to the grid file reader. Besides crashes, hangs and
// undefined behaviour it checks that every loaded cell is at most one valid
// character, and that a grid which will load back does so exactly.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "format/grid_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  const auto loaded = gridcode::ReadGridFile(input);
  if (!loaded) return 0;
  for (const std::string& cell : *loaded) {
    Check(cell.size() <= 4);
    Check(cell.empty() || gridcode::SplitCells(cell)[0] == cell);
  }
  if (gridcode::CellsThatWillNotLoadBack(*loaded).empty()) {
    std::istringstream saved(gridcode::GridFileText(*loaded));
    Check(gridcode::ReadGridFile(saved) == loaded);
  }
  return 0;
}
