// Reading a text file as UTF-8, whatever it was saved in: UTF-8 passes as it
// is, and UTF-16 with a byte order mark (little or big endian, as Windows
// saves "Unicode" text) is decoded by the system's converter
// (text_encodings.h), its byte order mark dropped. A unit of UTF-16 that is no
// character (half a surrogate pair, an odd last byte) reads as U+FFFD.
// UTF-16 without a byte order mark passes as it is, for the reader to refuse
// by its NUL bytes (IsUtf16WithoutByteOrderMark).

#ifndef GRIDCODE_TEXT_TEXT_INPUT_H_
#define GRIDCODE_TEXT_TEXT_INPUT_H_

#include <istream>
#include <memory>

namespace gridcode {

// The text of the stream `bytes` in UTF-8, as a stream that reads `bytes`
// from its current place, no further ahead than `bytes` has at hand.
class TextInput {
 public:
  explicit TextInput(std::istream& bytes);
  ~TextInput();
  TextInput(const TextInput&) = delete;
  TextInput& operator=(const TextInput&) = delete;

  std::istream& stream();

  // Whether the text is UTF-16, as its byte order mark says.
  bool is_utf16() const;

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::istream stream_;
};

}  // namespace gridcode

#endif  // GRIDCODE_TEXT_TEXT_INPUT_H_
