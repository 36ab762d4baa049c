#include "encoder/listing_grammar.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "encoder/data_lines.h"
#include "text/hex_digits.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// Returns where the blanks before `end`, back to `begin`, start.
std::size_t TrimmedEnd(std::string_view text, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(text[end - 1])) --end;
  return end;
}

// Eight bytes at a time: a word of a text's bytes, the first in memory in
// its highest bits, and the high bit of each of its bytes that equals a byte.
using Word = std::uint64_t;
constexpr Word kEachByte = 0x0101010101010101U;
constexpr Word kLowBits = 0x7F7F7F7F7F7F7F7FU;
constexpr Word kHighBits = 0x8080808080808080U;

Word WordAt(const char* bytes) {
  Word word = 0;
  std::memcpy(&word, bytes, sizeof word);
  if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  return word;
}

// The high bit of each byte of `word` that is `c`; exact for every byte, as
// no carry crosses from one byte to another.
Word BytesEqualTo(Word word, char c) {
  const Word x = word ^ (kEachByte * static_cast<unsigned char>(c));
  return ~(((x & kLowBits) + kLowBits) | x | kLowBits);
}

// Returns the first place at or after `i` where `text` holds a comma, a
// colon, an apostrophe or a quote, or its end.
std::size_t ItemStop(std::string_view text, std::size_t i) {
  for (; i + sizeof(Word) <= text.size(); i += sizeof(Word)) {
    const Word word = WordAt(text.data() + i);
    const Word stops = BytesEqualTo(word, ',') | BytesEqualTo(word, ':') |
                       BytesEqualTo(word, '\'') | BytesEqualTo(word, '"');
    if (stops != 0) return i + static_cast<std::size_t>(std::countl_zero(stops)) / 8;
  }
  while (i < text.size() && text[i] != ',' && text[i] != ':' && text[i] != '\'' && text[i] != '"')
    ++i;
  return i;
}

// Reads the kRowCodeDigits bytes at `bytes` as a row code, if they are one.
inline std::optional<RowCode> RowCodeAt(const char* bytes) {
  // The seven digits, the first in the highest byte, and a digit 0 below them.
  Word word = 0;
  std::memcpy(&word, bytes, kRowCodeDigits);
  if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  word |= '0';
  if ((word & kHighBits) != 0) return std::nullopt;
  // Bytes below 0x80 plus at most 0x80 carry into no other byte.
  const auto in_range = [](Word x, unsigned char low, unsigned char high) {
    return (x + kEachByte * (0x80U - low)) & ~(x + kEachByte * (0x7FU - high)) & kHighBits;
  };
  const Word digits = in_range(word, '0', '9');
  const Word letters = in_range(word | kEachByte * 0x20U, 'a', 'f');  // either letter case
  if ((digits | letters) != kHighBits) return std::nullopt;
  // Each byte's value, then the eight four-bit values side by side.
  Word values = (word & kEachByte * 0x0FU) + (letters >> 7) * 9;
  values = (values | values >> 4) & 0x00FF00FF00FF00FFU;
  values = (values | values >> 8) & 0x0000FFFF0000FFFFU;
  values = (values | values >> 16) & 0xFFFFFFFFU;
  RowCode code{.value = static_cast<std::uint32_t>(values >> 4), .has_letters = letters != 0};
  if (code.has_letters) {
    const int first = std::countl_zero(letters) / 8;  // the first letter's place
    code.lower_case = (word >> (8 * (sizeof(Word) - 1 - first)) & 0x20U) != 0;
  }
  return code;
}

// Returns the first place at or after `i` where `text` holds a CR or an LF,
// or its end.
std::size_t LineEndFrom(std::string_view text, std::size_t i) {
#if defined(__SSE2__)
  const __m128i returns = _mm_set1_epi8('\r'), feeds = _mm_set1_epi8('\n');
  for (; i + sizeof(__m128i) <= text.size(); i += sizeof(__m128i)) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    const auto ends = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, returns), _mm_cmpeq_epi8(bytes, feeds))));
    if (ends != 0) return i + static_cast<std::size_t>(std::countr_zero(ends));
  }
