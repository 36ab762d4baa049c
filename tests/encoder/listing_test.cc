#include "encoder/listing.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "encoder/basic_program.h"
#include "encoder/data_lines.h"
#include "support/utf16_bytes.h"
#include "text/text_input.h"

namespace gridcode {
namespace {

RowCodes Filled(std::uint32_t code) {
  RowCodes codes;
  codes.fill(code);
  return codes;
}

// A character beyond ASCII as UTF-8, as CP932 (empty: none) and as a UTF-16 unit.
struct Wide {
  std::string utf8, cp932;
  char16_t unit;
};
const Wide kWide[] = {{"\xE8\xA1\xA8", "\x95\x5C", u'\u8868'},  // a CP932 trail byte of '\'
                      {"\xE3\x82\xBD", "\x83\x5C", u'\u30BD'},
                      {"\xE3\x81\x82", "\x82\xA0", u'\u3042'},
                      {"\xEF\xBD\xB1", "\xB1", u'\uFF71'},
                      {"\xC3\xA9", "", u'\u00E9'}};

enum class Saved { kUtf8, kUtf8WithMark, kCp932, kUtf16Le, kUtf16Be };

// A random listing, as pieces that are ASCII or indices of kWide, and the
// sprites it holds.
class RandomListing {
 public:
  RandomListing(std::mt19937& random, Saved saved) : random_(random), saved_(saved) {
    const bool numbered = Chance(3, 4);
    const std::string end = Chance(1, 2) ? "\r\n" : "\n";
    const bool quoted = Chance(1, 2), lower = Chance(1, 3);
    long number = 10;
    const auto line = [&] {
      if (numbered) Ascii(std::to_string(number) + " ");
      number += 10;
    };
    const int lines = 3 + static_cast<int>(random_() % 20);
    for (int i = 0; i < lines; ++i) {
      line();
      switch (random_() % 6) {
        case 0:
          Ascii("REM ");
          WideText();
          break;
        case 1:
          Ascii("PRINT \"");
          WideText();
          Ascii(":DATA 1BE4000\": GOTO 10 ' ");
          WideText();
          break;
        case 2:
          Ascii(R"(DATA 12,"HELLO",1BE40000,-3,")");
          WideText();
          Ascii("\"");
          break;
        case 3:
          Ascii("DATA 0000000,0000000,7");  // a run too short
          break;
        default: {
          sprites_.push_back({});
          for (std::uint32_t& code : sprites_.back()) code = random_() & 0xFFFFFFF;
          for (int row = 0; row < kRows; ++row) {
            if (row == 5) {
              Ascii(end);
              line();
              if (Chance(1, 3)) Ascii("X=1: ");
            }
            Ascii(row % 5 == 0 ? "DATA " : (Chance(1, 4) ? " , " : ","));
            std::string code = RowCodeText(sprites_.back()[row], lower && Chance(7, 8));
            Ascii(quoted ? '"' + code + '"' : code);
          }
          if (Chance(1, 4)) Ascii(": PRINT");
        }
      }
      if (i + 1 < lines || Chance(1, 2)) Ascii(end);
    }
  }

  std::string Bytes() const {
    std::string bytes;
    std::u16string units;
    for (const auto& [ascii, wide] : pieces_) {
      if (wide < 0) {
        bytes += ascii;
        units.append(ascii.begin(), ascii.end());
      } else {
        bytes += saved_ == Saved::kCp932 ? kWide[wide].cp932 : kWide[wide].utf8;
        units += kWide[wide].unit;
      }
    }
    switch (saved_) {
      case Saved::kUtf8WithMark:
        return "\xEF\xBB\xBF" + bytes;
      case Saved::kUtf16Le:
      case Saved::kUtf16Be:
        return Utf16Bytes(u"\uFEFF" + units, saved_ == Saved::kUtf16Be);
      default:
        return bytes;
    }
  }

  const std::vector<RowCodes>& sprites() const { return sprites_; }

  static std::string RowCodeText(std::uint32_t code, bool lower) {
    std::ostringstream text;
    text << std::hex << (lower ? std::nouppercase : std::uppercase);
    text.width(7);
    text.fill('0');
    text << code;
    return text.str();
  }

 private:
  bool Chance(unsigned in, unsigned of) { return random_() % of < in; }
  void Ascii(const std::string& text) { pieces_.emplace_back(text, -1); }
  void WideText() {
    for (int i = static_cast<int>(random_() % 4); i > 0; --i) {
      int wide = static_cast<int>(random_() % std::size(kWide));
      if (saved_ == Saved::kCp932 && kWide[wide].cp932.empty()) wide = 0;
      pieces_.emplace_back("", wide);
      Ascii("a");
    }
  }

