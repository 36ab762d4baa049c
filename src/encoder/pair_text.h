// The hexadecimal rule: how a pair value becomes the text of a row code.
//
// A pair value is 4 x left cell + right cell. It is rounded to the nearest
// whole number, halves to the even neighbour, and written in upper-case base 16
// without prefix or leading zeros. A negative value is written as its 32-bit
// two's complement, always eight digits. A rounded value outside the signed
// 32-bit range has no text: that is an overflow.

#ifndef GRIDCODE_ENCODER_PAIR_TEXT_H_
#define GRIDCODE_ENCODER_PAIR_TEXT_H_

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace gridcode {

// The rounded pair values that have a text: the signed 32-bit integers.
inline constexpr std::int32_t kSmallestPairValue = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kLargestPairValue = std::numeric_limits<std::int32_t>::max();

// Returns `value` rounded to the nearest whole number, halves to even.
double RoundHalfEven(double value);

// Returns the hexadecimal text of `pair_value`, or nullopt if the rounded
// value lies outside kSmallestPairValue to kLargestPairValue (infinities
// included).
std::optional<std::string> PairText(double pair_value);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_PAIR_TEXT_H_