#else
  for (; i + sizeof(Word) <= text.size(); i += sizeof(Word)) {
    const Word word = WordAt(text.data() + i);
    const Word ends = BytesEqualTo(word, '\r') | BytesEqualTo(word, '\n');
    if (ends != 0) return i + static_cast<std::size_t>(std::countl_zero(ends)) / 8;
  }
#endif
  while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
  return i;
}

// Returns where the string that starts with the quote at `i` ends: after its
// closing quote, or at the end of the line.
std::size_t StringEnd(std::string_view text, std::size_t i) {
  const std::size_t closing = text.find('"', i + 1);
  return closing == std::string_view::npos ? text.size() : closing + 1;
}

// Returns the end of the DATA item that goes on at `i`: the first colon,
// apostrophe or comma outside a string, or the end of the line.
std::size_t ItemEnd(std::string_view text, std::size_t i) {
  while ((i = ItemStop(text, i)) < text.size() && text[i] == '"') i = StringEnd(text, i);
  return i;
}

// Returns the text of the DATA item [begin, end) of the line `text` as
// written: a quoted item is the text between its quotes, the first quote
// after its opening one being at `closing` (npos: none, the string runs to the
// line's end).
std::string_view ItemText(std::string_view text, std::size_t begin, std::size_t end,
                          std::size_t closing) {
  if (begin == end || text[begin] != '"') return text.substr(begin, end - begin);
  if (closing == std::string_view::npos) return text.substr(begin + 1, end - begin - 1);
  if (closing == end - 1) return text.substr(begin + 1, closing - begin - 1);
  // Something after the string: not one item BASIC would read.
  return text.substr(begin, end - begin);
}

// Reads into `item` the DATA item that starts at `begin`, after its blanks;
// returns where it ends: at a comma, colon or apostrophe outside strings, or
// at the line's end.
std::size_t ReadItem(std::string_view text, std::size_t begin, ScannedItem& item) {
  item.begin = begin;
  item.quoted = begin < text.size() && text[begin] == '"';
  // Most items are a row code alone, bare or quoted, before a comma or the
  // line's end, which the general reading below would find as well.
  const std::size_t digits = begin + (item.quoted ? 1 : 0);
  const std::size_t after = digits + kRowCodeDigits + (item.quoted ? 1 : 0);
  if (after <= text.size() && (after == text.size() || text[after] == ',') &&
      (!item.quoted || text[after - 1] == '"')) {
    item.code = RowCodeAt(text.data() + digits);
    if (item.code) {
      item.end = after;
      item.text = {text.data() + digits, kRowCodeDigits};
      return after;
    }
  }
  std::size_t i = begin;
  std::size_t closing = std::string_view::npos;  // of the string the item starts with
  if (item.quoted) {
    closing = text.find('"', i + 1);
    i = closing == std::string_view::npos ? text.size() : closing + 1;
  }
  i = ItemEnd(text, i);
  item.end = TrimmedEnd(text, begin, i);
  item.text = ItemText(text, begin, item.end, closing);
  item.code = ReadRowCode(item.text);
  return i;
}

// Returns the line number of more digits than kShortNumberDigits; one too
// large for a long is the largest long, which no listing reaches.
long LongLineNumberOf(std::string_view digits) {
  long number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() ? number : std::numeric_limits<long>::max();
}

// The most digits whose number any long holds.
constexpr std::size_t kShortNumberDigits = 9;

// Returns the line number of the digits `digits`.
inline long LineNumberOf(std::string_view digits) {
  if (digits.size() > kShortNumberDigits) return LongLineNumberOf(digits);
  long number = 0;
  for (const char c : digits) number = number * 10 + (c - '0');
  return number;
}

// Whether `text` starts with `keyword`, whose letters are capitals, in any
// letter case. Only ASCII letters fold, whatever the locale: clearing bit 5
// of a byte gives a capital only from that capital or its small letter.
bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
  if (text.size() < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xDFU) != static_cast<unsigned char>(keyword[i]))
      return false;
  }
  return true;
}