  std::mt19937& random_;
  Saved saved_;
  std::vector<std::pair<std::string, int>> pieces_;
  std::vector<RowCodes> sprites_;
};

// Random listings in every encoding: the sprites are read, also by the
// streaming decode; the unchanged bank gives the same bytes; changed sprites
// change only their own row codes, in place, and the result reads back as the bank.
TEST(ListingTest, RandomListingsReadRewriteAndReadBack) {
  std::mt19937 random(20261207);
  for (int trial = 0; trial < 400; ++trial) {
    const auto saved = static_cast<Saved>(trial % 5);
    const RandomListing made(random, saved);
    const std::string bytes = made.Bytes();
    SCOPED_TRACE(testing::PrintToString(bytes));
    const Expected<Listing, DecodeError> listing = ReadListing(bytes);
    ASSERT_TRUE(listing.has_value());
    ASSERT_EQ(listing->sprites.size(), made.sprites().size());
    for (std::size_t k = 0; k < made.sprites().size(); ++k) {
      ASSERT_EQ(listing->sprites[k].codes, made.sprites()[k]) << k;
    }
    if (!made.sprites().empty()) {
      const std::size_t k = random() % made.sprites().size();
      std::istringstream input(bytes);
      TextInput text(input);
      const Expected<Cells, DecodeError> decoded =
          DecodeDataStatements(text.stream(), static_cast<int>(k + 1));
      ASSERT_TRUE(decoded.has_value());
      EXPECT_EQ(*decoded, SpriteCells(*listing, k));
    }
    std::vector<ListingEntry> bank = ListingBank(*listing);
    const Expected<std::string, ListingSaveError> same = RewriteListing(*listing, bank);
    ASSERT_TRUE(same.has_value());
    ASSERT_EQ(*same, bytes);

    // Some rows of some sprites changed; only their digits may differ.
    std::vector<bool> may_differ(bytes.size(), false);
    const bool utf16 = saved == Saved::kUtf16Le || saved == Saved::kUtf16Be;
    for (std::size_t k = 0; k < bank.size(); ++k) {
      if (random() % 2 == 0) continue;
      RowCodes codes = listing->sprites[k].codes;
      for (int row = 0; row < kRows; ++row) {
        if (random() % 2 == 0) continue;
        codes[row] = random() & 0xFFFFFFF;
        const std::size_t offset = listing->sprites[k].places[row].offset;
        for (std::size_t i = 0; i < kRowCodeDigits * (utf16 ? 2 : 1); ++i) {
          may_differ[utf16 ? 2 + 2 * offset + i : offset + i] = true;
        }
      }
      bank[k].cells = CellsOfRowCodes(codes);
    }
    const Expected<std::string, ListingSaveError> changed = RewriteListing(*listing, bank);
    ASSERT_TRUE(changed.has_value());
    ASSERT_EQ(changed->size(), bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      ASSERT_TRUE((*changed)[i] == bytes[i] || may_differ[i]) << i;
    }
    const Expected<Listing, DecodeError> back = ReadListing(*changed);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->sprites.size(), bank.size());
    for (std::size_t k = 0; k < bank.size(); ++k) {
      EXPECT_EQ(SpriteCells(*back, k), bank[k].cells);
      for (int row = 0; row < kRows; ++row) {  // a code keeps its letter case
        const RowCodePlace &was = listing->sprites[k].places[row],
                           &is = back->sprites[k].places[row];
        if (was.has_letters && is.has_letters) {
          EXPECT_EQ(was.lower_case, is.lower_case);
        }
      }
    }
  }
}

// Adding, deleting and moving sprites, and what must be asked or refused.
TEST(ListingTest, AddDeleteMoveAskAndRefuse) {
  const std::string a = "AAAAAAA,AAAAAAA,AAAAAAA,AAAAAAA,AAAAAAA";
  const std::string b = "5555555,5555555,5555555,5555555,5555555";
  const std::string f = "FFFFFFF,FFFFFFF,FFFFFFF,FFFFFFF,FFFFFFF";
  const std::string game = "10 REM GAME\n20 RESTORE 100\n30 DATA 1,2,3\n100 DATA " + a +
                           "\n110 DATA " + a + "\n120 PRINT \"X\": GOTO 20\n130 DATA " + b +
                           "\n140 DATA " + b + "\n";
  const auto game_with = [&](const std::string& first, const std::string& second) {
    return "10 REM GAME\n20 RESTORE 100\n30 DATA 1,2,3\n" + first + "120 PRINT \"X\": GOTO 20\n" +
           second;
  };
  const std::string as = "100 DATA " + a + "\n110 DATA " + a + "\n";
  const std::string bs = "130 DATA " + b + "\n140 DATA " + b + "\n";
  const std::string program = *BasicProgram(
      {CellsOfRowCodes(Filled(0xAAAAAAA)), CellsOfRowCodes(Filled(0x5555555))}, LineNumbering{});
  std::string program_with_one = program;
  program_with_one.replace(program_with_one.find("LET N=2"), 7, "LET N=1");
  program_with_one.erase(program_with_one.find("200 DATA"));
  using Kind = ListingSaveError::Kind;
  constexpr std::uint32_t kUnusual = 1;  // a sprite with a cell of "x"
  struct Entry {
    std::optional<std::size_t> origin;
    std::optional<std::uint32_t> code;  // every row's, or the origin's codes
  };
  struct Case {
    std::string name, listing;
    std::vector<Entry> bank;
    ListingConsent consent;
    std::string expected;            // the listing written, or
    std::optional<Kind> error = {};  // the error
    long label = 0;
  };
  const std::vector<Case> cases = {
      {"move",
       game,
       {{1, {}}, {0, {}}},
       {},
       game_with("100 DATA " + b + "\n110 DATA " + b + "\n",
                 "130 DATA " + a + "\n140 DATA " + a + "\n")},
      {"delete the last", game, {{0, {}}}, {}, game_with(as, "")},
      {"delete a named line", game, {{1, {}}}, {}, "", Kind::kNamedLineLeftEmpty, 100},
      {"delete a named line, agreed",
       game,
       {{1, {}}},
       {.drop_named_lines = true},
       game_with("", bs)},
      {"append",
       game,
       {{0, {}}, {1, {}}, {{}, 0xFFFFFFF}},
       {},
       game + "150 DATA " + f + "\n160 DATA " + f + "\n"},
      {"insert without room",
       game,
       {{0, {}}, {{}, 0xFFFFFFF}, {1, {}}},
       {},
       "",
       Kind::kNoRoomForLines,
       110},
      {"insert, renumbered",
       game,
       {{0, {}}, {{}, 0xFFFFFFF}, {1, {}}},
       {.renumber = true},
       game_with(as + "114 DATA " + f + "\n118 DATA " + f + "\n", bs)},
      {"insert first",
       game,
       {{{}, 0xFFFFFFF}, {0, {}}, {1, {}}},
       {},
       game_with("80 DATA " + f + "\n90 DATA " + f + "\n" + as, bs)},
      {"change and swap",
       game,
       {{1, 0xAAAAAAA}, {0, 0x555555F}},
       {},
       game_with(as,
                 "130 DATA 555555F,555555F,555555F,555555F,555555F\n140 DATA "
                 "555555F,555555F,555555F,555555F,555555F\n")},
      {"no numbers left",
       "10 DATA " + a + "\n11 DATA " + a + "\n12 PRINT\n",
       {{0, {}}, {{}, 0xFFFFFFF}},
       {.renumber = true},
       "",
       Kind::kNoLineNumbersLeft,
       11},
      {"items among others",
       "10 DATA 7," + a + "," + a + ",8: PRINT 1\n20 X=1: DATA " + b + ": DATA " + b + " ' B\n",
       {},
       {},
       "10 DATA 7,8: PRINT 1\n20 X=1 ' B\n"},
      {"a statement among others",
       "10 PRINT: DATA " + a + "," + a + ":PRINT 2\n",
       {},
       {},
       "10 PRINT: PRINT 2\n"},
      {"unnumbered, quoted, small letters, CR LF",
       "data \"aaaaaaa\", \"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\"\r\n"
       "data \"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\"",
       {{0, {}}, {{}, 0xFFFFFFF}},
       {},
       "data \"aaaaaaa\", \"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\"\r\n"
       "data \"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\",\"aaaaaaa\"\r\n"
       "data \"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\"\r\n"
       "data \"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\""},
      {"a program keeps its count", program, {{0, {}}}, {}, program_with_one},
      {"a run that would join the new sprite",
       "10 DATA " + a + "," + a + ",5555555\n",
       {{0, {}}, {{}, 0xFFFFFFF}},
       {},
       "",
       Kind::kReadsBackOtherwise},
      {"a cell that is not a digit", game, {{0, {}}, {{}, kUnusual}}, {}, "", Kind::kUnusualCell},
      {"an origin twice", game, {{0, {}}, {0, {}}}, {}, "", Kind::kBadOrigin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Expected<Listing, DecodeError> listing = ReadListing(c.listing);
    ASSERT_TRUE(listing.has_value());
    std::vector<ListingEntry> bank;
    for (const Entry& entry : c.bank) {
      Cells cells =
          entry.code ? CellsOfRowCodes(Filled(*entry.code)) : SpriteCells(*listing, *entry.origin);
      if (entry.code == kUnusual) cells[5] = "x";
      bank.push_back({cells, entry.origin});
    }
    const Expected<std::string, ListingSaveError> written =
        RewriteListing(*listing, bank, c.consent);
    if (!c.error) {
      ASSERT_TRUE(written.has_value()) << static_cast<int>(written.error().kind);
      EXPECT_EQ(*written, c.expected);
      continue;
    }
    ASSERT_FALSE(written.has_value()) << *written;
    EXPECT_EQ(written.error().kind, *c.error);
    EXPECT_EQ(written.error().needs_consent(),
              c.error == Kind::kNamedLineLeftEmpty || c.error == Kind::kNoRoomForLines);
    if (c.label != 0) {
      EXPECT_EQ(written.error().label, c.label);
    }
  }
}

}  // namespace
}  // namespace gridcode
