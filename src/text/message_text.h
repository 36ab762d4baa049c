// Pieces of the messages that the window and gridcode-data show: a quoted
// text cut to a readable length and made safe to show, and a number written
// out. Both front ends build their sentences from these, so that they quote
// the same facts. Messages count rows and columns from 1, as the user does;
// the code counts them from 0.

#ifndef GRIDCODE_TEXT_MESSAGE_TEXT_H_
#define GRIDCODE_TEXT_MESSAGE_TEXT_H_

#include <string>
#include <string_view>

namespace gridcode {

// The most characters of a text that a message quotes.
inline constexpr int kQuotedCharacters = 40;

// Returns `text` as a message quotes it: its first 40 characters followed by
// "…" if it is longer, cut between UTF-8 characters, never inside one; then
// shown visibly as `VisibleText` does.
std::string QuotableText(std::string_view text);

// Returns `text` with every character that could break a message's line or
// act on a terminal written out instead: control characters (C0 and DEL) and
// bytes that are not valid UTF-8 as \xHH, C1 control characters as \u0080 to
// \u009F. Everything else stands as it is.
std::string VisibleText(std::string_view text);

// Returns `value` in the shortest form that reads back as the same number.
std::string NumberText(double value);

}  // namespace gridcode

#endif  // GRIDCODE_TEXT_MESSAGE_TEXT_H_
