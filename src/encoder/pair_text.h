// The hexadecimal rule: how a pair value becomes the text of a row code.
//
// A pair value is 4 x left cell + right cell. It is rounded to the nearest
// whole number, halves to the even neighbour, and written in upper-case base 16
// without prefix or leading zeros. A negative value is written as its 32-bit
// two's complement, always eight digits. A rounded value outside the signed
// 32-bit range has no text: that is an overflow.
//
// The digits themselves, 0 to 9 and A to F, are read here too, in either
// letter case, for the cells' "&H" numbers and the row codes of a listing.

#ifndef GRIDCODE_ENCODER_PAIR_TEXT_H_
#define GRIDCODE_ENCODER_PAIR_TEXT_H_

#include <optional>
#include <string>

namespace gridcode {

// Returns the value of `c` as a hexadecimal digit, 0 to 15, or -1 if it is none.
int HexDigitValue(char c);

// Returns the upper-case hexadecimal digit of `value`, 0 to 15.
char HexDigit(unsigned value);

// Returns `value` rounded to the nearest whole number, halves to even.
double RoundHalfEven(double value);

// Returns the hexadecimal text of `pair_value`, or nullopt if the rounded
// value lies outside -2147483648 to 2147483647 (infinities included).
std::optional<std::string> PairText(double pair_value);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_PAIR_TEXT_H_
