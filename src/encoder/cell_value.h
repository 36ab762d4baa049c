// The number-reading rule: how a grid cell's text becomes a number.
//
// A cell is meant to hold one digit "0" to "3", but any text may stand in it,
// so every text reads as some number. The rule, in order:
//  1. Spaces, tabs and line feeds are removed wherever they stand.
//  2. A text beginning with "&H" is a hexadecimal integer and one beginning
//     with "&O" an octal integer (either letter case); the digits run to the
//     first character that is not a digit of that base. The value is the
//     plain non-negative integer the digits spell, of any length ("&HFFFF" is
//     65535); "&H" or "&O" with no digit after it reads as 0, as does "&O9".
//  3. Otherwise the longest leading decimal number is read: an optional "+" or
//     "-", digits with at most one "." as decimal point, and an optional
//     exponent of "E" or "e", an optional sign and digits. An exponent letter
//     with no digit after it is not part of the number ("1e" reads as 1).
//  4. Reading stops at the first character that cannot continue the number;
//     only ASCII digits count, so a carriage return, a comma, a full-width
//     digit or any other character ends the number. A text with no number at
//     its start reads as 0.
// The number is rounded once to the nearest double. A number too small for a
// double reads as 0; a number beyond the double range is an overflow.

#ifndef GRIDCODE_ENCODER_CELL_VALUE_H_
#define GRIDCODE_ENCODER_CELL_VALUE_H_

#include <optional>
#include <string_view>

namespace gridcode {

// Returns the number that `text` reads as, or nullopt if it is beyond the
// double range. Never fails otherwise; linear in the length of `text`.
std::optional<double> CellValue(std::string_view text);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_CELL_VALUE_H_
