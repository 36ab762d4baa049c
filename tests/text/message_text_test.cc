#include "text/message_text.h"

#include <gtest/gtest.h>

namespace gridcode {
namespace {

TEST(MessageTextTest, QuotesAreCutBetweenCharactersAndShownVisibly) {
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
      // Nothing quoted reaches a terminal or a message box as a control.
      {"\x1B[31mred", "\\x1B[31mred"},
      {"a\r\nb\tc\x7F", "a\\x0D\\x0Ab\\x09c\\x7F"},
      {"\xC2\x9B"
       "2J\xC2\xA0\xC3\xA9",
       "\\u009B"
       "2J\xC2\xA0\xC3\xA9"},               // CSI; no-break space and é stay
      {"\xFF\xE3\x81", "\\xFF\\xE3\\x81"},  // not UTF-8
      {std::string(39, '1') + '\0' + "!", std::string(39, '1') + "\\x00\u2026"},  // cut first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(QuotableText(c.text), c.quoted);
  }
}

}  // namespace
}  // namespace gridcode
