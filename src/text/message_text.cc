#include "text/message_text.h"

#include <charconv>
#include <cstdint>

#include "text/hex_digits.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

// Appends `value` as `digits` upper-case hexadecimal digits.
void AppendHex(std::string& text, unsigned value, int digits) {
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    text.push_back(HexDigit(value >> shift));
  }
}

}  // namespace

std::string QuotableText(std::string_view text) {
  std::size_t end = 0;
  for (int characters = 0; end < text.size(); ++characters) {
    if (characters == kQuotedCharacters) return VisibleText(text.substr(0, end)).append("\u2026");
    // A character is its first byte and the continuation bytes after it.
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return VisibleText(text);
}

std::string VisibleText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = Utf8SequenceLength(text);
    const auto lead = static_cast<std::uint8_t>(text[0]);
    if (length == 0 || lead < 0x20 || lead == 0x7F) {
      shown.append("\\x");
      AppendHex(shown, lead, 2);
      text.remove_prefix(1);
      continue;
    }
    // U+0080 to U+009F are C2 80 to C2 9F.
    if (length == 2 && lead == 0xC2 && static_cast<std::uint8_t>(text[1]) < 0xA0) {
      shown.append("\\u00");
      AppendHex(shown, static_cast<std::uint8_t>(text[1]), 2);
    } else {
      shown.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return shown;
}

std::string NumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

}  // namespace gridcode
