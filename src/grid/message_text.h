// Pieces of the messages that the window and gridcode-data show: a cell's
// text cut to a readable length, and a number written out. Both front ends
// build their sentences from these, so that they quote the same facts.
// Messages count rows and columns from 1, as the user does; the code counts
// them from 0.

#ifndef GRIDCODE_GRID_MESSAGE_TEXT_H_
#define GRIDCODE_GRID_MESSAGE_TEXT_H_

#include <string>
#include <string_view>

namespace gridcode {

// The most characters of a text that a message quotes.
inline constexpr int kQuotedCharacters = 40;

// Returns `text` as a message quotes it: its first 40 characters followed by
// "…" if it is longer, cut between UTF-8 characters, never inside one.
std::string ShortenedText(std::string_view text);

// Returns `value` in the shortest form that reads back as the same number.
std::string NumberText(double value);

}  // namespace gridcode

#endif  // GRIDCODE_GRID_MESSAGE_TEXT_H_
