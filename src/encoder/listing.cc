#include "encoder/listing.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "encoder/basic_program.h"
#include "encoder/data_lines.h"
#include "text/hex_digits.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

static_assert(kListingByteLimit <= std::numeric_limits<std::uint32_t>::max(),
              "the places of row codes hold offsets in 32 bits");

Unexpected<DecodeError> Failure(DecodeError error) { return Unexpected(error); }
Unexpected<ListingSaveError> Refusal(ListingSaveError error) { return Unexpected(error); }

TextPosition PositionOf(const Listing& listing, const RowCodePlace& place) {
  const ListingLine& line = listing.lines[place.line];
  return {line.number, static_cast<std::int64_t>(place.item_begin - line.start) + 1};
}

// The narrowed text of UTF-16 `bytes` after their byte order mark: a byte a
// unit, the unit itself where it is ASCII and 0x80 where it is not.
std::string Utf16Units(std::string_view bytes, bool big_endian) {
  std::string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    const unsigned unit = big_endian ? first << 8 | second : second << 8 | first;
    units.push_back(unit < 0x80 ? static_cast<char>(unit) : '\x80');
  }
  return units;
}

// Returns how the listing `bytes` stores its text, and for UTF-16 puts the
// text read into `units`.
ListingEncoding ReadEncoding(std::string_view bytes, std::string& units) {
  if (!bytes.starts_with(kUtf16LeByteOrderMark) && !bytes.starts_with(kUtf16BeByteOrderMark)) {
    return ListingEncoding::kBytes;
  }
  const bool big_endian = bytes.starts_with(kUtf16BeByteOrderMark);
  units = Utf16Units(bytes, big_endian);
  return big_endian ? ListingEncoding::kUtf16Be : ListingEncoding::kUtf16Le;
}

// The most sprites a text of `size` bytes or units can hold: each takes ten
// row codes of seven digits and a separator after each but the last, and the
// first a DATA keyword too.
std::size_t MostSpritesIn(std::size_t size) {
  return std::min(size / (kRows * (kRowCodeDigits + 1)) + 1, kListingSpriteLimit + 1);
}

// A step between line numbers, and how many times in a row it was taken.
struct StepRun {
  long step = 0;
  std::size_t count = 0;
};

// Counts `step`, one more between line numbers.
void AddStep(std::vector<StepRun>& runs, long step) {
  if (!runs.empty() && runs.back().step == step) {
    ++runs.back().count;
  } else {
    runs.push_back({step, 1});
  }
}

// The most usual step of `runs`, the smallest of those taken as often, or 10
// when there are none.
long MostUsual(std::vector<StepRun> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const StepRun& a, const StepRun& b) { return a.step < b.step; });
  long best = LineNumbering{}.step;
  std::size_t best_count = 0;
  for (std::size_t i = 0; i < runs.size();) {
    std::size_t count = 0, j = i;
    for (; j < runs.size() && runs[j].step == runs[i].step; ++j) count += runs[j].count;
    if (count > best_count) {
      best = runs[i].step;
      best_count = count;
    }
    i = j;
  }
  return best;
}

// Takes the style of new lines from the line that holds `place`, a row code
// of the listing's last sprite.
void TakeStyle(Listing& listing, const RowCodePlace& place) {
  const ListingLine& line = listing.lines[place.line];
  const std::string_view text = listing.text().substr(line.start, line.end - line.start);
  ScannedLine scanned;
  ScanLine(text, scanned);
  ListingStyle& style = listing.style;
  style.indent = text.substr(0, scanned.number_begin);
  const auto statement =
      std::find_if(scanned.statements.begin(), scanned.statements.end(), [&](const auto& s) {
        return s.data && s.begin <= place.item_begin - line.start &&
               place.item_begin - line.start <= s.end;
      });
  if (statement == scanned.statements.end()) return;
  if (scanned.number) {
    style.after_number =
        text.substr(scanned.number_end, scanned.statements[0].begin - scanned.number_end);
  }
  style.keyword = text.substr(statement->begin, kDataKeyword.size());
  const ScannedItem& first = scanned.items[statement->first_item];
  style.after_keyword = text.substr(statement->keyword_end, first.begin - statement->keyword_end);
  if (statement->item_count >= 2) {
    const ScannedItem& second = scanned.items[statement->first_item + 1];
    style.separator = text.substr(first.end, second.begin - first.end);
  }
  if (line.next > line.end) style.line_end = listing.text().substr(line.end, line.next - line.end);
  style.quoted = place.quoted;
}

}  // namespace

