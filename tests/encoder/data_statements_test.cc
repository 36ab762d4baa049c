#include "encoder/data_statements.h"

#include <gtest/gtest.h>

namespace gridcode {
namespace {

std::string Joined(const Cells& cells) {
  std::string text;
  for (const std::string& cell : cells) text += cell;
  return text;
}

const std::string kZeroLine = "DATA 0000000,0000000,0000000,0000000,0000000";

TEST(DecodeDataStatementsTest, ReadsTheWindowsLines) {
  const DecodedGrid decoded =
      DecodeDataStatements("DATA 1BE4000,FFFFFFF,0000000,0000000,0000000\r\n" + kZeroLine);
  ASSERT_FALSE(decoded.error.has_value());
  EXPECT_EQ(Joined(decoded.cells).substr(0, 28),
            "01233210000000"
            "33333333333333");
  EXPECT_EQ(Joined(decoded.cells).substr(28), std::string(112, '0'));
}

TEST(DecodeDataStatementsTest, ReadsAListing) {
  const DecodedGrid decoded = DecodeDataStatements(
      "10 REM DATA in a remark is not read\n"
      "20 PRINT \"HELLO\": data 00000a0 ,  0000000\n"
      "  30 DATA0000000,0000000:PRINT 1\n"
      "40\tDaTa 0000000,0000000,0000000,0000000,0000000,000000F\n"
      "50 DATA 1,2,3\n");
  ASSERT_FALSE(decoded.error.has_value());
  EXPECT_EQ(Joined(decoded.cells).substr(0, 14), "00000000002200");
  EXPECT_EQ(Joined(decoded.cells).substr(126), "00000000000033");
}

TEST(DecodeDataStatementsTest, ItemsPastTheTenthAreNotRead) {
  std::string line = "DATA 0000001";
  for (int i = 0; i < 11; ++i) line += ",FFFFFFF";
  line += ",not a code";
  const DecodedGrid decoded = DecodeDataStatements(line);
  ASSERT_FALSE(decoded.error.has_value());
  EXPECT_EQ(Joined(decoded.cells).substr(0, 28),
            "00000000000001"
            "33333333333333");
  EXPECT_EQ(decoded.cells[139], "3");
}

TEST(DecodeDataStatementsTest, ErrorsNameTheirPlace) {
  struct Case {
    std::string text;
    DecodeError::Kind kind;
    TextPosition position;
    std::string offending;
  };
  using Kind = DecodeError::Kind;
  const std::vector<Case> cases = {
      {"DATA 000000G,0", Kind::kNotARowCode, {1, 6}, "000000G"},
      {"DATA 0000000,00000000", Kind::kNotARowCode, {1, 14}, "00000000"},
      {"DATA 0000000,,0000000", Kind::kNotARowCode, {1, 14}, ""},
      {"10 REM\n20 DATA 0000000, 12", Kind::kNotARowCode, {2, 18}, "12"},
      {"DATA &H00000", Kind::kNotARowCode, {1, 6}, "&H00000"},
      {"DATA 0000000\n", Kind::kTooFewRowCodes, {2, 1}, ""},
      {"DATA 0000000", Kind::kTooFewRowCodes, {1, 13}, ""},
      {"", Kind::kTooFewRowCodes, {1, 1}, ""},
  };
  for (const Case& c : cases) {
    const DecodedGrid decoded = DecodeDataStatements(c.text);
    ASSERT_TRUE(decoded.error.has_value()) << c.text;
    EXPECT_EQ(decoded.error->kind, c.kind) << c.text;
    EXPECT_EQ(decoded.error->position, c.position) << c.text;
    EXPECT_EQ(decoded.error->text, c.offending) << c.text;
  }
}

}  // namespace
}  // namespace gridcode
