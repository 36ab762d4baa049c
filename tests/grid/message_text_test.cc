#include "grid/message_text.h"

#include <gtest/gtest.h>

namespace gridcode {
namespace {

TEST(MessageTextTest, QuotesAreCutBetweenCharacters) {
  struct Case {
    std::string text, quoted;
  };
  const std::string forty(40, '7');
  std::string forty_kana;
  for (int i = 0; i < 40; ++i) forty_kana += "あ";
  const std::vector<Case> cases = {
      {"", ""},
      {forty, forty},                              // 40 characters are quoted whole
      {forty + "8", forty + "\u2026"},             // a 41st is cut
      {forty_kana + "い", forty_kana + "\u2026"},  // three bytes a character
      {"x" + forty_kana, "x" + forty_kana.substr(0, 117) + "\u2026"},
      {std::string(39, '1') + "\xF0\x9F\x98\x80!", std::string(39, '1') + "\xF0\x9F\x98\x80\u2026"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ShortenedText(c.text), c.quoted);
  }
}

}  // namespace
}  // namespace gridcode
