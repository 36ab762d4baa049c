#include "encoder/data_statements.h"

#include <cctype>
#include <sstream>
#include <streambuf>
#include <vector>

#include "encoder/data_lines.h"
#include "text/hex_digits.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
  if (text.size() < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
  }
  return true;
}

// Reads a listing one line at a time, within kLongestListingLine bytes a line.
class ListingLines {
 public:
  enum class Result { kLine, kEnd, kTooLong };

  // Bytes that only begin like a byte order mark stay as the start of the first line.
  explicit ListingLines(std::streambuf& input)
      : input_(input), carried_(SkipByteOrderMark(input)) {}

  // Reads the next line, without its line end, into `line`.
  Result Next(std::string& line) {
    line.clear();
    if (empty_lines_ > 0) {
      --empty_lines_;
      ++number_;
      return Result::kLine;
    }
    line.swap(carried_);
    int c = input_.sgetc();
    if (c == kEnd && line.empty()) return Result::kEnd;
    ++number_;
    while (c != kEnd && c != '\r' && c != '\n') {
      if (line.size() == kLongestListingLine) return Result::kTooLong;
      line.push_back(static_cast<char>(c));
      c = input_.snextc();
    }
    ended_with_line_end_ = c != kEnd;
    if (c == '\r') {
      // CR LF and CR CR LF end one line; each other CR ends a line of its own.
      std::int64_t more_returns = 0;
      while ((c = input_.snextc()) == '\r') ++more_returns;
      if (c == '\n') {
        input_.sbumpc();
      } else {
        empty_lines_ = more_returns;
      }
    } else if (c == '\n') {
      input_.sbumpc();
    }
    return Result::kLine;
  }

  // The number of the line last read, from 1.
  std::int64_t number() const { return number_; }

  // Whether the line last read ended with a line end rather than the input's end.
  bool ended_with_line_end() const { return ended_with_line_end_; }

 private:
  std::streambuf& input_;
  std::string carried_;  // bytes read ahead that belong to the next line
  std::int64_t number_ = 0;
  std::int64_t empty_lines_ = 0;  // lines ended by lone CRs already read
  bool ended_with_line_end_ = false;
};

struct Item {
  std::string_view text;
  TextPosition position;
};

// Returns the end of the statement text that starts at `i`: the first colon or
// apostrophe outside a string, or the end of the line. Commas end it too when
// `at_comma` is set.
std::size_t StatementPartEnd(std::string_view text, std::size_t i, bool at_comma) {
  while (i < text.size() && text[i] != ':' && text[i] != '\'' && !(at_comma && text[i] == ',')) {
    if (text[i] == '"') {
      const std::size_t closing = text.find('"', i + 1);
      i = closing == std::string_view::npos ? text.size() : closing + 1;
    } else {
      ++i;
    }
  }
  return i;
}

// Returns the text of a DATA item as written: a quoted item is the text
// between its quotes (the closing quote may be missing at the line's end).
std::string_view ItemText(std::string_view item) {
  if (item.empty() || item.front() != '"') return item;
  const std::size_t closing = item.find('"', 1);
  if (closing == std::string_view::npos) return item.substr(1);
  if (closing == item.size() - 1) return item.substr(1, closing - 1);
  return item;  // something after the string: not one item BASIC would read
}

// Appends the items of the DATA statements of one line (line number `line`).
void CollectItems(std::string_view text, std::int64_t line, std::vector<Item>& items) {
  std::size_t i = 0;
  const auto skip_blanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  skip_blanks();
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  while (i < text.size()) {
    skip_blanks();
    if (i == text.size() || text[i] == '\'' || StartsWithKeyword(text.substr(i), "REM")) return;
    if (StartsWithKeyword(text.substr(i), kDataKeyword)) {
      i += kDataKeyword.size();
      while (true) {
        skip_blanks();
        const std::size_t begin = i;
        i = StatementPartEnd(text, i, true);
        std::size_t end = i;
        while (end > begin && IsBlank(text[end - 1])) --end;
        items.push_back({ItemText(text.substr(begin, end - begin)),
                         {line, static_cast<std::int64_t>(begin) + 1}});
        if (i == text.size() || text[i] != ',') break;
        ++i;  // the comma
      }
    } else {
      i = StatementPartEnd(text, i, false);
    }
    if (i < text.size() && text[i] == '\'') return;
    if (i < text.size()) ++i;  // the colon
  }
}

bool IsRowCode(std::string_view text) {
  if (text.size() != kRowCodeDigits) return false;
  for (const char c : text) {
    if (HexDigitValue(c) < 0) return false;
  }
  return true;
}

Unexpected<DecodeError> Failure(DecodeError error) { return Unexpected(std::move(error)); }

}  // namespace

Expected<Cells, DecodeError> DecodeDataStatements(std::istream& input, int sprite) {
  ListingLines lines(*input.rdbuf());
  Cells cells;
  std::vector<Item> items;
  std::string text;
  // The items before the sprite's are counted, not read: other DATA may stand there.
  const long long skipped = static_cast<long long>(kRows) * (sprite - 1);
  long long taken = 0;
  int rows = 0;
  TextPosition end = {1, 1};
  bool first_line = true;  // no line of two bytes or more read yet
  while (rows < kRows) {
    const ListingLines::Result result = lines.Next(text);
    if (result == ListingLines::Result::kEnd) {
      if (sprite > 1) {
        return Failure({.kind = DecodeError::Kind::kNoSuchSprite,
                        .position = end,
                        .count = static_cast<int>(taken / kRows),
                        .sprite = sprite});
      }
      return Failure({DecodeError::Kind::kTooFewRowCodes, end, {}, rows});
    }
    if (result == ListingLines::Result::kTooLong) {
      return Failure({DecodeError::Kind::kLineTooLong, {lines.number(), 1}, {}, rows});
    }
    if (first_line && text.size() >= 2) {
      first_line = false;
      if (IsUtf16WithoutByteOrderMark(text)) {
        return Failure({DecodeError::Kind::kUtf16WithoutByteOrderMark, {lines.number(), 1}});
      }
    }
    items.clear();
    CollectItems(text, lines.number(), items);
    // A line may hold more items than the grid needs; those are not read.
    for (std::size_t i = 0; i < items.size() && rows < kRows; ++i, ++taken) {
      if (taken < skipped) continue;
      const Item& item = items[i];
      if (!IsRowCode(item.text)) {
        return Failure({DecodeError::Kind::kNotARowCode, item.position, std::string(item.text)});
      }
      for (std::size_t k = 0; k < kRowCodeDigits; ++k) {
        const int digit = HexDigitValue(item.text[k]);
        const int left = CellIndex(rows, static_cast<int>(2 * k));
        cells[left] = std::string(1, static_cast<char>('0' + digit / 4));
        cells[left + 1] = std::string(1, static_cast<char>('0' + digit % 4));
      }
      ++rows;
    }
    end = lines.ended_with_line_end()
              ? TextPosition{lines.number() + 1, 1}
              : TextPosition{lines.number(), static_cast<std::int64_t>(text.size()) + 1};
  }
  return cells;
}

Expected<Cells, DecodeError> DecodeDataStatements(std::string_view text, int sprite) {
  std::istringstream input{std::string(text)};
  return DecodeDataStatements(input, sprite);
}

}  // namespace gridcode
