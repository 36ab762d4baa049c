#include "encoder/basic_program.h"

#include <array>
#include <span>
#include <string_view>

#include "encoder/data_lines.h"

namespace gridcode {
namespace {

// The lines before the sprite count. No colons or quotes in them: some
// BASICs end a REM at a colon.
constexpr std::array<std::string_view, 4> kHeading = {
    kProgramTitle,
    "REM A HEX DIGIT OF A ROW CODE IS 2 CELLS OF 0 TO 3, 4 X LEFT + RIGHT",
    "REM THE PRINT LINE SHOWS ROW R OF SPRITE S, ITS CELLS IN L$, AND A BLANK",
    "REM LINE BETWEEN SPRITES; PUT YOUR OWN DRAWING STATEMENT IN ITS PLACE",
};

// The loader after kSpriteCountStatement and the sprite count. The cells of a digit come
// from its character code: "0" to "9" are 48 to 57 and "A" to "F" 65 to 70,
// so that D - 7 * INT(D / 17) is the digit's value. Without IF, the line feed
// that parts two sprites is MID$ of CHR$(10) for a length that is 1 only
// after row 10 of a sprite before the last: INT(R / 10) is 1 only for row 10,
// and INT((2N - S - 1) / N) is 1 only for S < N.
constexpr std::array<std::string_view, 12> kLoader = {
    "FOR S=1 TO N",
    "FOR R=1 TO 10",
    "READ C$",
    "LET L$=\"\"",
    "FOR K=1 TO 7",
    "LET D=ASC(MID$(C$,K,1))-48",
    "LET D=D-7*INT(D/17)",
    "LET L$=L$+CHR$(48+INT(D/4))+CHR$(48+D-4*INT(D/4))",
    "NEXT K",
    "PRINT L$+MID$(CHR$(10),1,INT(R/10)*INT((2*N-S-1)/N))",
    "NEXT R",
    "NEXT S",
};

// The lines above spell the size of a sprite and of its row codes.
static_assert(kColumns == 14 && kRows == 10 && kRowCodeDigits == 7,
              "the heading and the loader spell the grid's size");

}  // namespace

long long LastLineNumber(LineNumbering numbering, long long count) {
  return numbering.start + static_cast<long long>(numbering.step) * (count - 1);
}

long long ProgramLineCount(long long sprites) {
  return static_cast<long long>(kHeading.size() + 1 + kLoader.size()) + kDataLineCount * sprites;
}

std::string NumberLines(const std::vector<std::string>& lines, LineNumbering numbering) {
  std::string text;
  long long number = numbering.start;
  for (const std::string& line : lines) {
    text.append(std::to_string(number)).append(" ").append(line).append("\n");
    number += numbering.step;
  }
  return text;
}

Expected<std::string, UnusualCell> BasicProgram(const std::vector<Cells>& sprites,
                                                LineNumbering numbering) {
  std::vector<std::string> lines(kHeading.begin(), kHeading.end());
  lines.push_back(std::string(kSpriteCountStatement) + std::to_string(sprites.size()));
  lines.insert(lines.end(), kLoader.begin(), kLoader.end());
  for (std::size_t sprite = 0; sprite < sprites.size(); ++sprite) {
    const Cells& cells = sprites[sprite];
    for (int cell = 0; cell < kCellCount; ++cell) {
      if (!TwoBitValue(cells[cell])) return Unexpected(UnusualCell{sprite, cell});
    }
    // Cells of 0 to 3 always encode, into seven digits a row.
    std::array<std::string, kRows> codes;
    for (int row = 0; row < kRows; ++row) codes[row] = *EncodeRow(cells, row);
    const std::span<const std::string> rows = codes;
    for (int line = 0; line < kDataLineCount; ++line) {
      lines.push_back(DataLine(
          rows.subspan(static_cast<std::size_t>(line) * kRowsPerDataLine, kRowsPerDataLine),
          DataQuoting::kQuoted));
    }
  }
  return NumberLines(lines, numbering);
}

}  // namespace gridcode
