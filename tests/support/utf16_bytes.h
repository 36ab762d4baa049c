// Test support: a text as the bytes of UTF-16, as Windows saves "Unicode"
// text; a byte order mark is the text's first character, U+FEFF.

#ifndef GRIDCODE_TESTS_SUPPORT_UTF16_BYTES_H_
#define GRIDCODE_TESTS_SUPPORT_UTF16_BYTES_H_

#include <string>
#include <string_view>

namespace gridcode {

inline std::string Utf16Bytes(std::u16string_view text, bool big_endian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_SUPPORT_UTF16_BYTES_H_
