// gridcode-data's start on Windows: the command line in UTF-8 whatever the
// console's code page. Its standard input and output carry bytes as they
// are, read and written with the system's calls (storage/file_io.h); its
// messages go to standard error as text.

#ifndef GRIDCODE_CLI_WINDOWS_CONSOLE_H_
#define GRIDCODE_CLI_WINDOWS_CONSOLE_H_

#include <string>
#include <vector>

namespace gridcode {

// Returns the arguments of a wide `wmain`, without the program name, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const argv[]);

}  // namespace gridcode

#endif  // GRIDCODE_CLI_WINDOWS_CONSOLE_H_