std::string_view Listing::text() const {
  return encoding == ListingEncoding::kBytes ? std::string_view(bytes) : std::string_view(units);
}

Expected<Listing, DecodeError> ReadListing(std::string bytes) {
  if (bytes.size() > kListingByteLimit) {
    return Failure({.kind = DecodeError::Kind::kListingTooLarge, .position = {1, 1}});
  }
  Listing listing;
  listing.bytes = std::move(bytes);
  listing.encoding = ReadEncoding(listing.bytes, listing.units);
  const std::string_view text = listing.text();
  // Room for as many sprites as the text can hold, of which only those read
  // are ever touched, and for the two lines a sprite usually takes.
  listing.sprites.reserve(MostSpritesIn(text.size()));
  listing.lines.reserve(2 * listing.sprites.capacity());
  ListingLines lines(text);
  ScannedLine scanned;
  SpriteRuns runs;
  ListingSprite pending;
  std::string_view line;
  std::optional<long> last_label;
  std::size_t without_label_after = 0;  // the first of listing.lines that waits for one
  std::vector<StepRun> steps;
  std::optional<std::string> first_line_end;
  std::optional<long> count;
  int lower_codes = 0, upper_codes = 0;
  while (true) {
    const ListingLines::Result result = lines.Next(line);
    if (result == ListingLines::Result::kEnd) break;
    if (result != ListingLines::Result::kLine) return Failure(RefusedLine(lines, result));
    if (!first_line_end && lines.ended_with_line_end()) {
      first_line_end = text.substr(lines.end(), lines.next() - lines.end());
    }
    listing.has_line_end_at_end = lines.ended_with_line_end();
    ScanLine(line, scanned);
    const std::optional<long> label_before = last_label;
    if (scanned.number) {
      if (last_label && *scanned.number > *last_label)
        AddStep(steps, *scanned.number - *last_label);
      for (; without_label_after < listing.lines.size(); ++without_label_after) {
        listing.lines[without_label_after].label_after = scanned.number;
      }
      last_label = scanned.number;
    }
    listing.last_label = scanned.number;
    for (const ScannedStatement& statement : scanned.statements) {
      const std::string_view said = line.substr(statement.begin, statement.end - statement.begin);
      if (lines.number() == 1 && &statement == &scanned.statements.front() &&
          said == kProgramTitle) {
        listing.program = true;
      }
      if (!count && said.starts_with(kSpriteCountStatement) &&
          said.size() > kSpriteCountStatement.size() &&
          said.size() <= kSpriteCountStatement.size() + 9 &&
          std::all_of(said.begin() + static_cast<std::ptrdiff_t>(kSpriteCountStatement.size()),
                      said.end(),
                      [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        const std::size_t digits = statement.begin + kSpriteCountStatement.size();
        count = std::stol(std::string(said.substr(kSpriteCountStatement.size())));
        listing.sprite_count_offset = lines.start() + digits;
        listing.sprite_count_length = statement.end - digits;
      }
    }
    for (const long named : scanned.named) listing.named.push_back({named, lines.number()});
    bool line_kept = false;
    for (const ScannedItem& item : scanned.items) {
      const std::optional<RowCode>& code = item.code;
      const std::optional<int> row = runs.Take(code.has_value());
      if (!row) continue;
      if (!line_kept) {
        listing.lines.push_back({.number = lines.number(),
                                 .start = lines.start(),
                                 .end = lines.end(),
                                 .next = lines.next(),
                                 .label = scanned.number,
                                 .label_before = label_before,
                                 .label_after = std::nullopt});
        line_kept = true;
      }
      RowCodePlace& place = pending.places[*row];
      place.item_begin = static_cast<std::uint32_t>(lines.start() + item.begin);
      place.quoted = item.quoted;
      place.offset = place.item_begin + (item.quoted ? 1 : 0);
      place.line = static_cast<std::uint32_t>(listing.lines.size() - 1);
      place.has_letters = code->has_letters;
      place.lower_case = code->lower_case;
      if (place.has_letters) ++(place.lower_case ? lower_codes : upper_codes);
      pending.codes[*row] = code->value;
      if (*row == kRows - 1) {
        if (listing.sprites.size() == kListingSpriteLimit) {
          return Failure({.kind = DecodeError::Kind::kTooManySprites,
                          .position = PositionOf(listing, pending.places[0]),
                          .sprite = static_cast<int>(kListingSpriteLimit + 1)});
        }
        listing.sprites.push_back(pending);
      }
    }
  }
  listing.step = MostUsual(std::move(steps));
  if (first_line_end) listing.style.line_end = *first_line_end;
  if (!listing.sprites.empty()) TakeStyle(listing, listing.sprites.back().places[kRows - 1]);
  listing.style.lower_case = lower_codes > upper_codes;
  if (!listing.program || count != static_cast<long>(listing.sprites.size())) {
    listing.sprite_count_offset.reset();
  }
  std::stable_sort(listing.named.begin(), listing.named.end(),
                   [](const NamedLine& a, const NamedLine& b) { return a.label < b.label; });
  listing.named.erase(
      std::unique(listing.named.begin(), listing.named.end(),
                  [](const NamedLine& a, const NamedLine& b) { return a.label == b.label; }),
      listing.named.end());
  return listing;
}

Cells SpriteCells(const Listing& listing, std::size_t sprite) {
  return CellsOfRowCodes(listing.sprites[sprite].codes);
}

std::vector<ListingEntry> ListingBank(const Listing& listing) {
  std::vector<ListingEntry> bank;
  bank.reserve(listing.sprites.size());
  for (std::size_t i = 0; i < listing.sprites.size(); ++i) {
    bank.push_back({SpriteCells(listing, i), i});
  }
  return bank;
}

namespace {

// A change of the listing's text: [begin, end) gives way to `text`.
struct Edit {
  std::size_t begin = 0, end = 0;
  std::string text;
};

// Returns the row codes of `cells`, or the index of the first cell that is
// not one digit 0 to 3.
Expected<RowCodes, int> TwoBitRowCodes(const Cells& cells) {
  RowCodes codes{};
  for (int cell = 0; cell < kCellCount; ++cell) {
    const std::optional<int> value = TwoBitValue(cells[cell]);
    if (!value) return Unexpected(cell);
    codes[RowOf(cell)] = codes[RowOf(cell)] << 2 | static_cast<std::uint32_t>(*value);
  }
  return codes;
}

std::string RowCodeText(std::uint32_t code, bool lower_case) {
  std::string text;
  for (std::size_t k = 0; k < kRowCodeDigits; ++k) {
    const char digit = HexDigit(code >> (4 * (kRowCodeDigits - 1 - k)));
    text += lower_case ? static_cast<char>(std::tolower(static_cast<unsigned char>(digit))) : digit;
  }
  return text;
}

// The letter case a changed row code of `sprite` at `row` is written in: its
// own, that of the sprite's other codes, or the listing's.
bool LowerCaseAt(const Listing& listing, const ListingSprite& sprite, int row) {
  if (sprite.places[row].has_letters) return sprite.places[row].lower_case;
  for (const RowCodePlace& place : sprite.places) {
    if (place.has_letters) return place.lower_case;
  }
  return listing.style.lower_case;
}

// Where the line end before `start`, the start of a line, begins.
std::size_t LineEndBefore(std::string_view text, std::size_t start) {
  if (start > 0 && text[start - 1] == '\n') {
    --start;
    while (start > 0 && text[start - 1] == '\r') --start;
  } else if (start > 0 && text[start - 1] == '\r') {
    --start;
  }
  return start;
}

// Adds the edits that take the items that start at `begins` (sorted) out of
// `line`, and statements and the line itself that are left with nothing.
std::optional<ListingSaveError> TakeOutItems(const Listing& listing, const ListingLine& line,
                                             const std::vector<std::size_t>& begins,
                                             ListingConsent consent, std::vector<Edit>& edits) {
  const std::string_view text = listing.text();
  const std::string_view own = text.substr(line.start, line.end - line.start);
  ScannedLine scanned;
  ScanLine(own, scanned);
  const auto& statements = scanned.statements;
  const auto& items = scanned.items;
  const auto goes = [&](std::size_t item) {
    return std::binary_search(begins.begin(), begins.end(), line.start + items[item].begin);
  };
  std::vector<bool> gone(statements.size(), false);
  bool left_empty = !scanned.comment;
  for (std::size_t s = 0; s < statements.size(); ++s) {
    const ScannedStatement& statement = statements[s];
    bool all = statement.data;
    for (std::size_t k = 0; all && k < statement.item_count; ++k) {
      all = goes(statement.first_item + k);
    }
    gone[s] = all;
    if (!all && statement.begin < statement.end) left_empty = false;
  }
  const auto erase = [&](std::size_t begin, std::size_t end) {
    edits.push_back({line.start + begin, line.start + end, {}});
  };
  if (left_empty) {
    if (line.label) {
      const auto named =
          std::lower_bound(listing.named.begin(), listing.named.end(), *line.label,
                           [](const NamedLine& a, long label) { return a.label < label; });
      if (named != listing.named.end() && named->label == *line.label &&
          !consent.drop_named_lines) {
        return ListingSaveError{.kind = ListingSaveError::Kind::kNamedLineLeftEmpty,
                                .position = {line.number, 1},
                                .label = *line.label,
                                .named_by = named->named_by};
      }
    }
    if (line.next > line.end) {
      edits.push_back({line.start, line.next, {}});
    } else {
      edits.push_back({LineEndBefore(text, line.start), line.end, {}});
    }
    return std::nullopt;
  }
  for (std::size_t a = 0; a < statements.size();) {
    if (!gone[a]) {
      ++a;
      continue;
    }
    std::size_t b = a;
    while (b + 1 < statements.size() && gone[b + 1]) ++b;
    if (b + 1 < statements.size()) {
      erase(statements[a].begin, statements[b + 1].begin);
    } else if (a > 0) {
      erase(statements[a - 1].end, statements[b].end);
    } else {
      erase(statements[a].begin, *scanned.comment);
    }
    a = b + 1;
  }
  for (std::size_t s = 0; s < statements.size(); ++s) {
    if (gone[s] || !statements[s].data) continue;
    const std::size_t first = statements[s].first_item;
    const std::size_t last = first + statements[s].item_count;  // past the statement's items
    for (std::size_t a = first; a < last;) {
      if (!goes(a)) {
        ++a;
        continue;
      }
      std::size_t b = a;
      while (b + 1 < last && goes(b + 1)) ++b;
      if (a > first) {
        erase(items[a - 1].end, items[b].end);
      } else {
        erase(items[a].begin, items[b + 1].begin);
      }
      a = b + 1;
    }
  }
  return std::nullopt;
}

// The DATA lines of `codes`, five row codes a line, each line after its
// number in `numbers` (none when empty), in the listing's style; each line
// ends with a line end, or, with `line_end_first`, each begins with one.
std::string NewLines(const Listing& listing, const std::vector<RowCodes>& codes,
                     const std::vector<long>& numbers, bool line_end_first) {
  const ListingStyle& style = listing.style;
  std::string text;
  std::size_t line = 0;
  for (const RowCodes& sprite : codes) {
    for (int part = 0; part < kDataLineCount; ++part, ++line) {
      if (line_end_first) text += style.line_end;
      text += style.indent;
      if (!numbers.empty()) text += std::to_string(numbers[line]) + style.after_number;
      text += style.keyword + style.after_keyword;
      for (int row = part * kRowsPerDataLine; row < (part + 1) * kRowsPerDataLine; ++row) {
        if (row > part * kRowsPerDataLine) text += style.separator;
        const std::string code = RowCodeText(sprite[row], style.lower_case);
        text += style.quoted ? '"' + code + '"' : code;
      }
      if (!line_end_first) text += style.line_end;
    }
  }
  return text;
}

// Returns the numbers of `count` new lines strictly between `low` and
// `high`, next to `low` (`after`) or to `high`, by the listing's step or with
// consent by the largest smaller one that fits.
Expected<std::vector<long>, ListingSaveError> NewLineNumbers(const Listing& listing, long low,
                                                             long high, bool after, long long count,
                                                             ListingConsent consent,
                                                             ListingSaveError where) {
  long step = listing.step;
  if (static_cast<long long>(low) + step * count >= high) {
    where.count = count;
    where.step = step;
    if (!consent.renumber) return Refusal(where);
    step = static_cast<long>((static_cast<long long>(high) - 1 - low) / count);
    if (step < 1) {
      where.kind = ListingSaveError::Kind::kNoLineNumbersLeft;
      return Refusal(where);
    }
  }
  std::vector<long> numbers;
  for (long long k = 1; k <= count; ++k) {
    numbers.push_back(static_cast<long>(after ? low + step * k : high - step * (count + 1 - k)));
  }
  return numbers;
}

// Returns the bytes of `listing`'s text with `edits` made, in its own encoding.
std::string Apply(const Listing& listing, std::vector<Edit> edits) {
  std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
    return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
  });
  const std::string_view bytes = listing.bytes;
  const bool utf16 = listing.encoding != ListingEncoding::kBytes;
  const bool big_endian = listing.encoding == ListingEncoding::kUtf16Be;
  std::string out;
  out.reserve(bytes.size() + 256);
  const auto copy = [&](std::size_t from, std::size_t to) {
    if (to > from)
      out.append(utf16 ? bytes.substr(2 + 2 * from, 2 * (to - from))
                       : bytes.substr(from, to - from));
  };
  const auto add = [&](std::string_view text) {
    if (!utf16) {
      out.append(text);
      return;
    }
    for (const char c : text) {
      out += big_endian ? std::string{'\0', c} : std::string{c, '\0'};
    }
  };
  if (utf16) out.append(bytes.substr(0, 2));
  std::size_t cursor = 0;
  for (const Edit& edit : edits) {
    const std::size_t begin = std::max(edit.begin, cursor);
    copy(cursor, begin);
    add(edit.text);
    cursor = std::max(cursor, std::max(begin, edit.end));
  }
  const std::string_view text = listing.text();
  copy(cursor, text.size());
  if (utf16) out.append(bytes.substr(2 + 2 * text.size()));  // an odd last byte
  return out;
}

// A bank to be written as row codes: each sprite's, and the listing sprite
// it came from. Either any bank, held whole, or the listing's own with one
// sprite changed or added, read from the listing without a copy.
class BankCodes {
 public:
  BankCodes(std::vector<RowCodes> codes, std::vector<std::optional<std::size_t>> origins)
      : codes_(std::move(codes)), origins_(std::move(origins)) {}

  // The bank of `listing` with sprite `sprite` holding `own`, or with `own`
  // added when `sprite` is the listing's sprite count.
  BankCodes(const Listing& listing, std::size_t sprite, const RowCodes& own)
      : listing_(&listing), sprite_(sprite), own_(own) {}

  std::size_t size() const {
    if (listing_ == nullptr) return codes_.size();
    return listing_->sprites.size() + (sprite_ == listing_->sprites.size() ? 1 : 0);
  }
  const RowCodes& codes(std::size_t i) const {
    if (listing_ == nullptr) return codes_[i];
    return i == sprite_ ? own_ : listing_->sprites[i].codes;
  }
  std::optional<std::size_t> origin(std::size_t i) const {
    if (listing_ == nullptr) return origins_[i];
    return i < listing_->sprites.size() ? std::optional<std::size_t>(i) : std::nullopt;
  }

 private:
  std::vector<RowCodes> codes_;
  std::vector<std::optional<std::size_t>> origins_;
  const Listing* listing_ = nullptr;
  std::size_t sprite_ = 0;
  RowCodes own_{};
};

// Reads `bytes` back as ReadListing would and returns nullopt when it finds
// exactly the sprites of `bank`; else the first of them that it finds
// otherwise, or 0 where it refuses the bytes.
std::optional<std::size_t> SpriteReadBackOtherwise(std::string_view bytes, const BankCodes& bank) {
  if (bytes.size() > kListingByteLimit) return 0;
  std::string units;
  const std::string_view text =
      ReadEncoding(bytes, units) == ListingEncoding::kBytes ? bytes : std::string_view(units);
  ListingLines lines(text);
  ScannedLine scanned;
  SpriteRuns runs;
  RowCodes pending{};
  std::size_t found = 0, same = 0;  // sprites read, and those of them like `codes` from the first
  std::string_view line;
  while (true) {
    const ListingLines::Result result = lines.Next(line);
    if (result == ListingLines::Result::kEnd) break;
    if (result != ListingLines::Result::kLine) return 0;
    if (!MayHoldItems(line)) continue;
    ScanLine(line, scanned);
    for (const ScannedItem& item : scanned.items) {
      const std::optional<int> row = runs.Take(item.code.has_value());
      if (!row) continue;
      pending[*row] = item.code->value;
      if (*row < kRows - 1) continue;
      if (found == kListingSpriteLimit) return 0;
      if (same == found && found < bank.size() && pending == bank.codes(found)) ++same;
      ++found;
    }
  }
  if (same == bank.size() && found == bank.size()) return std::nullopt;
  return same;
}

// A row code written over in place: the line that holds it, where its digits
// start, and its new value and digits.
struct CodeOverwrite {
  std::size_t line = 0, offset = 0;
  std::uint32_t value = 0;
  std::string digits;
};

// Whether the listing of bytes `listing`, with the row codes of `overwrites`
// (in text order) written over, reads back as the listing with those codes
// holding their new values: each touched line must scan to the same
// statements and items, with the new values at the overwritten places. The
// other lines keep their bytes, so they read the same, and the runs of row
// codes, which only count items, stay as they were.
bool OverwritesReadBack(const Listing& listing, const std::vector<CodeOverwrite>& overwrites) {
  const std::string_view bytes = listing.bytes;
  ScannedLine before, after;
  std::string now;
  for (std::size_t i = 0; i < overwrites.size();) {
    const std::size_t index = overwrites[i].line;
    const ListingLine& line = listing.lines[index];
    const std::string_view was = bytes.substr(line.start, line.end - line.start);
    now.assign(was);
    std::size_t last = i;
    for (; last < overwrites.size() && overwrites[last].line == index; ++last) {
      const std::size_t at = overwrites[last].offset - line.start;
      if (at + kRowCodeDigits > now.size()) return false;
      now.replace(at, kRowCodeDigits, overwrites[last].digits);
    }
    if (!MayHoldItems(now)) return false;
    ScanLine(was, before);
    ScanLine(now, after);
    if (after.number != before.number || after.comment != before.comment ||
        after.named != before.named || after.statements != before.statements ||
        after.items.size() != before.items.size()) {
      return false;
    }
    for (std::size_t k = 0; k < before.items.size(); ++k) {
      const ScannedItem& a = before.items[k];
      const ScannedItem& b = after.items[k];
      if (a.begin != b.begin || a.end != b.end || a.quoted != b.quoted ||
          a.code.has_value() != b.code.has_value()) {
        return false;
      }
    }
    // The new values stand where they were written.
    for (; i < last; ++i) {
      const std::size_t at = overwrites[i].offset - line.start;
      const auto item =
          std::find_if(after.items.begin(), after.items.end(),
                       [&](const ScannedItem& it) { return it.begin <= at && at < it.end; });
      if (item == after.items.end() || !item->code || item->code->value != overwrites[i].value) {
        return false;
      }
    }
  }
  return true;
}

// RewriteListing of `bank`, once its cells are known to make row codes. Where
// `own_bytes` is given, it holds the listing's bytes, which the result may
// take instead of a copy.
Expected<std::string, ListingSaveError> RewriteCodes(const Listing& listing, const BankCodes& bank,
                                                     ListingConsent consent,
                                                     std::string* own_bytes = nullptr) {
  using Kind = ListingSaveError::Kind;
  const std::size_t size = bank.size();
  const std::size_t count = listing.sprites.size();
  std::vector<bool> used(count, false);
  for (std::size_t i = 0; i < size; ++i) {
    const std::optional<std::size_t> origin = bank.origin(i);
    if (!origin) continue;
    if (*origin >= count || used[*origin]) return Refusal({.kind = Kind::kBadOrigin, .sprite = i});
    used[*origin] = true;
  }
  // The places still used, in listing order, take the sprites that have an
  // origin, in bank order.
  std::vector<std::size_t> places;
  for (std::size_t s = 0; s < count; ++s) {
    if (used[s]) places.push_back(s);
  }
  std::vector<std::optional<std::size_t>> place_of(size);
  for (std::size_t i = 0, k = 0; i < size; ++i) {
    if (bank.origin(i)) place_of[i] = places[k++];
  }
  std::vector<Edit> edits;
  std::vector<CodeOverwrite> overwrites;
  for (std::size_t i = 0; i < size; ++i) {
    if (!place_of[i]) continue;
    const ListingSprite& sprite = listing.sprites[*place_of[i]];
    const RowCodes& codes = bank.codes(i);
    if (codes == sprite.codes) continue;
    for (int row = 0; row < kRows; ++row) {
      if (codes[row] == sprite.codes[row]) continue;
      const std::size_t offset = sprite.places[row].offset;
      std::string digits = RowCodeText(codes[row], LowerCaseAt(listing, sprite, row));
      overwrites.push_back({sprite.places[row].line, offset, codes[row], digits});
      edits.push_back({offset, offset + kRowCodeDigits, std::move(digits)});
    }
  }
  // The row codes of places no longer used, by line.
  std::vector<std::pair<std::size_t, std::size_t>> taken_out;  // line, item begin
  for (std::size_t s = 0; s < count; ++s) {
    if (used[s]) continue;
    for (const RowCodePlace& place : listing.sprites[s].places) {
      taken_out.emplace_back(place.line, place.item_begin);
    }
  }
  std::sort(taken_out.begin(), taken_out.end());
  for (std::size_t a = 0; a < taken_out.size();) {
    std::size_t b = a;
    std::vector<std::size_t> begins;
    for (; b < taken_out.size() && taken_out[b].first == taken_out[a].first; ++b) {
      begins.push_back(taken_out[b].second);
    }
    if (std::optional<ListingSaveError> error =
            TakeOutItems(listing, listing.lines[taken_out[a].first], begins, consent, edits)) {
      return Refusal(*error);
    }
    a = b;
  }
  // New sprites, a run of them at a time.
  const long largest = listing.program ? kLargestProgramLineNumber : kLargestLineNumber;
  const std::string_view text = listing.text();
  for (std::size_t a = 0; a < size;) {
    if (place_of[a]) {
      ++a;
      continue;
    }
    std::size_t b = a;
    while (b < size && !place_of[b]) ++b;
    std::vector<RowCodes> added;
    for (std::size_t i = a; i < b; ++i) added.push_back(bank.codes(i));
    const long long lines = static_cast<long long>(added.size()) * kDataLineCount;
    std::vector<long> numbers;
    if (a > 0) {
      // After the line that holds the last row code of the sprite before them.
      const ListingLine& line =
          listing.lines[listing.sprites[*place_of[a - 1]].places[kRows - 1].line];
      if (line.label) {
        Expected<std::vector<long>, ListingSaveError> got = NewLineNumbers(
            listing, *line.label, line.label_after.value_or(largest + 1), true, lines, consent,
            {.kind = Kind::kNoRoomForLines,
             .position = {line.number, 1},
             .label = *line.label,
             .next_label = line.label_after});
        if (!got) return Refusal(got.error());
        numbers = std::move(*got);
      }
      const bool ends = line.next > line.end;
      edits.push_back({ends ? line.next : line.end, ends ? line.next : line.end,
                       NewLines(listing, added, numbers, !ends)});
    } else if (count > 0) {
      // Before the line that holds the first row code of the first place.
      const std::size_t first = places.empty() ? 0 : places.front();
      const ListingLine& line = listing.lines[listing.sprites[first].places[0].line];
      if (line.label) {
        Expected<std::vector<long>, ListingSaveError> got = NewLineNumbers(
            listing, line.label_before.value_or(-1), *line.label, false, lines, consent,
            {.kind = Kind::kNoRoomForLines,
             .position = {line.number, 1},
             .label = line.label_before.value_or(-1),
             .next_label = line.label});
        if (!got) return Refusal(got.error());
        numbers = std::move(*got);
      }
      edits.push_back({line.start, line.start, NewLines(listing, added, numbers, false)});
    } else {
      // A listing without sprites: at its end.
      if (listing.last_label) {
        Expected<std::vector<long>, ListingSaveError> got =
            NewLineNumbers(listing, *listing.last_label, largest + 1, true, lines, consent,
                           {.kind = Kind::kNoRoomForLines, .label = *listing.last_label});
        if (!got) return Refusal(got.error());
        numbers = std::move(*got);
      }
      const bool line_end_first = !text.empty() && !listing.has_line_end_at_end;
      edits.push_back(
          {text.size(), text.size(), NewLines(listing, added, numbers, line_end_first)});
    }
    a = b;
  }
  if (listing.sprite_count_offset && size != count) {
    const std::size_t offset = *listing.sprite_count_offset;
    edits.push_back({offset, offset + listing.sprite_count_length, std::to_string(size)});
  }
  // Never a listing that reads back as another bank. Where every sprite
  // keeps its place and only row codes are written over, the touched lines
  // are all that can read differently.
  std::sort(overwrites.begin(), overwrites.end(),
            [](const CodeOverwrite& a, const CodeOverwrite& b) { return a.offset < b.offset; });
  if (listing.encoding == ListingEncoding::kBytes && taken_out.empty() &&
      std::all_of(place_of.begin(), place_of.end(),
                  [](const auto& place) { return place.has_value(); }) &&
      OverwritesReadBack(listing, overwrites)) {
    std::string rewritten;
    if (own_bytes != nullptr) {
      rewritten = std::move(*own_bytes);
    } else {
      rewritten = listing.bytes;
    }
    for (const CodeOverwrite& overwrite : overwrites) {
      rewritten.replace(overwrite.offset, kRowCodeDigits, overwrite.digits);
    }
    return rewritten;
  }
  std::string rewritten = Apply(listing, std::move(edits));
  const std::optional<std::size_t> otherwise = SpriteReadBackOtherwise(rewritten, bank);
  if (!otherwise) return rewritten;
  const std::size_t differs = *otherwise;
  ListingSaveError error{.kind = Kind::kReadsBackOtherwise, .sprite = differs};
  if (differs < size && place_of[differs]) {
    error.position = PositionOf(listing, listing.sprites[*place_of[differs]].places[0]);
  }
  return Refusal(error);
}

}  // namespace

