#include "format/grid_file.h"

#include <optional>

#include "text/text_encodings.h"
#include "text/text_input.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

// The reading rules of the first field, which both reading a file and
// telling which cells will not load back go by.
constexpr char kQuote = '"';
bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }
// What is skipped before the field.
bool IsSkippedBeforeField(int c) { return c == ' ' || c == '\t' || IsLineEnd(c); }
// What ends a field that does not start with a quote.
bool EndsField(int c) { return c == ',' || IsLineEnd(c); }

// Returns whether the characters of `field` that reach a cell are valid UTF-8.
bool CellsAreValidUtf8(std::string_view field) {
  for (int i = 0; i < kCellCount && !field.empty(); ++i) {
    const std::size_t length = Utf8SequenceLength(field);
    if (length == 0) return false;
    field.remove_prefix(length);
  }
  return true;
}

// CP932 as the grid file reads it: one byte 0x00-0x7F or 0xA1-0xDF, or a lead
// byte 0x81-0x9F or 0xE0-0xFC and the byte after it; the system's converter
// says which of those pairs are characters. Checked here, so that both
// converters see only bytes they read alike.
bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
bool IsCp932SingleByte(unsigned char c) { return c < 0x80 || (c >= 0xA1 && c <= 0xDF); }

// Returns `field` decoded from CP932 into UTF-8, or nullopt if it does not
// decode cleanly. A character cut off at the end of a field that was read up
// to `kFieldByteLimit` is dropped, since it lies past the 140th character.
std::optional<std::string> DecodeCp932(std::string_view field) {
  std::size_t end = 0;
  while (end < field.size()) {
    const auto c = static_cast<unsigned char>(field[end]);
    if (IsCp932LeadByte(c)) {
      end += 2;
    } else if (IsCp932SingleByte(c)) {
      end += 1;
    } else {
      return std::nullopt;
    }
  }
  if (end > field.size()) {  // the field ends with a lead byte
    if (field.size() != kFieldByteLimit) return std::nullopt;
    field.remove_suffix(1);
  }
  return DecodeToUtf8(field, TextEncoding::kCp932);
}

// Gives each cell one UTF-8 character of `text`; an invalid byte is one
// character that loads as U+FFFD.
Cells SplitUtf8(std::string_view text) {
  Cells cells;
  for (std::string& cell : cells) {
    if (text.empty()) break;
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0) {
      cell = kReplacementCharacter;
      text.remove_prefix(1);
    } else {
      cell = text.substr(0, length);
      text.remove_prefix(length);
    }
  }
  return cells;
}

// Returns the bytes of the first field of `input`, at most `kFieldByteLimit`
// of them, or nullopt if the input holds nothing but what is skipped before
// a field. Reads no further than that.
std::optional<std::string> ReadFirstField(std::istream& input) {
  std::streambuf& buffer = *input.rdbuf();
  constexpr int kEnd = std::char_traits<char>::eof();
  // A byte order mark is skipped; bytes that only begin like one start the field.
  std::string field = SkipByteOrderMark(buffer);
  int c = buffer.sgetc();

  // A quoted field runs to the next quote, across line ends; any other field
  // ends at a comma or a line end.
  bool quoted = false;
  if (field.empty()) {
    while (IsSkippedBeforeField(c)) c = buffer.snextc();
    if (c == kEnd) return std::nullopt;
    quoted = c == kQuote;
    if (quoted) c = buffer.snextc();
  }
  while (c != kEnd && field.size() < kFieldByteLimit) {
    if (quoted ? c == kQuote : EndsField(c)) break;
    field.push_back(static_cast<char>(c));
    c = buffer.snextc();
  }
  return field;
}

}  // namespace

std::string GridFileText(const Cells& cells) {
  std::string text;
  for (const std::string& cell : cells) text += cell;
  text += "\r\n";
  return text;
}

Cells SplitCells(std::string_view field) {
  if (!CellsAreValidUtf8(field)) {
    if (const std::optional<std::string> decoded = DecodeCp932(field)) return SplitUtf8(*decoded);
  }
  return SplitUtf8(field);
}

Expected<Cells, GridFileError> ReadGridFile(std::istream& input) {
  TextInput text(input);
  const std::optional<std::string> field = ReadFirstField(text.stream());
  if (!field) {
    return Unexpected(text.is_utf16() ? GridFileError::kUtf16WithNothingToRead
                                      : GridFileError::kNothingToRead);
  }
  if (IsUtf16WithoutByteOrderMark(*field)) {
    return Unexpected(GridFileError::kUtf16WithoutByteOrderMark);
  }
  return SplitCells(*field);
}

std::vector<int> CellsThatWillNotLoadBack(const Cells& cells) {
  std::vector<int> indices;
  for (int i = 0; i < kCellCount; ++i) {
    const std::string_view cell = cells[i];
    const bool one_character = !cell.empty() && Utf8SequenceLength(cell) == cell.size();
    const int c = one_character && cell.size() == 1 ? cell[0] : 0;
    // The first cell starts the field: what is skipped or opens a quote there,
    // and a byte order mark, is not read as a cell.
    const bool read_differently =
        EndsField(c) ||
        (i == 0 && (IsSkippedBeforeField(c) || c == kQuote || cell == kByteOrderMark));
    if (!one_character || read_differently) indices.push_back(i);
  }
  return indices;
}

}  // namespace gridcode
