#include "format/grid_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "storage/file_io.h"
#include "support/repeating_buffer.h"
#include "support/utf16_bytes.h"

namespace gridcode {
namespace {

Cells Filled(const std::string& text) {
  Cells cells;
  cells.fill(text);
  return cells;
}

Expected<Cells, GridFileError> Read(const std::string& bytes) {
  std::istringstream input(bytes);
  return ReadGridFile(input);
}

// The cells joined, which is what a load shows when all are one character.
std::string Joined(const Cells& cells) {
  std::string text;
  for (const std::string& cell : cells) text += cell;
  return text;
}

TEST(GridFileTest, StartUpGridIs142Bytes) {
  const std::string text = GridFileText(Filled("0"));
  EXPECT_EQ(text, std::string(140, '0') + "\r\n");
  const Expected<Cells, GridFileError> loaded = Read(text);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ((*loaded), Filled("0"));
}

TEST(GridFileTest, OneCharacterCellsRoundTrip) {
  const std::vector<std::string> alphabet = {
      "0", "1", "2", "3", "a", "Z", " ", "\t", "\"", "あ", "ß", "€", "😀", "\xEF\xBF\xBD", ";", "&"};
  Cells cells;
  for (int i = 0; i < kCellCount; ++i) cells[i] = alphabet[(i * 7 + 3) % alphabet.size()];
  cells[0] = "x";  // a first cell of space, tab or quote is read differently
  ASSERT_TRUE(CellsThatWillNotLoadBack(cells).empty());
  const Expected<Cells, GridFileError> loaded = Read(GridFileText(cells));
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ((*loaded), cells);
}

TEST(GridFileTest, ReadsTheFirstField) {
  struct Case {
    std::string bytes;
    std::string loaded;  // the loaded cells, joined
  };
  const std::string digits(140, '1');
  const std::vector<Case> cases = {
      {"0123", "0123"},               // short, no line end
      {digits + "2222\r\n", digits},  // past the 140th is ignored
      {"12,33", "12"},                // a comma ends the field
      {"  \t 12", "12"},              // leading spaces and tabs
      {"\r\n\r\n12\r\n33", "12"},     // empty lines first
      {"12\n33", "12"},
      {"12\r33", "12"},                // any line end
      {"\"1,2\"3", "1,2"},             // a quoted field keeps commas
      {"\"12\r\n34\",5", "12\r\n34"},  // and runs across line ends
      {"\"12\n34", "12\n34"},          // to the end of the file if unclosed
      {"\"\"", ""},                    // an empty quoted field
      {",123", ""},                    // an empty field
      {"1\"2", "1\"2"},                // a quote inside is a character
      {"\xE3\x81\x82\xE3\x81\x84", "\xE3\x81\x82\xE3\x81\x84"},  // あい in UTF-8
      // CP932 where the field is not UTF-8: あい, half-width ｱ, 表 whose second
      // byte is a backslash, and a field cut inside a character past the 140th.
      {"\x82\xA0\x82\xA2", "\xE3\x81\x82\xE3\x81\x84"},
      {"1\xB1\x95\x5C", "1\xEF\xBD\xB1\xE8\xA1\xA8"},
      {std::string(559, '0') + "\x82\xA0", std::string(140, '0')},
      // Where CP932 is not Shift-JIS, read alike by iconv and by Windows: ①, ⅰ,
      // ＼, ～, －, the first and last user-defined characters, and 黑.
      {"\x87\x40\xFA\x40\x81\x5F\x81\x60\x81\x7C\xF0\x40\xF9\xFC\xFC\x4B",
       "\xE2\x91\xA0\xE2\x85\xB0\xEF\xBC\xBC\xEF\xBD\x9E\xEF\xBC\x8D\xEE\x80\x80\xEE\x9D\x97"
       "\xE9\xBB\x91"},
      // Neither UTF-8 nor clean CP932: each bad byte is U+FFFD.
      {"\x82\xA0\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\x82\xA0\x82", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a character cut short
      {"\xA0", "\xEF\xBF\xBD"},                                  // a byte CP932 leaves unused
      {"\x82\x20", "\xEF\xBF\xBD "},                             // a lead byte, then no second byte
      {"\x85\x40", "\xEF\xBF\xBD@"},                             // pairs no character has
      {"\xFC\x4C", "\xEF\xBF\xBDL"},
      // UTF-16 with a byte order mark, either way round: a surrogate pair is
      // one character; half of one, or an odd last byte, is U+FFFD.
      {Utf16Bytes(u"\uFEFF0あ\U0001F600\r\n3", false), "0\xE3\x81\x82\xF0\x9F\x98\x80"},
      {Utf16Bytes(u"\uFEFF\r\n12,3", true), "12"},
      {Utf16Bytes(std::u16string{0xFEFF, '1', 0xD800, '2'}, false) + "3",
       std::string("1\xEF\xBF\xBD") + "2\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const Expected<Cells, GridFileError> loaded = Read(c.bytes);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(Joined((*loaded)), c.loaded);
  }
}

TEST(GridFileTest, NothingToReadAndUnmarkedUtf16AreFailures) {
  struct Case {
    std::string bytes;
    GridFileError error;
  };
  for (const Case& c :
       {Case{"", GridFileError::kNothingToRead}, Case{" ", GridFileError::kNothingToRead},
        Case{"\r\n", GridFileError::kNothingToRead},
        Case{" \t\r\n\n  ", GridFileError::kNothingToRead},
        Case{"\xFF\xFE", GridFileError::kUtf16WithNothingToRead},
        Case{"\xFE\xFF", GridFileError::kUtf16WithNothingToRead},
        Case{Utf16Bytes(u"\uFEFF \r\n", true), GridFileError::kUtf16WithNothingToRead},
        Case{Utf16Bytes(u"0123\r\n", false), GridFileError::kUtf16WithoutByteOrderMark},
        Case{Utf16Bytes(u"0123\r\n", true), GridFileError::kUtf16WithoutByteOrderMark}}) {
    const Expected<Cells, GridFileError> loaded = Read(c.bytes);
    ASSERT_FALSE(loaded.has_value()) << testing::PrintToString(c.bytes);
    EXPECT_EQ(loaded.error(), c.error);
  }
}

TEST(GridFileTest, EmptyCellShiftsLaterCellsTowardsTheStart) {
  Cells cells = Filled("1");
  cells[10] = "";
  cells[139] = "3";
  const std::string text = GridFileText(cells);
  EXPECT_EQ(text.size(), 139u + 2);
  const Expected<Cells, GridFileError> loaded = Read(text);
  EXPECT_EQ((*loaded)[10], "1");
  EXPECT_EQ((*loaded)[138], "3");
  EXPECT_EQ((*loaded)[139], "");
}

TEST(GridFileTest, TwoCharacterCellSplitsAndDropsTheLastCharacter) {
  Cells cells = Filled("1");
  cells[5] = "23";
  cells[139] = "3";
  const Expected<Cells, GridFileError> loaded = Read(GridFileText(cells));
  EXPECT_EQ((*loaded)[5], "2");
  EXPECT_EQ((*loaded)[6], "3");
  EXPECT_EQ((*loaded)[7], "1");
  EXPECT_EQ((*loaded)[139], "1");  // the old last cell's "3" is dropped
}

TEST(GridFileTest, InvalidUtf8BytesLoadAsReplacementCharacters) {
  struct Case {
    std::string bytes;
    int replaced;  // how many leading cells load as U+FFFD
  };
  // Each field also holds a byte that CP932 does not use (0x80 or 0xFF), so it
  // is read as UTF-8.
  for (const Case& c :
       {Case{"\xFF", 1}, Case{"\xC0\xAF\xFF", 3}, Case{"\xE3\x81\xFF", 3},
        Case{"\xED\xA0\x80\xFF", 4}, Case{"\xF4\x90\x80\x80\xFF", 5}, Case{"\x80", 1}}) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const Expected<Cells, GridFileError> loaded = Read(c.bytes + "1");
    for (int i = 0; i < c.replaced; ++i) EXPECT_EQ((*loaded)[i], "\xEF\xBF\xBD") << i;
    EXPECT_EQ((*loaded)[c.replaced], "1");
  }
}

TEST(GridFileTest, ReadingStopsAfterTheCellsAreFull) {
  RepeatingBuffer buffer("2", std::size_t{1} << 40);  // a terabyte, never made
  std::istream input(&buffer);
  const Expected<Cells, GridFileError> loaded = ReadGridFile(input);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ((*loaded), Filled("2"));
  EXPECT_LE(buffer.taken(), 8192u);
}

TEST(GridFileTest, NamesTheCellsThatWillNotLoadBack) {
  struct Case {
    int index;
    std::string text;
    bool will_not_load_back;
  };
  const std::vector<Case> cases = {
      {3, "", true},
      {3, "12", true},
      {3, ",", true},
      {3, "\r", true},
      {3, "\n", true},
      {0, " ", true},
      {0, "\t", true},
      {0, "\"", true},
      {3, " ", false},
      {3, "\"", false},
      {3, "あ", false},
      {0, "あい", true},
      {139, "", true},
      {3, "\xE3\x81", true},
      {0, "\xEF\xBB\xBF", true},
      {3, "\xEF\xBB\xBF", false},
  };
  for (const Case& c : cases) {
    Cells cells = Filled("0");
    cells[c.index] = c.text;
    const std::vector<int> expected =
        c.will_not_load_back ? std::vector<int>{c.index} : std::vector<int>{};
    EXPECT_EQ(CellsThatWillNotLoadBack(cells), expected) << c.index << " \"" << c.text << '"';
    if (!c.will_not_load_back) {
      EXPECT_EQ(*Read(GridFileText(cells)), cells);
    }
  }
}

}  // namespace
}  // namespace gridcode
