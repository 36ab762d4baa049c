// The hexadecimal digits, 0 to 9 and A to F: those of row codes, of the
// cells' "&H" numbers, of the bytes a message writes out as \xHH, and of the
// names of the new files that a save writes.

#ifndef GRIDCODE_TEXT_HEX_DIGITS_H_
#define GRIDCODE_TEXT_HEX_DIGITS_H_

namespace gridcode {

// Returns the upper-case hexadecimal digit of the lowest four bits of `value`.
constexpr char HexDigit(unsigned value) { return "0123456789ABCDEF"[value & 0xF]; }

// Returns the value of `c` as a hexadecimal digit in either letter case, 0 to
// 15, or -1 if it is none.
constexpr int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace gridcode

#endif  // GRIDCODE_TEXT_HEX_DIGITS_H_
