#include "storage/grid_file.h"

#include <iconv.h>

#include <cerrno>

#include "text/utf8.h"

namespace gridcode {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }

// Returns whether the characters of `field` that reach a cell are valid UTF-8.
bool CellsAreValidUtf8(std::string_view field) {
  for (int i = 0; i < kCellCount && !field.empty(); ++i) {
    const std::size_t length = Utf8SequenceLength(field);
    if (length == 0) return false;
    field.remove_prefix(length);
  }
  return true;
}

// Returns `field` decoded from CP932 into UTF-8, or nullopt if it does not
// decode cleanly. A character cut off at the end of a field that was read up
// to `kFieldByteLimit` is dropped, since it lies past the 140th character.
std::optional<std::string> DecodeCp932(std::string_view field) {
  const iconv_t converter = ::iconv_open("UTF-8", "CP932");
  // iconv_open reports a failure as (iconv_t)-1.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Every CP932 character of one or two bytes becomes at most three bytes.
  std::string decoded(field.size() * 3, '\0');
  char* in = const_cast<char*>(field.data());
  std::size_t in_left = field.size();
  char* out = decoded.data();
  std::size_t out_left = decoded.size();
  const std::size_t result = ::iconv(converter, &in, &in_left, &out, &out_left);
  const bool clean = result != static_cast<std::size_t>(-1) ||
                     (errno == EINVAL && field.size() == kFieldByteLimit);
  ::iconv_close(converter);
  if (!clean) return std::nullopt;
  decoded.resize(decoded.size() - out_left);
  return decoded;
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
  // A byte order mark is skipped; bytes that only begin like one start the field.
  std::string field = SkipByteOrderMark(buffer);
  int c = buffer.sgetc();

  // A quoted field runs to the next quote, across line ends; any other field
  // ends at a comma or a line end.
  bool quoted = false;
  if (field.empty()) {
    while (c == ' ' || c == '\t' || IsLineEnd(c)) c = buffer.snextc();
    if (c == kEnd) return std::nullopt;
    quoted = c == '"';
    if (quoted) c = buffer.snextc();
  }
  while (c != kEnd && field.size() < kFieldByteLimit) {
    if (quoted ? c == '"' : c == ',' || IsLineEnd(c)) break;
    field.push_back(static_cast<char>(c));
    c = buffer.snextc();
  }
  return field;
}

Cells SplitCells(std::string_view field) {
  if (!CellsAreValidUtf8(field)) {
    if (const std::optional<std::string> decoded = DecodeCp932(field)) return SplitUtf8(*decoded);
  }
  return SplitUtf8(field);
}

Expected<Cells, GridFileError> ReadGridFile(std::istream& input) {
  const std::optional<std::string> field = ReadFirstField(input);
  if (!field) return Unexpected(GridFileError::kNothingToRead);
  return SplitCells(*field);
}

Expected<Cells, GridFileLoadError> LoadGridFile(const std::filesystem::path& path,
                                                Readable readable) {
  return ReadFile(path, readable, [](std::istream& input) -> Expected<Cells, GridFileLoadError> {
    return ReadGridFile(input);
  });
}

std::vector<int> CellsThatWillNotLoadBack(const Cells& cells) {
  std::vector<int> indices;
  for (int i = 0; i < kCellCount; ++i) {
    const std::string_view cell = cells[i];
    const bool one_character = !cell.empty() && Utf8SequenceLength(cell) == cell.size();
    const bool ends_field = cell == "," || cell == "\r" || cell == "\n";
    const bool read_differently =
        i == 0 && (cell == " " || cell == "\t" || cell == "\"" || cell == kByteOrderMark);
    if (!one_character || ends_field || read_differently) indices.push_back(i);
  }
  return indices;
}

}  // namespace gridcode