// The bytes that end a statement other than DATA or REM, outside strings,
// start a string, or may start a keyword that names a line: those of GOTO,
// GOSUB, THEN, ELSE, RESTORE, RESUME and RUN, in either letter case.
constexpr std::array<bool, 256> kCodeStops = [] {
  std::array<bool, 256> stops{};
  for (const char c : {':', '\'', '"', 'G', 'T', 'E', 'R', 'g', 't', 'e', 'r'}) {
    stops[static_cast<unsigned char>(c)] = true;
  }
  return stops;
}();

// Returns the length of the keyword naming a line that `rest` starts with,
// or 0. None of them is the start of another.
std::size_t NamingKeywordAt(std::string_view rest) {
  const auto starts = [&](std::string_view keyword) {
    return StartsWithKeyword(rest, keyword) ? keyword.size() : 0;
  };
  switch (static_cast<unsigned char>(rest.front()) & 0xDFU) {
    case 'G':
      return std::max(starts("GOTO"), starts("GOSUB"));
    case 'T':
      return starts("THEN");
    case 'E':
      return starts("ELSE");
    case 'R':
      return std::max({starts("RESTORE"), starts("RESUME"), starts("RUN")});
    default:
      return 0;
  }
}

// Returns the end of the statement other than DATA or REM that starts at
// `i`: the first colon or apostrophe outside a string, or the end of the
// line; appends the line numbers it names, after a naming keyword anywhere
// outside its strings. The numbers and the blanks and commas between them
// never reach past the statement's end.
std::size_t CodeStatementEnd(std::string_view text, std::size_t i, std::vector<long>& named) {
  while (true) {
    while (i < text.size() && !kCodeStops[static_cast<unsigned char>(text[i])]) ++i;
    if (i == text.size() || text[i] == ':' || text[i] == '\'') return i;
    if (text[i] == '"') {
      i = StringEnd(text, i);
      continue;
    }
    const std::size_t keyword = NamingKeywordAt(text.substr(i));
    if (keyword == 0) {
      ++i;
      continue;
    }
    i += keyword;
    while (true) {
      i = SkipBlanks(text, i);
      const std::size_t digits = i;
      while (i < text.size() && IsDigit(text[i])) ++i;
      if (i == digits) break;
      named.push_back(LineNumberOf(text.substr(digits, i - digits)));
      i = SkipBlanks(text, i);
      if (i == text.size() || text[i] != ',') break;
      ++i;
    }
  }
}

}  // namespace

ListingLines::ListingLines(std::streambuf& input) : input_(&input) {
  const int first = input_->sgetc();
  carried_ = SkipByteOrderMark(*input_);
  taken_ = first == std::char_traits<char>::to_int_type(kByteOrderMark[0]) && carried_.empty()
               ? kByteOrderMark.size()
               : carried_.size();
}

ListingLines::ListingLines(std::string_view text) : text_(text) {
  if (text_.starts_with(kByteOrderMark)) taken_ = kByteOrderMark.size();
}

ListingLines::Result ListingLines::Next(std::string& line) {
  if (input_ != nullptr) return NextOfStream(line);
  std::string_view view;
  const Result result = NextOfText(view);
  line.assign(view);
  return result;
}

ListingLines::Result ListingLines::Next(std::string_view& line) {
  if (input_ == nullptr) return NextOfText(line);
  const Result result = NextOfStream(own_line_);
  line = own_line_;
  return result;
}

bool ListingLines::TakeEmptyLine() {
  if (empty_lines_ == 0) return false;
  --empty_lines_;
  ++number_;
  start_ = end_ = next_;
  ++next_;  // the lone CR that ends it
  return true;
}

