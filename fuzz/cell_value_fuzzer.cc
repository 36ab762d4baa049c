// Feeds arbitrary texts to the number reader. Besides crashes, hangs and
// undefined behaviour it checks that a plain decimal number reads exactly as
// the C library converts it.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "encoder/cell_value.h"

namespace {

// True if `text` is digits with at most one inner "." and nothing else.
bool IsPlainDecimal(const std::string& text) {
  if (text.empty() || text.front() == '.' || text.back() == '.') return false;
  int points = 0;
  for (char c : text) {
    if (c == '.') {
      ++points;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  return points <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> value = gridcode::CellValue(text);
  if (value && !std::isfinite(*value)) std::abort();
  if (IsPlainDecimal(text)) {
    const double expected = std::strtod(text.c_str(), nullptr);
    if (value ? *value != expected : std::isfinite(expected)) std::abort();
  }
  return 0;
}
