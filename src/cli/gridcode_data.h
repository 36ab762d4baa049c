// gridcode-data: the command-line converter between grid files, DATA lines and
// pictures.
//
//   gridcode-data encode [--rows] [FILE.dat|-]    grid file -> two DATA lines (or ten row codes)
//   gridcode-data decode [-o OUT.dat] [FILE|-]    DATA statements -> grid file
//   gridcode-data render [--scale N] [FILE.dat|-] -o OUT.png    grid file -> PNG
//   gridcode-data import [IMAGE|-] [-o OUT.dat]   picture -> grid file
//
// Results go to standard output or the -o file, messages to standard error.
// Exit status: 0 on success, 1 for input it cannot convert, 2 for a wrong
// command line. encode and decode stand on the core alone; render and import
// need the image library and live in a helper program, gridcode-data-picture,
// which gridcode-data runs for them, so that the others start without it.

#ifndef GRIDCODE_CLI_GRIDCODE_DATA_H_
#define GRIDCODE_CLI_GRIDCODE_DATA_H_

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_document.h"
#include "storage/file_io.h"

namespace gridcode {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

inline constexpr std::string_view kProgram = "gridcode-data";
inline constexpr std::string_view kStandardStream = "-";

// A parsed command line.
struct CommandLine {
  std::string command;  // encode, decode, render or import
  std::string input = std::string(kStandardStream);
  std::optional<std::string> output;  // -o; "-" is standard output
  bool rows = false;                  // encode --rows
  int scale = 1;                      // render --scale
};

// Returns whether `command` is one that gridcode-data-picture runs.
bool IsPictureCommand(std::string_view command);

// Parses `arguments` (without the program name) into `line`; returns what is
// wrong with them, or nullopt.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments,
                                            CommandLine& line);

// Writes the usage error `problem` and the usage text to `err`; returns kExitUsage.
int UsageError(std::string_view problem, std::ostream& err);

// The name of the input in messages: its path, or "<stdin>".
std::string InputName(const CommandLine& line);

// Returns what the converter says of a file failure, after "FILE: ".
std::string DescribeFileError(const FileError& error);

// Returns `text` in double quotes for a message, cut short if long.
std::string QuotedText(std::string_view text);

// Reads the grid file that `line` names (or `in`) as gridcode's LOAD does;
// reports a failure on `err` and returns nullopt.
std::optional<Cells> ReadGridInput(const CommandLine& line, std::istream& in, std::ostream& err);

// Writes `contents` to the -o file of `line`, or to `out`; reports a failure
// on `err`. Returns the exit status.
int WriteOutput(const CommandLine& line, std::string_view contents, std::ostream& out,
                std::ostream& err);

// Runs the command line `arguments` (without the program name), reading "-"
// or a missing FILE from `in`; returns the exit status. Runs encode and
// decode; render and import are refused here (see RunPictureCommand).
int RunGridcodeData(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err);

}  // namespace gridcode

#endif  // GRIDCODE_CLI_GRIDCODE_DATA_H_
