#include "encoder/pair_text.h"

#include <cmath>
#include <cstdint>

#include "text/hex_digits.h"

namespace gridcode {

double RoundHalfEven(double value) {
  double whole = 0;
  const double fraction = std::modf(value, &whole);  // exact, unlike value - floor(value)
  // Halves go to the even neighbour, decided on the exact fraction.
  // std::nearbyint would do the same, but only under the rounding mode to
  // nearest, which any code in the process may change.
  if (std::fabs(fraction) < 0.5) return whole;
  if (std::fabs(fraction) > 0.5) return whole + std::copysign(1.0, value);
  return std::fmod(whole, 2.0) == 0 ? whole : whole + std::copysign(1.0, value);
}

std::optional<std::string> PairText(double pair_value) {
  const double rounded = RoundHalfEven(pair_value);
  if (!(rounded >= kSmallestPairValue && rounded <= kLargestPairValue)) return std::nullopt;
  auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded));
  std::string text;
  do {
    text.insert(text.begin(), HexDigit(bits));
    bits >>= 4;
  } while (bits != 0);
  return text;
}

}  // namespace gridcode
