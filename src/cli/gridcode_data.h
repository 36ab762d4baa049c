// gridcode-data: the command-line converter between grid files, DATA lines and
// pictures.
//
//   gridcode-data encode [--rows] [FILE|-]...            grid files or pictures -> DATA lines
//   gridcode-data encode --number START[,STEP] FILE...   numbered DATA lines
//   gridcode-data encode --program FILE...               a BASIC program that prints them
//   gridcode-data decode [--sprite K] [-o OUT.dat] [FILE|-]  DATA statements -> grid file
//   gridcode-data render [--scale N] [--palette NAME] [FILE|-] -o OUT.png  grid or picture -> PNG
//   gridcode-data import [PICTURE.png|-] [-o OUT.dat]    PNG -> grid file
//   gridcode-data update LISTING --sprite K FILE [-o OUT]  a sprite into a listing, in place
//
// Results go to standard output or the -o file, messages to standard error,
// one line each: "gridcode-data: PLACE: what is wrong", where PLACE is the
// file, "FILE:LINE:COLUMN" in a listing, and the message names the row and
// column of a cell or the pixel of a picture. Exit status: 0 on success, 1 for
// input it cannot convert or output it cannot write, 2 for a wrong command
// line, 70 (EX_SOFTWARE) for a fault of the program itself.
//
// Outputs are made by the writer that SAVE uses (cells_file.h): -o gets a
// picture for a name ending in .png or a picture it replaces, else a grid
// file; render always a picture. A picture is written to no terminal.

#ifndef GRIDCODE_CLI_GRIDCODE_DATA_H_
#define GRIDCODE_CLI_GRIDCODE_DATA_H_

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encoder/basic_program.h"
#include "grid/palettes.h"

namespace gridcode {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // input it cannot convert, or output it cannot write
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInternalError = 70;  // EX_SOFTWARE: a broken invariant

inline constexpr std::string_view kProgram = "gridcode-data";
inline constexpr std::string_view kStandardStream = "-";

// A parsed command line.
struct CommandLine {
  std::string command;  // encode, decode, render, import or update
  std::string input = std::string(kStandardStream);
  std::vector<std::string> more_inputs;    // encode: the FILEs after the first; update: FILE
  std::optional<std::string> output;       // -o; "-" is standard output
  bool rows = false;                       // encode --rows
  std::optional<LineNumbering> numbering;  // encode --number
  bool program = false;                    // encode --program
  int sprite = 1;                          // decode and update --sprite
  bool sprite_given = false;
  bool renumber = false;           // update --renumber
  std::optional<int> scale;        // render --scale
  std::optional<Palette> palette;  // render --palette
  bool palette_help = false;       // render --palette help: list the palettes
};

// Parses `arguments` (without the program name) into `line`; returns what is
// wrong with them, or nullopt.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments,
                                            CommandLine& line);

// Runs the command line `arguments` (without the program name), reading "-"
// or a missing FILE from `in`; returns the exit status.
int RunGridcodeData(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err);

}  // namespace gridcode

#endif  // GRIDCODE_CLI_GRIDCODE_DATA_H_
