// gridcode-data: the command-line converter between grid files and DATA lines.
//
//   gridcode-data encode [--rows] [FILE.dat|-]    grid file -> two DATA lines (or ten row codes)
//   gridcode-data decode [-o OUT.dat] [FILE|-]    DATA statements -> grid file
//
// Results go to standard output, messages to standard error. Exit status: 0 on
// success, 1 for input it cannot convert, 2 for a wrong command line.

#ifndef GRIDCODE_CLI_GRIDCODE_DATA_H_
#define GRIDCODE_CLI_GRIDCODE_DATA_H_

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_io.h"

namespace gridcode {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

// Runs the command line `arguments` (without the program name), reading "-"
// or a missing FILE from `in`; returns the exit status.
// Returns what the converter says of a file failure, after "FILE: ".
std::string DescribeFileError(const FileError& error);

// Returns `text` in double quotes for a message, cut short if long.
std::string QuotedText(std::string_view text);

int RunGridcodeData(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err);

}  // namespace gridcode

#endif  // GRIDCODE_CLI_GRIDCODE_DATA_H_
