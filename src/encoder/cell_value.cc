#include "encoder/cell_value.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "text/hex_digits.h"

namespace gridcode {
namespace {

// Any double is below 10^309 and any non-zero one above 10^-325, so a number
// 0.ddd x 10^e with a non-zero first digit d needs no exact conversion
// outside these bounds of e.
constexpr std::int64_t kLargestDecimalExponent = 309;
constexpr std::int64_t kSmallestDecimalExponent = -325;
// Exponent digits are accumulated up to this bound and no further, so that an
// exponent of any length cannot overflow the counter.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

bool IsRemovedWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Returns the value of `c` as a digit of base 16 or 8, or -1 if it is none.
int DigitValue(char c, int base) {
  const int value = HexDigitValue(c);
  return value < base ? value : -1;
}

// Reads the leading digits of `text` in `base` (16 or 8) as a non-negative
// integer, correctly rounded to a double.
std::optional<double> ReadRadixInteger(std::string_view text, int base) {
  std::size_t end = 0;
  while (end < text.size() && DigitValue(text[end], base) >= 0) ++end;
  std::string_view digits = text.substr(0, end);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  if (digits.empty()) return 0.0;

  // Spell the integer in hexadecimal, which the standard library converts
  // with correct rounding. Octal digits are regrouped from 3 bits to 4.
  std::string hex;
  if (base == 16) {
    hex.assign(digits);
  } else {
    const std::size_t bits = 3 * digits.size();
    unsigned pending = 0;
    std::size_t pending_bits = (4 - bits % 4) % 4;  // leading zero bits
    hex.reserve((bits + 3) / 4);
    for (char c : digits) {
      pending = (pending << 3) | static_cast<unsigned>(DigitValue(c, 8));
      pending_bits += 3;
      if (pending_bits >= 4) {
        pending_bits -= 4;
        hex.push_back(HexDigit(pending >> pending_bits));
        pending &= (1u << pending_bits) - 1;
      }
    }
  }

  double value = 0;
  const auto [ptr, error] =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
  if (error == std::errc::result_out_of_range) return std::nullopt;
  return value;
}

// Reads the longest leading decimal number of `text` (whitespace already
// removed); no number at the start reads as 0.
std::optional<double> ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t integer_begin = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  const std::string_view integer_digits = text.substr(integer_begin, i - integer_begin);
  std::string_view fraction_digits;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction_begin = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    fraction_digits = text.substr(fraction_begin, i - fraction_begin);
  }
  if (integer_digits.empty() && fraction_digits.empty()) return 0.0;

  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    bool exponent_negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      exponent_negative = text[j] == '-';
      ++j;
    }
    for (; j < text.size() && IsDigit(text[j]); ++j) {
      exponent = std::min(kExponentCap, exponent * 10 + (text[j] - '0'));
    }
    if (exponent_negative) exponent = -exponent;
  }

  // Write the number as 0.<significant digits> x 10^scale.
  std::string significant;
  significant.reserve(integer_digits.size() + fraction_digits.size());
  significant.append(integer_digits).append(fraction_digits);
  const std::size_t leading_zeros = significant.find_first_not_of('0');
  if (leading_zeros == std::string::npos) return 0.0;
  significant.erase(0, leading_zeros);
  significant.erase(significant.find_last_not_of('0') + 1);
  const std::int64_t scale = static_cast<std::int64_t>(integer_digits.size()) -
                             static_cast<std::int64_t>(leading_zeros) + exponent;
  if (scale > kLargestDecimalExponent) return std::nullopt;
  if (scale < kSmallestDecimalExponent) return 0.0;

  std::string spelled = "0.";
  spelled.append(significant).append("e").append(std::to_string(scale));
  double value = 0;
  const auto [ptr, error] = std::from_chars(spelled.data(), spelled.data() + spelled.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (scale > 0) return std::nullopt;
    value = 0;  // too small for a double
  }
  return negative ? -value : value;
}

// Reads `text` if it is just an optional sign and up to 15 digits, which a
// double holds exactly; returns nullopt for any other text.
std::optional<double> ReadShortInteger(std::string_view text) {
  constexpr std::size_t kExactDigits = 15;
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || text.size() > kExactDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return static_cast<double>(negative ? -value : value);
}

}  // namespace

std::optional<double> CellValue(std::string_view text) {
  // The usual cell, one digit, needs none of the general reading below.
  if (const std::optional<double> value = ReadShortInteger(text)) return value;
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (!IsRemovedWhitespace(c)) kept.push_back(c);
  }
  const std::string_view number(kept);
  if (number.size() >= 2 && number[0] == '&') {
    if (number[1] == 'H' || number[1] == 'h') return ReadRadixInteger(number.substr(2), 16);
    if (number[1] == 'O' || number[1] == 'o') return ReadRadixInteger(number.substr(2), 8);
  }
  return ReadDecimal(number);
}

}  // namespace gridcode
