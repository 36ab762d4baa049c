#include <windows.h>

#include "text/text_encodings.h"

namespace gridcode {
namespace {

// Returns `bytes` as UTF-16 in the system's own byte order, or nullopt.
std::optional<std::wstring> Wide(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::kCp932) {
    // A text is read a few kilobytes at a time, far from the limits of int.
    const int size = static_cast<int>(bytes.size());
    const int wide_size =
        ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (wide_size == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
    ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), wide_size);
    return wide;
  }
  if (bytes.size() % 2 != 0) return std::nullopt;
  const bool big_endian = encoding == TextEncoding::kUtf16Be;
  std::wstring wide(bytes.size() / 2, L'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    wide[i] = static_cast<wchar_t>(big_endian ? first << 8 | second : second << 8 | first);
  }
  return wide;
}

}  // namespace

std::optional<std::string> DecodeToUtf8(std::string_view bytes, TextEncoding encoding) {
  if (bytes.empty()) return std::string();
  const std::optional<std::wstring> wide = Wide(bytes, encoding);
  if (!wide) return std::nullopt;
  const int wide_size = static_cast<int>(wide->size());
  // A lone surrogate is not a character: refused as iconv refuses it.
  const int utf8_size = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide->data(),
                                              wide_size, nullptr, 0, nullptr, nullptr);
  if (utf8_size == 0) return std::nullopt;
  std::string utf8(static_cast<std::size_t>(utf8_size), '\0');
  ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide->data(), wide_size, utf8.data(),
                        utf8_size, nullptr, nullptr);
  return utf8;
}

}  // namespace gridcode