Expected<std::string, ListingSaveError> RewriteListing(const Listing& listing,
                                                       const std::vector<ListingEntry>& bank,
                                                       ListingConsent consent) {
  using Kind = ListingSaveError::Kind;
  if (bank.size() > kListingSpriteLimit) {
    return Refusal({.kind = Kind::kTooManySprites, .count = static_cast<long long>(bank.size())});
  }
  std::vector<RowCodes> codes;
  std::vector<std::optional<std::size_t>> origins;
  codes.reserve(bank.size());
  origins.reserve(bank.size());
  for (std::size_t i = 0; i < bank.size(); ++i) {
    Expected<RowCodes, int> sprite = TwoBitRowCodes(bank[i].cells);
    if (!sprite) return Refusal({.kind = Kind::kUnusualCell, .sprite = i, .cell = sprite.error()});
    codes.push_back(*sprite);
    origins.push_back(bank[i].origin);
  }
  return RewriteCodes(listing, BankCodes(std::move(codes), std::move(origins)), consent);
}

Expected<std::string, ListingSaveError> RewriteListingSprite(Listing listing, std::size_t sprite,
                                                             const Cells& cells,
                                                             ListingConsent consent) {
  using Kind = ListingSaveError::Kind;
  const std::size_t count = listing.sprites.size();
  if (sprite > count) return Refusal({.kind = Kind::kBadOrigin, .sprite = sprite});
  const std::size_t size = sprite == count ? count + 1 : count;
  if (size > kListingSpriteLimit) {
    return Refusal({.kind = Kind::kTooManySprites, .count = static_cast<long long>(size)});
  }
  const Expected<RowCodes, int> own = TwoBitRowCodes(cells);
  if (!own) return Refusal({.kind = Kind::kUnusualCell, .sprite = sprite, .cell = own.error()});
  return RewriteCodes(listing, BankCodes(listing, sprite, *own), consent, &listing.bytes);
}

}  // namespace gridcode
