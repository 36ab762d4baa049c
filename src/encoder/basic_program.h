// Numbered BASIC listings of several sprites: the DATA lines with line
// numbers, and a whole program that reads the row codes back and prints them.
//
// The program keeps to what classic line-numbered BASICs share, so that it
// runs unchanged in Microsoft-style BASICs, BBC BASIC and yabasic: lines
// numbered up to 32766 and of at most 80 characters, upper-case keywords, variables of one
// letter, and only LET, FOR/NEXT, READ/DATA, PRINT, MID$, ASC, CHR$, INT and
// arithmetic (no IF, whose forms differ, and no hexadecimal literals). The row
// codes stand in quoted DATA strings, two lines of five a sprite, in the order
// READ takes them. The loader turns each digit d back into the cells d div 4
// and d mod 4 and prints each sprite as ten lines of fourteen digits, with a
// blank line between sprites; a REM line says that the user's own drawing
// statement can take the PRINT line's place.

#ifndef GRIDCODE_ENCODER_BASIC_PROGRAM_H_
#define GRIDCODE_ENCODER_BASIC_PROGRAM_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "grid/grid_document.h"

namespace gridcode {

// The highest line number of a listing: the largest that classic BASICs
// take (Commodore's and Applesoft's).
inline constexpr long kLargestLineNumber = 63999;

// The highest line number of a program: bwbasic takes up to 32766, and BBC
// BASIC up to 32767.
inline constexpr long kLargestProgramLineNumber = 32766;

// The longest line of the program, in characters, line number included.
inline constexpr std::size_t kLongestProgramLine = 80;

// The program's first statement, which tells its listing from others.
inline constexpr std::string_view kProgramTitle =
    "REM SPRITES OF 14 X 10 CELLS, 10 ROW CODES EACH IN THE DATA LINES BELOW";

// The statement that the program's sprite count follows.
inline constexpr std::string_view kSpriteCountStatement = "LET N=";

// How lines are numbered: the first line's number and the step to the next.
struct LineNumbering {
  long start = 10;
  long step = 10;
};

// Returns the number of the last of `count` lines (count >= 1), which may lie
// past kLargestLineNumber.
long long LastLineNumber(LineNumbering numbering, long long count);

// Returns how many lines the program of `sprites` sprites has.
long long ProgramLineCount(long long sprites);

// Returns `lines`, each after its number and a space and followed by "\n".
std::string NumberLines(const std::vector<std::string>& lines, LineNumbering numbering);

// A cell that is not one digit 0 to 3, so that its row has no row code of
// seven digits: sprite index (from 0) and cell index.
struct UnusualCell {
  std::size_t sprite;
  int cell;
  friend bool operator==(const UnusualCell&, const UnusualCell&) = default;
};

// Returns the program that holds and prints `sprites`, or the first cell that
// is not one digit 0 to 3. Its lines are numbered by `numbering`; the caller
// keeps the last one within kLargestProgramLineNumber.
Expected<std::string, UnusualCell> BasicProgram(const std::vector<Cells>& sprites,
                                                LineNumbering numbering);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_BASIC_PROGRAM_H_
