#include "encoder/pair_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gridcode {
namespace {

TEST(PairTextTest, WritesUpperCaseHexWithoutLeadingZeros) {
  struct Case {
    double value;
    const char* text;
  };
  for (const Case& c : {Case{0, "0"}, Case{9, "9"}, Case{10, "A"}, Case{15, "F"}, Case{16, "10"},
                        Case{255, "FF"}, Case{2147483647, "7FFFFFFF"}, Case{-4, "FFFFFFFC"},
                        Case{-1, "FFFFFFFF"}, Case{-2147483648.0, "80000000"}, Case{-0.0, "0"}}) {
    EXPECT_EQ(PairText(c.value), c.text) << c.value;
  }
}

TEST(PairTextTest, RoundsHalvesToEven) {
  struct Case {
    double value, rounded;
  };
  for (const Case& c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{-0.5, 0},
                        Case{-1.5, -2}, Case{-2.5, -2}, Case{0.49999999999999994, 0},
                        Case{-0.49999999999999994, 0}, Case{2.5000000000000004, 3}, Case{1.4, 1},
                        Case{-1.6, -2}, Case{4503599627370497.0, 4503599627370497.0}}) {
    EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
  }
}

TEST(PairTextTest, OutsideSigned32BitsIsAnOverflow) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  for (double value :
       {2147483648.0, 2147483647.5, -2147483649.0, -2147483648.5 - 1, kInf, -kInf, std::nan("")}) {
    EXPECT_FALSE(PairText(value).has_value()) << value;
  }
  // Rounding happens before the range check: both halves go to the even side.
  EXPECT_EQ(PairText(2147483646.5), "7FFFFFFE");
  EXPECT_EQ(PairText(-2147483648.5), "80000000");
}

}  // namespace
}  // namespace gridcode
