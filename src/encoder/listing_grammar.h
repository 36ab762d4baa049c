// The grammar of a BASIC listing as READ sees it, shared by every reader of
// listings (the streaming decode and the listing held whole): how a text
// splits into lines, what a line holds (its line number, its statements, the
// items of its DATA statements, the line numbers its code names), and how
// row codes among the items make sprites.
//
//  - A line ends at LF, CR LF, a lone CR, or CRs and then LF (a CR LF file
//    whose line ends were converted once more). A UTF-8 byte order mark
//    before the first line is skipped.
//  - A line may start with a line number. Statements are separated by colons
//    outside strings; a string runs from a double quote to the next one or to
//    the end of the line.
//  - REM at the start of a statement, and an apostrophe outside a string,
//    make the rest of the line a comment. Keywords are read in any letter case.
//  - The items of a DATA statement are separated by commas and end at a colon
//    or a comment. Blanks around an item are not part of it; an item in double
//    quotes is the text between them.
//  - Outside DATA and comments, a line names another by GOTO, GOSUB, THEN,
//    ELSE, RESTORE, RESUME or RUN and its number (or a list of numbers, as
//    ON ... GOTO has), wherever the keyword stands outside strings.
//  - A row code is an item of exactly seven hexadecimal digits, in either
//    letter case. A run of row codes in a row, as READ takes them, across
//    statements and lines, gives a sprite for each full ten from its start;
//    any other item ends the run.

#ifndef GRIDCODE_ENCODER_LISTING_GRAMMAR_H_
#define GRIDCODE_ENCODER_LISTING_GRAMMAR_H_

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_document.h"

namespace gridcode {

// The longest line of a listing that is read, in bytes.
inline constexpr std::size_t kLongestListingLine = std::size_t{64} << 10;

// Reads a text one line at a time, within kLongestListingLine bytes a line,
// and says where each line stands in it: from a stream buffer, or from a
// text held in memory, whose lines it hands out as views into it.
class ListingLines {
 public:
  // A line no listing has is refused: one over kLongestListingLine bytes, or
  // a first line of two bytes or more that is UTF-16 without a byte order mark.
  enum class Result { kLine, kEnd, kTooLong, kUtf16WithoutByteOrderMark };

  // Bytes that only begin like a byte order mark stay as the start of the first line.
  explicit ListingLines(std::streambuf& input);

  // Reads `text`, which is to outlive the reader, as the stream of its bytes.
  explicit ListingLines(std::string_view text);

  // Reads the next line, without its line end, into `line`.
  Result Next(std::string& line);

  // The same, `line` a view of the text in memory, or of the reader's own
  // copy of a stream's line, valid up to the next call.
  Result Next(std::string_view& line);

  // The number of the line last read, from 1.
  std::int64_t number() const { return number_; }

  // Where the line last read starts and ends (before its line end), and
  // where the next one starts, as offsets into the input from its start.
  std::size_t start() const { return start_; }
  std::size_t end() const { return end_; }
  std::size_t next() const { return next_; }

  // Whether the line last read ended with a line end rather than the input's end.
  bool ended_with_line_end() const { return next_ > end_; }

 private:
  Result NextOfStream(std::string& line);
  Result NextOfText(std::string_view& line);
  // Takes the next of the empty lines that lone CRs already read end, if any.
  bool TakeEmptyLine();
  // Whether `line`, just read, is the first of two bytes or more and UTF-16.
  bool FirstLineIsUtf16(std::string_view line);

  std::streambuf* input_ = nullptr;  // nullptr: the text in memory
  std::string_view text_;
  std::string own_line_;   // a stream's line handed out as a view
  std::string carried_;    // bytes read ahead that belong to the next line
  std::size_t taken_ = 0;  // bytes taken from the input
  std::int64_t number_ = 0;
  std::int64_t empty_lines_ = 0;  // lines ended by lone CRs already read
  bool first_line_seen_ = false;  // a line of two bytes or more was read
  std::size_t start_ = 0, end_ = 0, next_ = 0;
};

// What a row code says: its value and the letter case of its digits.
struct RowCode {
  std::uint32_t value = 0;   // 28 bits
  bool has_letters = false;  // it has a digit A to F
  bool lower_case = false;   // the first of those is small
};

// Reads `text` as a row code: seven hexadecimal digits, in either letter
// case; nullopt when it is none.
std::optional<RowCode> ReadRowCode(std::string_view text);

// An item of a DATA statement: where it stands in its line (blanks around it
// left out, quotes included), the text READ gives, and that text as a row code.
struct ScannedItem {
  std::size_t begin = 0, end = 0;
  std::string_view text;
  bool quoted = false;
  std::optional<RowCode> code = {};
};

// A statement: where it stands (blanks around it left out), and for a DATA
// statement where its keyword ends and which items of the line are its own.
struct ScannedStatement {
  std::size_t begin = 0, end = 0;
  bool data = false;
  std::size_t keyword_end = 0;
  std::size_t first_item = 0, item_count = 0;

  bool operator==(const ScannedStatement&) const = default;
};

// What one line holds, offsets from the line's start.
struct ScannedLine {
  std::optional<long> number;  // its line number, if it has one
  std::size_t number_begin = 0, number_end = 0;
  std::vector<ScannedStatement> statements;  // a REM statement included
  std::vector<ScannedItem> items;            // of its DATA statements, in order
  std::optional<std::size_t> comment;        // where an apostrophe comment starts
  std::vector<long> named;                   // line numbers its code names
};

// Whether the line `text` may hold DATA items: only a DATA statement holds
// them, and its keyword a D, in either letter case.
inline bool MayHoldItems(std::string_view text) {
  return text.find('D') != std::string_view::npos || text.find('d') != std::string_view::npos;
}

// Reads the line `text` into `line`, reusing its storage; `line`'s items
// point into `text`.
void ScanLine(std::string_view text, ScannedLine& line);

// The values of a sprite's ten row codes, of rows 0 to 9.
using RowCodes = std::array<std::uint32_t, kRows>;

// Returns the cells, "0" to "3", that `codes` encode.
Cells CellsOfRowCodes(const RowCodes& codes);

// Follows the runs of row codes among the DATA items, as READ takes them.
class SpriteRuns {
 public:
  // Takes the next item, a row code or not; returns its row in the sprite it
  // belongs to if the run it is part of reaches ten (0 to 9), or nullopt for
  // an item that is not a row code. Row 9 completes sprite sprites().
  std::optional<int> Take(bool row_code) {
    if (!row_code) {
      run_ = 0;
      row_ = 0;
      return std::nullopt;
    }
    const int row = row_;
    longest_run_ = std::max(longest_run_, ++run_);
    if (++row_ == kRows) {
      row_ = 0;
      ++sprites_;
    }
    return row;
  }

  // The sprites completed so far.
  long long sprites() const { return sprites_; }

  // The most row codes seen in a row; below ten while no sprite is complete.
  long long longest_run() const { return longest_run_; }

 private:
  long long run_ = 0;
  int row_ = 0;  // that of the run's next row code: run_ % kRows
  long long sprites_ = 0;
  long long longest_run_ = 0;
};

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_LISTING_GRAMMAR_H_
