// Feeds arbitrary grids to the encoder: the input is split into cell texts at
// each byte 0x01. Checks that an encoding either overflows inside the grid or
// gives row codes of upper-case hexadecimal digits and well-formed DATA lines.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "encoder/data_lines.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gridcode::GridDocument document;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::string& cell : document.cells) {
    const std::size_t end = input.find('\x01');
    cell = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  const std::optional<gridcode::Overflow> overflow = gridcode::BuildDataLines(document);
  if (overflow) {
    Check(overflow->row >= 0 && overflow->row < gridcode::kRows);
    Check(overflow->column >= 0 && overflow->column < gridcode::kColumns);
    for (int row = overflow->row; row < gridcode::kRows; ++row)
      Check(document.row_codes[row].empty());
    return 0;
  }
  for (const std::string& code : document.row_codes) {
    Check(code.size() >= 7 && code.size() <= 56);
    Check(code.find_first_not_of("0123456789ABCDEF") == std::string::npos);
  }
  for (const std::string& line : document.data_lines) Check(line.starts_with("DATA "));
  return 0;
}
