#include "storage/grid_file.h"

#include <cstdint>

namespace gridcode {
namespace {

constexpr int kMaxCharacterBytes = 4;
// Enough bytes for 140 characters of up to four bytes each; the field is not
// read past this.
constexpr std::size_t kFieldByteLimit = std::size_t{kCellCount} * kMaxCharacterBytes;
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }

// Returns the length of the valid UTF-8 sequence at the start of `text`, or 0
// if it does not start with one (RFC 3629: no overlong forms, no surrogates,
// nothing above U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint8_t second_low = 0x80, second_high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) second_low = 0xA0;   // overlong
    if (lead == 0xED) second_high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_low = 0x90;   // overlong
    if (lead == 0xF4) second_high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < second_low || byte(1) > second_high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string GridFileText(const Cells& cells) {
  std::string text;
  for (const std::string& cell : cells) text += cell;
  text += "\r\n";
  return text;
}

std::optional<std::string> ReadFirstField(std::istream& input) {
  std::streambuf& buffer = *input.rdbuf();
  constexpr int kEnd = std::char_traits<char>::eof();
  int c = buffer.sgetc();
  while (c == ' ' || c == '\t' || IsLineEnd(c)) c = buffer.snextc();
  if (c == kEnd) return std::nullopt;

  const bool quoted = c == '"';
  if (quoted) c = buffer.snextc();
  std::string field;
  while (c != kEnd && !IsLineEnd(c) && field.size() < kFieldByteLimit) {
    if (quoted ? c == '"' : c == ',') break;
    field.push_back(static_cast<char>(c));
    c = buffer.snextc();
  }
  return field;
}

Cells SplitCells(std::string_view field) {
  Cells cells;
  for (std::string& cell : cells) {
    if (field.empty()) break;
    const std::size_t length = Utf8SequenceLength(field);
    if (length == 0) {
      cell = kReplacementCharacter;
      field.remove_prefix(1);
    } else {
      cell = field.substr(0, length);
      field.remove_prefix(length);
    }
  }
  return cells;
}

LoadedCells ReadGridFile(std::istream& input) {
  const std::optional<std::string> field = ReadFirstField(input);
  if (!field) return {{}, FileError{FileError::Kind::kNothingToRead}};
  return {SplitCells(*field), std::nullopt};
}

std::vector<int> CellsThatWillNotLoadBack(const Cells& cells) {
  std::vector<int> indices;
  for (int i = 0; i < kCellCount; ++i) {
    const std::string_view cell = cells[i];
    const bool one_character = !cell.empty() && Utf8SequenceLength(cell) == cell.size();
    const bool ends_field = cell == "," || cell == "\r" || cell == "\n";
    const bool read_differently = i == 0 && (cell == " " || cell == "\t" || cell == "\"");
    if (!one_character || ends_field || read_differently) indices.push_back(i);
  }
  return indices;
}

}  // namespace gridcode
