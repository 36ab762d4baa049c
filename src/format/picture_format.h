// Telling a picture file from a grid file by its first bytes.
//
// A PNG is known by its eight-byte signature, which no grid file that
// gridcode writes starts with (0x89 does not begin a UTF-8 character). BMP,
// GIF, JPEG and WebP are known by their signatures together with a NUL byte
// among the first bytes: every such file has one there, and no grid text
// does, so a grid file whose cells happen to spell "BM" or "GIF89a" stays a
// grid file.

#ifndef GRIDCODE_FORMAT_PICTURE_FORMAT_H_
#define GRIDCODE_FORMAT_PICTURE_FORMAT_H_

#include <cstddef>
#include <string_view>

namespace gridcode {

enum class PictureFormat { kNone, kPng, kBmp, kGif, kJpeg, kWebp };

// How many bytes from the start of a file `PictureFormatOf` looks at.
inline constexpr std::size_t kHeadBytes = 64;

// The first bytes of every PNG file.
inline constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

// Returns the format of the picture whose first bytes are `head` (up to
// kHeadBytes of them), or kNone for anything else, a grid file included.
PictureFormat PictureFormatOf(std::string_view head);

// Returns the name people know `format` by: "PNG", "BMP", "GIF", "JPEG", "WebP".
std::string_view FormatName(PictureFormat format);

}  // namespace gridcode

#endif  // GRIDCODE_FORMAT_PICTURE_FORMAT_H_
