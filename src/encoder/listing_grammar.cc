#include "encoder/listing_grammar.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

#include "encoder/data_lines.h"
#include "text/hex_digits.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
  if (text.size() < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
  }
  return true;
}

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

// Returns the line number of the digits `digits`; one too large for a long
// is the largest long, which no listing reaches.
long LineNumberOf(std::string_view digits) {
  long number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() ? number : std::numeric_limits<long>::max();
}

// The keywords after which a statement names a line by its number.
constexpr std::string_view kNamingKeywords[] = {"GOTO",    "GOSUB",  "THEN", "ELSE",
                                                "RESTORE", "RESUME", "RUN"};

// Appends the line numbers that the statement text `text` names.
void CollectNamedLines(std::string_view text, std::vector<long>& named) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      const std::size_t closing = text.find('"', i + 1);
      i = closing == std::string_view::npos ? text.size() : closing + 1;
      continue;
    }
    const auto keyword = std::find_if(
        std::begin(kNamingKeywords), std::end(kNamingKeywords),
        [&](std::string_view word) { return StartsWithKeyword(text.substr(i), word); });
    if (keyword == std::end(kNamingKeywords)) {
      ++i;
      continue;
    }
    i += keyword->size();
    while (true) {
      while (i < text.size() && IsBlank(text[i])) ++i;
      const std::size_t digits = i;
      while (i < text.size() && IsDigit(text[i])) ++i;
      if (i == digits) break;
      named.push_back(LineNumberOf(text.substr(digits, i - digits)));
      while (i < text.size() && IsBlank(text[i])) ++i;
      if (i == text.size() || text[i] != ',') break;
      ++i;
    }
  }
}

}  // namespace

ListingLines::ListingLines(std::streambuf& input) : input_(input) {
  const int first = input_.sgetc();
  carried_ = SkipByteOrderMark(input_);
  taken_ = first == std::char_traits<char>::to_int_type(kByteOrderMark[0]) && carried_.empty()
               ? kByteOrderMark.size()
               : carried_.size();
}

ListingLines::Result ListingLines::Next(std::string& line) {
  line.clear();
  if (empty_lines_ > 0) {
    --empty_lines_;
    ++number_;
    start_ = end_ = next_;
    ++next_;  // the lone CR that ends it
    return Result::kLine;
  }
  start_ = taken_ - carried_.size();
  line.swap(carried_);
  int c = input_.sgetc();
  if (c == kEnd && line.empty()) return Result::kEnd;
  ++number_;
  while (c != kEnd && c != '\r' && c != '\n') {
    if (line.size() == kLongestListingLine) return Result::kTooLong;
    line.push_back(static_cast<char>(c));
    c = input_.snextc();
    ++taken_;
  }
  end_ = next_ = taken_;
  if (c == '\r') {
    // CRs and then LF end one line; each other CR ends a line of its own.
    std::int64_t more_returns = 0;
    ++taken_;
    while ((c = input_.snextc()) == '\r') {
      ++more_returns;
      ++taken_;
    }
    if (c == '\n') {
      input_.sbumpc();
      next_ = ++taken_;
    } else {
      next_ = end_ + 1;
      empty_lines_ = more_returns;
    }
  } else if (c == '\n') {
    input_.sbumpc();
    next_ = ++taken_;
  }
  if (!first_line_seen_ && line.size() >= 2) {
    first_line_seen_ = true;
    if (IsUtf16WithoutByteOrderMark(line)) return Result::kUtf16WithoutByteOrderMark;
  }
  return Result::kLine;
}

TextBuffer::TextBuffer(std::string_view text) {
  // Only read: the get area is never written through.
  char* begin = const_cast<char*>(text.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast)
  setg(begin, begin, begin + text.size());
}

void ScanLine(std::string_view text, ScannedLine& line) {
  line.number.reset();
  line.statements.clear();
  line.items.clear();
  line.comment.reset();
  line.named.clear();
  std::size_t i = 0;
  const auto skip_blanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  const auto trimmed_end = [&](std::size_t begin, std::size_t end) {
    while (end > begin && IsBlank(text[end - 1])) --end;
    return end;
  };
  skip_blanks();
  line.number_begin = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  line.number_end = i;
  if (i > line.number_begin)
    line.number = LineNumberOf(text.substr(line.number_begin, i - line.number_begin));
  while (i < text.size()) {
    skip_blanks();
    if (i == text.size()) return;
    if (text[i] == '\'') {
      line.comment = i;
      return;
    }
    ScannedStatement statement{.begin = i};
    if (StartsWithKeyword(text.substr(i), "REM")) {
      statement.end = trimmed_end(i, text.size());
      line.statements.push_back(statement);
      return;
    }
    if (StartsWithKeyword(text.substr(i), kDataKeyword)) {
      i += kDataKeyword.size();
      statement.data = true;
      statement.keyword_end = i;
      statement.first_item = line.items.size();
      while (true) {
        skip_blanks();
        const std::size_t begin = i;
        i = StatementPartEnd(text, i, true);
        const std::size_t end = trimmed_end(begin, i);
        const std::string_view item = text.substr(begin, end - begin);
        line.items.push_back({begin, end, ItemText(item), !item.empty() && item.front() == '"'});
        if (i == text.size() || text[i] != ',') break;
        ++i;  // the comma
      }
      statement.item_count = line.items.size() - statement.first_item;
    } else {
      i = StatementPartEnd(text, i, false);
      CollectNamedLines(text.substr(statement.begin, i - statement.begin), line.named);
    }
    statement.end = trimmed_end(statement.begin, i);
    line.statements.push_back(statement);
    if (i < text.size() && text[i] == '\'') {
      line.comment = i;
      return;
    }
    if (i < text.size()) ++i;  // the colon
  }
}

bool IsRowCode(std::string_view text) {
  if (text.size() != kRowCodeDigits) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

std::uint32_t RowCodeValue(std::string_view text) {
  std::uint32_t value = 0;
  for (const char c : text) value = value << 4 | static_cast<std::uint32_t>(HexDigitValue(c));
  return value;
}

Cells CellsOfRowCodes(const RowCodes& codes) {
  Cells cells;
  for (int row = 0; row < kRows; ++row) {
    for (std::size_t k = 0; k < kRowCodeDigits; ++k) {
      const std::uint32_t digit = codes[row] >> (4 * (kRowCodeDigits - 1 - k)) & 0xF;
      const int left = CellIndex(row, static_cast<int>(2 * k));
      cells[left] = std::string(1, static_cast<char>('0' + digit / 4));
      cells[left + 1] = std::string(1, static_cast<char>('0' + digit % 4));
    }
  }
  return cells;
}

std::optional<int> SpriteRuns::Take(std::string_view item) {
  if (!IsRowCode(item)) {
    run_ = 0;
    return std::nullopt;
  }
  const auto row = static_cast<int>(run_ % kRows);
  longest_run_ = std::max(longest_run_, ++run_);
  if (row == kRows - 1) ++sprites_;
  return row;
}

}  // namespace gridcode
