// Test support: one table of the failures that gridcode reports, with the
// facts a message about each must show. Both front ends' message tests check
// their wording against this table, so that a failure one of them forgets,
// words like another, or reports with the wrong row, pixel or number fails.

#ifndef GRIDCODE_TESTS_SUPPORT_FAILURES_H_
#define GRIDCODE_TESTS_SUPPORT_FAILURES_H_

#include <cerrno>
#include <cstring>
#include <regex>
#include <string>
#include <variant>
#include <vector>

#include "encoder/basic_program.h"
#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "encoder/listing.h"
#include "format/grid_file.h"
#include "format/grid_picture.h"
#include "grid/grid_document.h"
#include "storage/file_io.h"

namespace gridcode {

using AnyFailure = std::variant<FileError, GridFileError, ImportError, DecodeError, Overflow,
                                RenderError, UnusualCell, ListingSaveError>;

struct FailureCase {
  std::string name;
  AnyFailure failure;
  std::vector<std::string> texts;  // shown as they are
  std::vector<long> numbers;       // shown as whole numbers
  // The line, and column, in the file: shown beside the file's name (where
  // gridcode-data's wording does not see it), or in the window's sentence.
  std::vector<long> place = {};
};

// The cells that the overflows and render failures of the table name: row 7
// (index 6) holds texts that overflow, and cell 30 (row 3, column 3) a cell
// that has no colour.
inline Cells FailureCells() {
  Cells cells;
  cells.fill("0");
  cells[CellIndex(6, 4)] = "1e309";
  cells[CellIndex(6, 8)] = "99999999999";
  cells[CellIndex(6, 9)] = "2";
  cells[30] = "12";
  return cells;
}

inline std::vector<FailureCase> Failures() {
  using File = FileError::Kind;
  using Import = ImportError::Kind;
  using Decode = DecodeError::Kind;
  using Cause = Overflow::Cause;
  using Render = RenderError::Kind;
  using Save = ListingSaveError::Kind;
  const std::string no_such_file = std::strerror(ENOENT);
  const std::string denied = std::strerror(EACCES);
  return {
      {"missing file", FileError{File::kCannotRead, ENOENT}, {no_such_file}, {}},
      {"write refused", FileError{File::kCannotWrite, EACCES}, {denied}, {}},
      {"write cut short", FileError{File::kCannotWrite, EACCES, true}, {denied}, {}},
      {"folder", FileError{File::kIsDirectory, EISDIR}, {}, {}},
      {"device", FileError{File::kNotRegularFile}, {}, {}},
      {"terminal", FileError{File::kIsTerminal}, {}, {}},
      {"empty grid file", GridFileError::kNothingToRead, {}, {}},
      {"UTF-16 grid file with no grid", GridFileError::kUtf16WithNothingToRead, {"UTF-16"}, {}},
      {"unmarked UTF-16 grid file", GridFileError::kUtf16WithoutByteOrderMark, {"UTF-16"}, {}},
      {"huge picture file", ImportError{.kind = Import::kFileTooLarge}, {}, {64}},
      {"GIF",
       ImportError{.kind = Import::kOtherFormat, .format = PictureFormat::kGif},
       {"GIF"},
       {}},
      {"not a picture", ImportError{.kind = Import::kNotAPicture}, {}, {}},
      {"broken PNG",
       ImportError{.kind = Import::kUnreadable, .reason = "CRC error"},
       {"CRC error"},
       {}},
      {"wrong size",
       ImportError{.kind = Import::kWrongSize, .width = 15, .height = 10},
       {},
       {15, 10}},
      {"too large",
       ImportError{.kind = Import::kTooLarge, .width = 910, .height = 650},
       {},
       {910, 650, kLargestScale}},
      {"index past palette",
       ImportError{
           .kind = Import::kIndexPastPalette, .x = 4, .y = 1, .index = 3, .palette_size = 2},
       {"(4, 1)"},
       {3, 2}},
      {"index above 3",
       ImportError{.kind = Import::kUnknownIndex, .x = 3, .y = 2, .index = 4},
       {"(3, 2)"},
       {4}},
      {"unknown colour",
       ImportError{.kind = Import::kUnknownColour, .x = 5, .y = 6, .colour = Widened(0xFF102030)},
       {"(5, 6)", "#102030"},
       {}},
      {"mixed block",
       ImportError{.kind = Import::kMixedBlock, .x = 9, .y = 13, .scale = 2},
       {"(9, 13)"},
       {7, 5, 2}},
      {"no sprite", DecodeError{.kind = Decode::kTooFewRowCodes, .count = 3}, {}, {3, 10}},
      {"huge listing", DecodeError{.kind = Decode::kListingTooLarge}, {}, {32}},
      {"too many sprites",
       DecodeError{.kind = Decode::kTooManySprites, .position = {5003, 17}, .sprite = 20001},
       {},
       {20001, 20000},
       {5003, 17}},
      {"long line",
       DecodeError{.kind = Decode::kLineTooLong, .position = {4321, 1}},
       {},
       {65536},
       {4321}},
      {"no such sprite",
       DecodeError{.kind = Decode::kNoSuchSprite, .count = 3, .sprite = 5},
       {},
       {3, 5, 10}},
      {"unmarked UTF-16 listing",
       DecodeError{.kind = Decode::kUtf16WithoutByteOrderMark},
       {"UTF-16"},
       {}},
      {"cell beyond double", Overflow{Cause::kCellBeyondDoubleRange, 6, 4, 0}, {"1e309"}, {7, 5}},
      {"product beyond double",
       Overflow{Cause::kProductBeyondDoubleRange, 6, 4, 0},
       {"1e309"},
       {7, 5}},
      {"pair beyond 32 bits",
       Overflow{Cause::kPairBeyond32Bits, 6, 8, 399999999998},
       {"99999999999", "399999999998"},
       {7, 9, 10}},
      {"unusual cell", RenderError{Render::kUnusualCell, 30}, {"12"}, {3}},
      {"cell a program cannot hold", UnusualCell{1, 30}, {"12"}, {3}},
      {"scale out of range", RenderError{Render::kScaleOutOfRange}, {}, {kLargestScale}},
      {"named line left empty",
       ListingSaveError{
           .kind = Save::kNamedLineLeftEmpty, .position = {12, 1}, .label = 130, .named_by = 7},
       {},
       {130, 7},
       {12}},
      {"no room for lines",
       ListingSaveError{
           .kind = Save::kNoRoomForLines, .label = 110, .next_label = 120, .count = 2, .step = 10},
       {},
       {110, 120, 2, 10}},
      {"no line numbers left",
       ListingSaveError{
           .kind = Save::kNoLineNumbersLeft, .label = 110, .next_label = 111, .count = 4},
       {},
       {110, 111, 4}},
      {"cell a row code cannot hold",
       ListingSaveError{.kind = Save::kUnusualCell, .sprite = 0, .cell = 30},
       {"12"},
       {3}},
      {"bad origin", ListingSaveError{.kind = Save::kBadOrigin, .sprite = 4}, {}, {5}},
      {"bank too large",
       ListingSaveError{.kind = Save::kTooManySprites, .count = 20001},
       {},
       {20001, 20000}},
      {"reads back otherwise",
       ListingSaveError{.kind = Save::kReadsBackOtherwise, .position = {40, 9}, .sprite = 2},
       {},
       {3},
       {40, 9}},
      {"new sprite reads back otherwise",
       ListingSaveError{.kind = Save::kReadsBackOtherwise, .sprite = 5},
       {},
       {6}},
      {"no room before the first line",
       ListingSaveError{
           .kind = Save::kNoRoomForLines, .label = -1, .next_label = 5, .count = 2, .step = 10},
       {},
       {5, 2, 10}},
      {"no room after the last line",
       ListingSaveError{.kind = Save::kNoRoomForLines, .label = 32760, .count = 4, .step = 10},
       {},
       {32760, 4, 10}},
      {"encoder failed",
       RenderError{Render::kEncoderFailed, 0, "out of memory"},
       {"out of memory"},
       {}},
  };
}

// Checks that `message`, the wording of `c`, shows its facts.
inline void ExpectShowsFacts(const FailureCase& c, const std::string& message) {
  EXPECT_FALSE(message.empty());
  for (const std::string& text : c.texts) {
    EXPECT_NE(message.find(text), std::string::npos) << "no " << text << " in: " << message;
  }
  for (const long number : c.numbers) {
    const std::regex whole("(^|[^0-9])" + std::to_string(number) + "([^0-9]|$)");
    EXPECT_TRUE(std::regex_search(message, whole)) << "no " << number << " in: " << message;
  }
}

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_SUPPORT_FAILURES_H_