ListingLines::Result ListingLines::NextOfStream(std::string& line) {
  line.clear();
  if (TakeEmptyLine()) return Result::kLine;
  start_ = taken_ - carried_.size();
  line.swap(carried_);
  int c = input_->sgetc();
  if (c == kEnd && line.empty()) return Result::kEnd;
  ++number_;
  while (c != kEnd && c != '\r' && c != '\n') {
    if (line.size() == kLongestListingLine) return Result::kTooLong;
    line.push_back(static_cast<char>(c));
    c = input_->snextc();
    ++taken_;
  }
  end_ = next_ = taken_;
  if (c == '\r') {
    // CRs and then LF end one line; each other CR ends a line of its own.
    std::int64_t more_returns = 0;
    ++taken_;
    while ((c = input_->snextc()) == '\r') {
      ++more_returns;
      ++taken_;
    }
    if (c == '\n') {
      input_->sbumpc();
      next_ = ++taken_;
    } else {
      next_ = end_ + 1;
      empty_lines_ = more_returns;
    }
  } else if (c == '\n') {
    input_->sbumpc();
    next_ = ++taken_;
  }
  return FirstLineIsUtf16(line) ? Result::kUtf16WithoutByteOrderMark : Result::kLine;
}

// The same lines as NextOfStream, found with a search for each kind of line
// end rather than byte by byte.
ListingLines::Result ListingLines::NextOfText(std::string_view& line) {
  line = {};
  if (TakeEmptyLine()) return Result::kLine;
  start_ = taken_;
  const std::size_t size = text_.size();
  if (taken_ == size) return Result::kEnd;
  ++number_;
  const std::size_t end = LineEndFrom(text_, start_);
  if (end - start_ > kLongestListingLine) return Result::kTooLong;
  line = text_.substr(start_, end - start_);
  end_ = next_ = taken_ = end;
  if (end < size && text_[end] == '\r') {
    // CRs and then LF end one line; each other CR ends a line of its own.
    std::size_t after = end + 1;
    while (after < size && text_[after] == '\r') ++after;
    if (after < size && text_[after] == '\n') {
      next_ = taken_ = after + 1;
    } else {
      next_ = end + 1;
      taken_ = after;
      empty_lines_ = static_cast<std::int64_t>(after - end - 1);
    }
  } else if (end < size) {
    next_ = taken_ = end + 1;
  }
  return FirstLineIsUtf16(line) ? Result::kUtf16WithoutByteOrderMark : Result::kLine;
}

bool ListingLines::FirstLineIsUtf16(std::string_view line) {
  if (first_line_seen_ || line.size() < 2) return false;
  first_line_seen_ = true;
  return IsUtf16WithoutByteOrderMark(line);
}

void ScanLine(std::string_view text, ScannedLine& line) {
  line.number.reset();
  line.statements.clear();
  line.items.clear();
  line.comment.reset();
  line.named.clear();
  const std::size_t size = text.size();
  std::size_t i = SkipBlanks(text, 0);
  line.number_begin = i;
  while (i < size && IsDigit(text[i])) ++i;
  line.number_end = i;
  if (i > line.number_begin)
    line.number = LineNumberOf(text.substr(line.number_begin, i - line.number_begin));
  while (i < size) {
    i = SkipBlanks(text, i);
    if (i == size) return;
    if (text[i] == '\'') {
      line.comment = i;
      return;
    }
    ScannedStatement statement{.begin = i};
    const std::string_view rest = text.substr(i);
    if (StartsWithKeyword(rest, "REM")) {
      statement.end = TrimmedEnd(text, i, size);
      line.statements.push_back(statement);
      return;
    }
    if (StartsWithKeyword(rest, kDataKeyword)) {
      i += kDataKeyword.size();
      statement.data = true;
      statement.keyword_end = i;
      statement.first_item = line.items.size();
      while (true) {
        i = SkipBlanks(text, i);
        i = ReadItem(text, i, line.items.emplace_back());
        if (i == size || text[i] != ',') break;
        ++i;  // the comma
      }
      statement.item_count = line.items.size() - statement.first_item;
    } else {
      i = CodeStatementEnd(text, i, line.named);
    }
    statement.end = TrimmedEnd(text, statement.begin, i);
    line.statements.push_back(statement);
    if (i < size && text[i] == '\'') {
      line.comment = i;
      return;
    }
    if (i < size) ++i;  // the colon
  }
}

std::optional<RowCode> ReadRowCode(std::string_view text) {
  if (text.size() != kRowCodeDigits) return std::nullopt;
  return RowCodeAt(text.data());
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

}  // namespace gridcode
