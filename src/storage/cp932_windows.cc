#include <windows.h>

#include "storage/cp932.h"

namespace gridcode {

std::optional<std::string> Cp932ToUtf8(std::string_view bytes) {
  if (bytes.empty()) return std::string();
  // The field is at most a few hundred bytes, far from the limits of int.
  const int size = static_cast<int>(bytes.size());
  const int wide_size =
      ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (wide_size == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
  ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), wide_size);
  const int utf8_size =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
  if (utf8_size == 0) return std::nullopt;
  std::string utf8(static_cast<std::size_t>(utf8_size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, utf8.data(), utf8_size, nullptr,
                        nullptr);
  return utf8;
}

}  // namespace gridcode
