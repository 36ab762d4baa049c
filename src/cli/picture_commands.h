// gridcode-data render and import: grid files to pictures and back, run by
// the helper program gridcode-data-picture.
//
//   render [--scale N] [FILE.dat|-] -o OUT.png   a grid of the digits 0 to 3 -> indexed PNG
//   import [IMAGE|-] [-o OUT.dat]                 a grid picture -> grid file
//
// Errors name the file and what is wrong where ("IMAGE: message"), exit with
// status 1 and write nothing.

#ifndef GRIDCODE_CLI_PICTURE_COMMANDS_H_
#define GRIDCODE_CLI_PICTURE_COMMANDS_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace gridcode {

// Runs the render or import command line `arguments` (the command first),
// reading "-" or a missing input from `in`; returns the exit status.
int RunPictureCommand(const std::vector<std::string>& arguments, std::istream& in,
                      std::ostream& out, std::ostream& err);

}  // namespace gridcode

#endif  // GRIDCODE_CLI_PICTURE_COMMANDS_H_
