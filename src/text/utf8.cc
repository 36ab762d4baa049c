#include "text/utf8.h"

#include <cstdint>

namespace gridcode {

std::string SkipByteOrderMark(std::streambuf& input) {
  std::string taken;
  for (const char mark : kByteOrderMark) {
    if (input.sgetc() != std::char_traits<char>::to_int_type(mark)) return taken;
    taken.push_back(static_cast<char>(input.sbumpc()));
  }
  return {};
}

bool IsUtf16WithoutByteOrderMark(std::string_view line) {
  if (line.size() < 2) return false;
  // Whether each half of the bytes, those at even and at odd places, is all
  // NUL, and whether it holds any NUL.
  bool all_nul[2] = {true, true};
  bool any_nul[2] = {false, false};
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool nul = line[i] == '\0';
    all_nul[i % 2] = all_nul[i % 2] && nul;
    any_nul[i % 2] = any_nul[i % 2] || nul;
  }
  return (all_nul[0] && !any_nul[1]) || (all_nul[1] && !any_nul[0]);
}

std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint8_t second_low = 0x80, second_high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) second_low = 0xA0;   // overlong
    if (lead == 0xED) second_high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_low = 0x90;   // overlong
    if (lead == 0xF4) second_high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < second_low || byte(1) > second_high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace gridcode
