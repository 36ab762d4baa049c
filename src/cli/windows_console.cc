#include "cli/windows_console.h"

#include <windows.h>

#include <cwchar>

namespace gridcode {

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const argv[]) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    const int length = static_cast<int>(std::wcslen(argv[i]));
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, argv[i], length, nullptr, 0, nullptr, nullptr);
    std::string argument(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, argv[i], length, argument.data(), size, nullptr, nullptr);
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace gridcode
