#include "format/picture_format.h"

namespace gridcode {

PictureFormat PictureFormatOf(std::string_view head) {
  head = head.substr(0, kHeadBytes);
  if (head.starts_with(kPngSignature)) return PictureFormat::kPng;
  if (head.find('\0') == std::string_view::npos) return PictureFormat::kNone;
  if (head.starts_with("BM")) return PictureFormat::kBmp;
  if (head.starts_with("GIF87a") || head.starts_with("GIF89a")) return PictureFormat::kGif;
  if (head.starts_with("\xFF\xD8\xFF")) return PictureFormat::kJpeg;
  if (head.starts_with("RIFF") && head.size() >= 12 && head.substr(8, 4) == "WEBP") {
    return PictureFormat::kWebp;
  }
  return PictureFormat::kNone;
}

std::string_view FormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::kPng:
      return "PNG";
    case PictureFormat::kBmp:
      return "BMP";
    case PictureFormat::kGif:
      return "GIF";
    case PictureFormat::kJpeg:
      return "JPEG";
    case PictureFormat::kWebp:
      return "WebP";
    case PictureFormat::kNone:
      break;
  }
  return {};
}

}  // namespace gridcode
