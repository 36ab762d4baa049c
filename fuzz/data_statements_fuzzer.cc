// Feeds arbitrary texts to the DATA statement reader. Besides crashes, hangs
// and undefined behaviour it checks that a decoded grid holds only the digits
// 0 to 3 and encodes back to row codes of seven digits.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "encoder/data_lines.h"
#include "encoder/data_statements.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const gridcode::Expected<gridcode::Cells, gridcode::DecodeError> decoded =
      gridcode::DecodeDataStatements(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!decoded) {
    Check(decoded.error().position.line >= 1 && decoded.error().position.column >= 1);
    return 0;
  }
  gridcode::GridDocument document;
  document.cells = *decoded;
  for (const std::string& cell : document.cells)
    Check(cell.size() == 1 && cell[0] >= '0' && cell[0] <= '3');
  Check(!gridcode::BuildDataLines(document).has_value());
  for (const std::string& code : document.row_codes) Check(code.size() == 7);
  return 0;
}
