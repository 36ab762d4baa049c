// gridcode-data's start on Windows: the command line in UTF-8 whatever the
// console's code page, and standard streams that carry bytes as they are.

#ifndef GRIDCODE_CLI_WINDOWS_CONSOLE_H_
#define GRIDCODE_CLI_WINDOWS_CONSOLE_H_

#include <string>
#include <vector>

namespace gridcode {

// Returns the arguments of a wide `wmain`, without the program name, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const argv[]);

// Puts standard input and output in binary mode, so that no CR LF is read or
// written in place of LF: pictures and grid files pass through unchanged.
void UseBinaryStandardStreams();

}  // namespace gridcode

#endif  // GRIDCODE_CLI_WINDOWS_CONSOLE_H_
