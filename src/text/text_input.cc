#include "text/text_input.h"

#include <algorithm>
#include <optional>
#include <streambuf>
#include <string>

#include "text/text_encodings.h"
#include "text/utf8.h"

namespace gridcode {
namespace {

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

class TextInput::Buffer : public std::streambuf {
 public:
  explicit Buffer(std::streambuf& bytes) : bytes_(bytes) {
    // A byte that only begins like a UTF-16 byte order mark begins the text.
    const int first = bytes_.sgetc();
    for (const auto& [mark, encoding] :
         {std::pair{kUtf16LeByteOrderMark, TextEncoding::kUtf16Le},
          std::pair{kUtf16BeByteOrderMark, TextEncoding::kUtf16Be}}) {
      if (first != traits_type::to_int_type(mark[0])) continue;
      bytes_.sbumpc();
      if (bytes_.sgetc() == traits_type::to_int_type(mark[1])) {
        bytes_.sbumpc();
        encoding_ = encoding;
      } else {
        text_.push_back(mark[0]);
      }
      break;
    }
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

  bool is_utf16() const { return encoding_.has_value(); }

 protected:
  int_type underflow() override {
    while (gptr() == egptr()) {
      // Takes the bytes the stream has at hand, at least one, so that a
      // reader that stops early reads no further than it would without this.
      const bool at_end = traits_type::eq_int_type(bytes_.sgetc(), traits_type::eof());
      if (at_end && (!encoding_ || pending_.empty())) return traits_type::eof();
      char chunk[4096];
      const auto wanted = std::clamp<std::streamsize>(bytes_.in_avail(), 1, sizeof chunk);
      const std::streamsize got = at_end ? 0 : bytes_.sgetn(chunk, wanted);
      if (encoding_) {
        pending_.append(chunk, static_cast<std::size_t>(got));
        text_ = DecodePending(at_end);
      } else {
        text_.assign(chunk, static_cast<std::size_t>(got));
      }
      setg(text_.data(), text_.data(), text_.data() + text_.size());
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  // The UTF-16 unit at byte `i` of `pending_`.
  unsigned Unit(std::size_t i) const {
    const auto first = static_cast<unsigned char>(pending_[i]);
    const auto second = static_cast<unsigned char>(pending_[i + 1]);
    return *encoding_ == TextEncoding::kUtf16Be ? first << 8 | second : second << 8 | first;
  }

  // Decodes the whole characters of `pending_`, keeping a character cut off
  // at its end for the next bytes; at the end of the text, what is left is
  // no character.
  std::string DecodePending(bool at_end) {
    const std::string replacement_unit =
        *encoding_ == TextEncoding::kUtf16Be ? "\xFF\xFD" : "\xFD\xFF";
    std::string units;
    std::size_t i = 0;
    for (; i + 2 <= pending_.size(); i += 2) {
      const unsigned unit = Unit(i);
      if (IsHighSurrogate(unit) && i + 4 > pending_.size() && !at_end) break;
      if (IsHighSurrogate(unit) && i + 4 <= pending_.size() && IsLowSurrogate(Unit(i + 2))) {
        units.append(pending_, i, 4);
        i += 2;
      } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        units += replacement_unit;
      } else {
        units.append(pending_, i, 2);
      }
    }
    pending_.erase(0, i);
    std::string text = DecodeToUtf8(units, *encoding_).value_or(std::string(kReplacementCharacter));
    if (at_end && !pending_.empty()) {
      text += kReplacementCharacter;
      pending_.clear();
    }
    return text;
  }

  std::streambuf& bytes_;
  std::optional<TextEncoding> encoding_;  // UTF-16 by its byte order mark, or UTF-8
  std::string pending_;                   // UTF-16 bytes not yet decoded
  std::string text_;                      // the text being served
};

TextInput::TextInput(std::istream& bytes)
    : buffer_(std::make_unique<Buffer>(*bytes.rdbuf())), stream_(buffer_.get()) {}

TextInput::~TextInput() = default;

std::istream& TextInput::stream() { return stream_; }

bool TextInput::is_utf16() const { return buffer_->is_utf16(); }

}  // namespace gridcode
