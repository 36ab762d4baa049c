// Feeds arbitrary bytes to the picture reader, as LOAD and gridcode-data
// import do with a picture file. Besides crashes, hangs and undefined
// behaviour it checks that an imported grid holds only the digits 0 to 3 and
// renders, in the style it was read with, to a picture that reads back the same.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "format/grid_picture.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto imported =
      gridcode::ImportPng(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!imported) return 0;
  for (const std::string& cell : imported->cells) Check(gridcode::TwoBitValue(cell).has_value());
  const auto rendered = gridcode::RenderPng(imported->cells, imported->style);
  Check(rendered.has_value());
  const auto again = gridcode::ImportPng(*rendered);
  Check(again && again->cells == imported->cells && again->style == imported->style);
  return 0;
}
