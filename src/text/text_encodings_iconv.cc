#include <iconv.h>

#include "text/text_encodings.h"

namespace gridcode {

std::optional<std::string> DecodeToUtf8(std::string_view bytes, TextEncoding encoding) {
  const char* name = encoding == TextEncoding::kCp932     ? "CP932"
                     : encoding == TextEncoding::kUtf16Le ? "UTF-16LE"
                                                          : "UTF-16BE";
  const iconv_t converter = ::iconv_open("UTF-8", name);
  // iconv_open reports a failure as (iconv_t)-1.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Every character of one or two bytes becomes at most three bytes, and one
  // of four (a UTF-16 surrogate pair) four.
  std::string decoded(bytes.size() * 3, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size();
  char* out = decoded.data();
  std::size_t out_left = decoded.size();
  const bool clean =
      ::iconv(converter, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1);
  ::iconv_close(converter);
  if (!clean) return std::nullopt;
  decoded.resize(decoded.size() - out_left);
  return decoded;
}

}  // namespace gridcode
