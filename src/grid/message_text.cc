#include "grid/message_text.h"

#include <charconv>

namespace gridcode {

std::string ShortenedText(std::string_view text) {
  std::size_t end = 0;
  for (int characters = 0; end < text.size(); ++characters) {
    if (characters == kQuotedCharacters) return std::string(text.substr(0, end)).append("\u2026");
    // A character is its first byte and the continuation bytes after it.
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(text);
}

std::string NumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

}  // namespace gridcode
