#include "encoder/cell_value.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace gridcode {
namespace {

struct Reading {
  std::string text;
  double value;
};

void ExpectReadings(const std::vector<Reading>& readings) {
  for (const Reading& r : readings) {
    const std::optional<double> value = CellValue(r.text);
    ASSERT_TRUE(value.has_value()) << '"' << r.text << '"';
    EXPECT_EQ(*value, r.value) << '"' << r.text << '"';
  }
}

TEST(CellValueTest, DigitsAndWhitespace) {
  ExpectReadings({
      {"0", 0},
      {"3", 3},
      {"12", 12},
      {"007", 7},
      {" 2 ", 2},
      {" 1 2", 12},
      {"\t3\n", 3},
      {"1\n\t 5", 15},
      {"", 0},
      {"   ", 0},
  });
}

TEST(CellValueTest, StopsAtTheFirstCharacterThatCannotContinue) {
  ExpectReadings({
      {"2x", 2},
      {"x2", 0},
      {"abc", 0},
      {"1,5", 1},
      {"1.2.3", 1.2},
      {"3\r", 3},
      {"\r3", 0},           // a carriage return is not removed
      {"\xEF\xBC\x93", 0},  // full-width digit three
      {"1\xEF\xBC\x93", 1},
      {"&", 0},
      {"&X1", 0},
  });
}

TEST(CellValueTest, SignsAndDecimalPoint) {
  ExpectReadings({
      {"-1", -1},
      {"+2", 2},
      {"- 1", -1},
      {"--1", 0},
      {"+-1", 0},
      {"-", 0},
      {".", 0},
      {"-.", 0},
      {".5", 0.5},
      {"1.", 1},
      {"-.25", -0.25},
      {"0.1", 0.1},
  });
}

TEST(CellValueTest, Exponents) {
  ExpectReadings({
      {"1e3", 1000},
      {"1E3", 1000},
      {"1e+2", 100},
      {"25e-1", 2.5},
      {"1e", 1},
      {"1e+", 1},
      {"1e-", 1},
      {"1ex", 1},
      {"1e2.5", 100},
      {"1 e 2", 100},
      {".5e1", 5},
      {"e5", 0},
      {"1e0000000000000000000000000002", 100},
      {"0e999999", 0},
      {"1e-400", 0},
      {"-1e-400", 0},
      {"0.000000000000000000000000000000000000001e39", 1},
  });
}

TEST(CellValueTest, DoubleRangeBorders) {
  ExpectReadings({{"1.7976931348623157e308", DBL_MAX},
                  {"-1.7976931348623157e308", -DBL_MAX},
                  {"4.9406564584124654e-324", 4.9406564584124654e-324}});
  for (const std::string text :
       {"1e309", "-1e309", "1.8e308", "99e307", "1e99999999999999999999"}) {
    EXPECT_FALSE(CellValue(text).has_value()) << text;
  }
}

TEST(CellValueTest, HexadecimalAndOctal) {
  ExpectReadings({
      {"&H0", 0},
      {"&HF", 15},
      {"&hff", 255},
      {"&HFFFF", 65535},
      {"&HFFFFFFFF", 4294967295.0},
      {"&H1G", 1},
      {"&H", 0},
      {"&HG", 0},
      {" & H 1 0", 16},
      {"&O17", 15},
      {"&o777", 511},
      {"&O9", 0},
      {"&O78", 7},
      {"&O", 0},
      {"-&H10", 0},                              // a sign belongs to decimal numbers only
      {"&H20000000000001", 9007199254740992.0},  // 2^53 + 1 rounds to even
      {"&H" + std::string(255, 'F'), 0x1p1020},  // 2^1020 - 1 rounds up
  });
  EXPECT_FALSE(CellValue("&H1" + std::string(256, '0')).has_value());
  EXPECT_FALSE(CellValue("&O1" + std::string(342, '0')).has_value());  // 2^1026
  ExpectReadings({{"&H" + std::string(100000, '0') + "1", 1}});
}

TEST(CellValueTest, VeryLongTextsReadInOnePass) {
  const std::string megabyte(1 << 20, '1');
  EXPECT_FALSE(CellValue(megabyte).has_value());
  ExpectReadings({
      {"0." + std::string(1 << 20, '0') + "1e1048577", 1},
      {std::string(1 << 20, ' ') + "3", 3},
      {"2" + std::string(1 << 20, 'x'), 2},
      {std::string(1 << 20, '0') + "3", 3},
  });
}

}  // namespace
}  // namespace gridcode
