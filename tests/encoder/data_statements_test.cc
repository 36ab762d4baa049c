#include "encoder/data_statements.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "format/grid_file.h"
#include "support/repeating_buffer.h"
#include "support/utf16_bytes.h"
#include "text/text_input.h"

namespace gridcode {
namespace {

std::string Joined(const Cells& cells) {
  std::string text;
  for (const std::string& cell : cells) text += cell;
  return text;
}

const std::string kZeroLine = "DATA 0000000,0000000,0000000,0000000,0000000";

TEST(DecodeDataStatementsTest, ReadsTheWindowsLines) {
  const Expected<Cells, DecodeError> decoded =
      DecodeDataStatements("DATA 1BE4000,FFFFFFF,0000000,0000000,0000000\r\n" + kZeroLine);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(Joined((*decoded)).substr(0, 28),
            "01233210000000"
            "33333333333333");
  EXPECT_EQ(Joined((*decoded)).substr(28), std::string(112, '0'));
}

TEST(DecodeDataStatementsTest, ReadsAListing) {
  const Expected<Cells, DecodeError> decoded = DecodeDataStatements(
      "10 REM DATA in a remark is not read\n"
      "20 PRINT \"HELLO\": data 00000a0 ,  0000000\n"
      "  30 DATA0000000,0000000:PRINT 1\n"
      "40\tDaTa 0000000,0000000,0000000,0000000,0000000,000000F\n"
      "50 DATA 1,2,3\n");
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(Joined((*decoded)).substr(0, 14), "00000000002200");
  EXPECT_EQ(Joined((*decoded)).substr(126), "00000000000033");
}

TEST(DecodeDataStatementsTest, ItemsPastTheTenthAreNotRead) {
  std::string line = "DATA 0000001";
  for (int i = 0; i < 11; ++i) line += ",FFFFFFF";
  line += ",not a code";
  const Expected<Cells, DecodeError> decoded = DecodeDataStatements(line);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(Joined((*decoded)).substr(0, 28),
            "00000000000001"
            "33333333333333");
  EXPECT_EQ((*decoded)[139], "3");
}

// Sprites are runs of ten row codes among other items: whatever is not a row
// code ends a run and is passed over, and a run's last few give no sprite.
TEST(DecodeDataStatementsTest, SpritesAmongOtherDataAndErrorsNameTheirPlace) {
  struct Case {
    std::string text;
    int sprite;
    std::optional<std::string> first_row;  // the cells of row 0, or the error below
    DecodeError::Kind kind = DecodeError::Kind::kTooFewRowCodes;
    TextPosition position = {};
    int count = 0;
  };
  using Kind = DecodeError::Kind;
  const std::string ten =
      "0000000,0000000,0000000,0000000,0000000,0000000,0000000,"
      "0000000,0000000,0000000";
  const std::string sprite =
      "DATA 1,2,3\nDATA 0000000,0000000,0000000,0000000,0000000\n"
      "DATA 0000000,0000000,0000000,0000000,0000000\n";
  const std::vector<Case> cases = {
      {"DATA 1,\"FFFFFFF\",2\nDATA FFFFFFF," + ten, 1, std::string(14, '3')},
      {"DATA 1BE4000,0000000,0000000:PRINT 7:DATA 0000000,1BE4000\nDATA " + ten, 1,
       "01233210000000"},
      {"DATA 1BE4000," + ten + ",FFFFFFF,\"fffffff\"\nDATA 0000000," + ten, 2,
       std::string(14, '0')},
      {"DATA 1BE4000," + ten + ",FFFFFFF,\"fffffff\"\nDATA 0000000," + ten,
       3,
       std::nullopt,
       Kind::kNoSuchSprite,
       {2, 93},
       2},
      {"DATA 000000G,0", 1, std::nullopt, Kind::kTooFewRowCodes, {1, 15}, 0},
      {"DATA 0000000,00000000", 1, std::nullopt, Kind::kTooFewRowCodes, {1, 22}, 1},
      {"DATA 0000000,,0000000", 1, std::nullopt, Kind::kTooFewRowCodes, {1, 22}, 1},
      {"10 REM\n20 DATA 0000000, 12", 1, std::nullopt, Kind::kTooFewRowCodes, {2, 20}, 1},
      {"DATA &H00000", 1, std::nullopt, Kind::kTooFewRowCodes, {1, 13}, 0},
      {"DATA 0000000\n", 1, std::nullopt, Kind::kTooFewRowCodes, {2, 1}, 1},
      {"DATA 0000000", 1, std::nullopt, Kind::kTooFewRowCodes, {1, 13}, 1},
      {"", 1, std::nullopt, Kind::kTooFewRowCodes, {1, 1}, 0},
      {sprite + sprite + "DATA 0000000", 3, std::nullopt, Kind::kNoSuchSprite, {7, 13}, 2},
      {sprite + sprite + "DATA 0000000,1", 3, std::nullopt, Kind::kNoSuchSprite, {7, 15}, 2},
      {Utf16Bytes(u"DATA 0000000\n", false),
       1,
       std::nullopt,
       Kind::kUtf16WithoutByteOrderMark,
       {1, 1}},
      {Utf16Bytes(u"\nDATA 0000000\n", true),
       1,
       std::nullopt,
       Kind::kUtf16WithoutByteOrderMark,
       {2, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const Expected<Cells, DecodeError> decoded = DecodeDataStatements(c.text, c.sprite);
    if (c.first_row) {
      ASSERT_TRUE(decoded.has_value());
      EXPECT_EQ(Joined(*decoded).substr(0, 14), *c.first_row);
      continue;
    }
    ASSERT_FALSE(decoded.has_value());
    EXPECT_EQ(decoded.error().kind, c.kind);
    EXPECT_EQ(decoded.error().position, c.position);
    EXPECT_EQ(decoded.error().count, c.count);
  }
}

// The rules of BASIC's lexis that decide which text is a DATA item: each row
// gives what stands before the two lines that Command1 makes, whose first row
// code is 1BE4000 (cells 01233210000000).
TEST(DecodeDataStatementsTest, ReadsListingsAsBasicDoes) {
  struct Case {
    std::string before;
    std::string first_row;  // the cells of row 0
  };
  const std::string heart = "01233210000000";
  const std::vector<Case> cases = {
      {"5 REM old: DATA 3333333\n", heart},
      {"5 rem\tDATA 3333333\n", heart},
      {"5 ' old: DATA 3333333\n", heart},
      {"5 X = 1 ' DATA 3333333\n", heart},
      {"5 X = 1: REM : DATA 3333333\n", heart},
      {"5 PRINT \"A:DATA 3333333\"\n", heart},
      {"5 PRINT \"A:DATA 3333333\n", heart},  // a string runs to the line end
      {"5 PRINT \"it's\": DATA FFFFFFF\n", std::string(14, '3')},
      {"DATA \"FFFFFFF\" ' a quoted item\n", std::string(14, '3')},
      {"data FFFFFFF:PRINT\n", std::string(14, '3')},  // no line number
      {"5 DATA FFFFFFF ' comment, DATA 3333333\n", std::string(14, '3')},
  };
  const std::string lines =
      "DATA 1BE4000,0000000,0000000,0000000,0000000\n"
      "DATA 0000000,0000000,0000000,0000000,0000000,0000000\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    const Expected<Cells, DecodeError> decoded = DecodeDataStatements(c.before + lines);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(Joined((*decoded)).substr(0, 14), c.first_row);
  }
}

// Every line end people's files have, and every byte order mark, in both
// readers: the listing's line numbers count each line once, and the grid file
// is read from its first non-empty line.
TEST(DecodeDataStatementsTest, LineEndsAndByteOrderMarksInListingsAndGridFiles) {
  // A text saved as UTF-8 without or with a byte order mark, or as UTF-16
  // with one, either way round.
  const auto saved = [](int encoding, const std::string& text) {
    if (encoding < 2) return (encoding == 1 ? "\xEF\xBB\xBF" : "") + text;
    return Utf16Bytes(u"\uFEFF" + std::u16string(text.begin(), text.end()), encoding == 3);
  };
  // Listings are read as gridcode-data reads them, through their encoding.
  const auto decode = [](const std::string& bytes) {
    std::istringstream input(bytes);
    TextInput text(input);
    return DecodeDataStatements(text.stream());
  };
  for (const int encoding : {0, 1, 2, 3}) {
    for (const std::string end : {"\n", "\r\n", "\r", "\r\r\n"}) {
      SCOPED_TRACE(testing::PrintToString(saved(encoding, end)));
      const std::string listing =
          "10 DATA 0000000,0000000" + end + end + "30 REM" + end + "40 DATA 0000000,000000X" + end;
      const Expected<Cells, DecodeError> decoded = decode(saved(encoding, listing));
      ASSERT_FALSE(decoded.has_value());
      EXPECT_EQ(decoded.error().position, (TextPosition{5, 1}));
      EXPECT_EQ(decoded.error().count, 3);
      const Expected<Cells, DecodeError> first_line =
          decode(saved(encoding, "DATA 1" + end + "DATA 2"));
      ASSERT_FALSE(first_line.has_value());
      EXPECT_EQ(first_line.error().position, (TextPosition{2, 7}));

      std::istringstream grid_file(saved(encoding, end + end + "0123" + end + "3210"));
      const Expected<Cells, GridFileError> loaded = ReadGridFile(grid_file);
      ASSERT_TRUE(loaded.has_value());
      EXPECT_EQ(Joined((*loaded)), "0123");
    }
  }
}

TEST(DecodeDataStatementsTest, ReadsEndlessInputInBoundedMemoryAndTime) {
  // A line with no end is refused once it is longer than any listing line.
  RepeatingBuffer zeros(std::string(1, '\0'), std::size_t{1} << 40);
  std::istream endless_line(&zeros);
  const Expected<Cells, DecodeError> refused = DecodeDataStatements(endless_line);
  ASSERT_FALSE(refused.has_value());
  EXPECT_EQ(refused.error().kind, DecodeError::Kind::kLineTooLong);
  EXPECT_EQ(refused.error().position.line, 1);
  EXPECT_LE(zeros.taken(), kLongestListingLine + 8192);

  // Endless DATA lines: reading stops with the tenth row code.
  RepeatingBuffer statements("DATA 0000001\n", std::size_t{1} << 40);
  std::istream endless_lines(&statements);
  const Expected<Cells, DecodeError> decoded = DecodeDataStatements(endless_lines);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ((*decoded)[139], "1");
  EXPECT_LE(statements.taken(), 8192u);
}

}  // namespace
}  // namespace gridcode
