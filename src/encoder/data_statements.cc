#include "encoder/data_statements.h"

#include <cctype>
#include <vector>

namespace gridcode {
namespace {

constexpr std::size_t kRowCodeDigits = kColumns / 2;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
  if (text.size() < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
  }
  return true;
}

struct Item {
  std::string_view text;
  TextPosition position;
};

// Appends the items of the DATA statements of one line (line number `line`).
// A statement ends at the line end or at a ":" that separates statements.
void CollectItems(std::string_view text, int line, std::vector<Item>& items) {
  std::size_t i = 0;
  const auto skip_blanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  skip_blanks();
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  while (i < text.size()) {
    skip_blanks();
    const bool is_data = StartsWithKeyword(text.substr(i), "DATA");
    if (is_data) {
      i += 4;
      while (true) {
        skip_blanks();
        const std::size_t begin = i;
        while (i < text.size() && text[i] != ',' && text[i] != ':') ++i;
        std::size_t end = i;
        while (end > begin && IsBlank(text[end - 1])) --end;
        items.push_back({text.substr(begin, end - begin), {line, static_cast<int>(begin) + 1}});
        if (i >= text.size() || text[i] == ':') break;
        ++i;  // the comma
      }
    } else {
      while (i < text.size() && text[i] != ':') ++i;
    }
    if (i < text.size()) ++i;  // the colon
  }
}

}  // namespace

DecodedGrid DecodeDataStatements(std::string_view text) {
  std::vector<Item> items;
  int line = 1;
  TextPosition end_position;
  while (!text.empty() && items.size() < kRows) {
    const std::size_t line_end = text.find('\n');
    std::string_view line_text = text.substr(0, line_end);
    if (!line_text.empty() && line_text.back() == '\r') line_text.remove_suffix(1);
    CollectItems(line_text, line, items);
    end_position = {line, static_cast<int>(line_text.size()) + 1};
    if (line_end == std::string_view::npos) break;
    text.remove_prefix(line_end + 1);
    ++line;
    end_position = {line, 1};
  }

  // A line may hold more items than the grid needs; those are not read.
  if (items.size() > kRows) items.resize(kRows);
  DecodedGrid decoded;
  for (std::size_t row = 0; row < items.size(); ++row) {
    const Item& item = items[row];
    bool valid = item.text.size() == kRowCodeDigits;
    for (std::size_t k = 0; valid && k < kRowCodeDigits; ++k) valid = HexValue(item.text[k]) >= 0;
    if (!valid) {
      decoded.error =
          DecodeError{DecodeError::Kind::kNotARowCode, item.position, std::string(item.text)};
      decoded.cells = {};
      return decoded;
    }
    for (std::size_t k = 0; k < kRowCodeDigits; ++k) {
      const int digit = HexValue(item.text[k]);
      const int left = CellIndex(static_cast<int>(row), static_cast<int>(2 * k));
      decoded.cells[left] = std::string(1, static_cast<char>('0' + digit / 4));
      decoded.cells[left + 1] = std::string(1, static_cast<char>('0' + digit % 4));
    }
  }
  if (items.size() < kRows) {
    decoded.error = DecodeError{
        DecodeError::Kind::kTooFewRowCodes, end_position, {}, static_cast<int>(items.size())};
    decoded.cells = {};
  }
  return decoded;
}

}  // namespace gridcode
