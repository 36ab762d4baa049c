// Feeds arbitrary bytes to the picture importer, as LOAD and gridcode-data
// import do with an image file. Besides crashes, hangs and undefined behaviour
// it checks that an imported grid holds only the digits 0 to 3 and renders to
// a picture that imports back to the same cells.

#include <cstdint>
#include <cstdlib>

#include "picture/grid_picture.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const gridcode::ImportedCells imported = gridcode::ImportImage(bytes);
  if (imported.error) return 0;
  for (const std::string& cell : imported.cells) Check(gridcode::TwoBitValue(cell).has_value());
  const gridcode::RenderedPng rendered = gridcode::RenderPng(imported.cells, 1);
  Check(!rendered.unusual_cell);
  Check(gridcode::ImportImage(rendered.png).cells == imported.cells);
  return 0;
}
