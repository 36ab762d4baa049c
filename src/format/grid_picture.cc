#include "format/grid_picture.h"

#include <spng.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace gridcode {
namespace {

constexpr int kBitsPerIndex = 2;  // four palette entries

// A libspng context, freed when it goes.
using Context = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

Context NewContext(int flags) { return {spng_ctx_new(flags), &spng_ctx_free}; }

std::uint8_t Channel(Argb colour, int shift) {
  return static_cast<std::uint8_t>((colour >> shift) & 0xFF);
}

Unexpected<ImportError> Failure(ImportError error) { return Unexpected(std::move(error)); }

Unexpected<ImportError> Unreadable(int spng_error) {
  return Failure({.kind = ImportError::Kind::kUnreadable, .reason = spng_strerror(spng_error)});
}

// The value of each pixel of a decoded picture: its palette index, or the
// value whose colour it has.
class PixelValues {
 public:
  PixelValues(const spng_ihdr& header, const spng_plte& palette, std::vector<std::uint8_t> pixels)
      : indexed_(header.color_type == SPNG_COLOR_TYPE_INDEXED),
        bit_depth_(header.bit_depth),
        palette_size_(static_cast<int>(palette.n_entries)),
        row_bytes_(pixels.size() / header.height),
        pixels_(std::move(pixels)) {}

  // Returns the value of the pixel at (x, y), or sets `error` and returns -1.
  int At(int x, int y, ImportError& error) const {
    const std::uint8_t* row = pixels_.data() + static_cast<std::size_t>(y) * row_bytes_;
    if (indexed_) {
      // Indices of fewer than 8 bits are packed, the leftmost pixel highest.
      const std::size_t bit = static_cast<std::size_t>(x) * bit_depth_;
      const int index = (row[bit / 8] >> (8 - bit_depth_ - bit % 8)) & ((1 << bit_depth_) - 1);
      if (index >= palette_size_) {
        error = {.kind = ImportError::Kind::kIndexPastPalette,
                 .x = x,
                 .y = y,
                 .index = index,
                 .palette_size = palette_size_};
        return -1;
      }
      if (index < static_cast<int>(kValueColours.size())) return index;
      error = {.kind = ImportError::Kind::kUnknownIndex, .x = x, .y = y, .index = index};
      return -1;
    }
    std::uint16_t channels[4];
    std::memcpy(channels, row + static_cast<std::size_t>(x) * sizeof channels, sizeof channels);
    const Colour16 colour = {channels[0], channels[1], channels[2], channels[3]};
    if (colour.alpha == 0) return 0;
    for (std::size_t value = 0; value < kValueColours.size(); ++value) {
      if (colour == Widened(kValueColours[value])) return static_cast<int>(value);
    }
    error = {.kind = ImportError::Kind::kUnknownColour, .x = x, .y = y, .colour = colour};
    return -1;
  }

 private:
  bool indexed_;
  int bit_depth_;
  int palette_size_;
  std::size_t row_bytes_;
  std::vector<std::uint8_t> pixels_;
};

// Returns the style of an indexed picture: its palette entries 0 to 3, with
// their transparency; entries it lacks keep the standard colours.
std::array<Argb, 4> PaletteOf(const spng_plte& palette, const spng_trns& transparency) {
  std::array<Argb, 4> colours = kValueColours;
  for (std::uint32_t i = 0; i < colours.size() && i < palette.n_entries; ++i) {
    const spng_plte_entry& entry = palette.entries[i];
    const Argb alpha = i < transparency.n_type3_entries ? transparency.type3_alpha[i] : 0xFF;
    colours[i] = alpha << 24 | Argb{entry.red} << 16 | Argb{entry.green} << 8 | entry.blue;
  }
  return colours;
}

}  // namespace

Colour16 Widened(Argb colour) {
  const auto widen = [&](int shift) {
    return static_cast<std::uint16_t>(Channel(colour, shift) * 257);
  };
  return {widen(16), widen(8), widen(0), widen(24)};
}

std::string ColourText(Argb colour) { return ColourText(Widened(colour)); }

std::string ColourText(const Colour16& colour) {
  const bool eight_bits =
      colour.red % 257 == 0 && colour.green % 257 == 0 && colour.blue % 257 == 0;
  char text[16];
  if (eight_bits) {
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red / 257, colour.green / 257,
                  colour.blue / 257);
  } else {
    std::snprintf(text, sizeof text, "#%04x%04x%04x", colour.red, colour.green, colour.blue);
  }
  return text;
}

Expected<std::string, RenderError> RenderPng(const Cells& cells, const PictureStyle& style) {
  std::array<int, kCellCount> values{};
  for (int i = 0; i < kCellCount; ++i) {
    const std::optional<int> value = TwoBitValue(cells[i]);
    if (!value) return Unexpected(RenderError{RenderError::Kind::kUnusualCell, i});
    values[i] = *value;
  }
  const int scale = style.scale;
  if (scale < 1 || scale > kLargestScale) {
    return Unexpected(RenderError{RenderError::Kind::kScaleOutOfRange});
  }

  const auto width = static_cast<std::uint32_t>(kColumns * scale);
  const auto height = static_cast<std::uint32_t>(kRows * scale);
  const std::size_t row_bytes = (width * kBitsPerIndex + 7) / 8;
  std::vector<std::uint8_t> image(row_bytes * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint8_t* row = image.data() + y * row_bytes;
    for (std::uint32_t x = 0; x < width; ++x) {
      const auto value = static_cast<unsigned>(
          values[CellIndex(static_cast<int>(y) / scale, static_cast<int>(x) / scale)]);
      const std::uint32_t bit = x * kBitsPerIndex;
      row[bit / 8] |= static_cast<std::uint8_t>(value << (8 - kBitsPerIndex - bit % 8));
    }
  }

  spng_ihdr header = {width, height, kBitsPerIndex, SPNG_COLOR_TYPE_INDEXED, 0, 0, 0};
  spng_plte palette = {};
  spng_trns transparency = {};
  palette.n_entries = style.palette.size();
  bool translucent = false;
  for (std::size_t i = 0; i < style.palette.size(); ++i) {
    const Argb colour = style.palette[i];
    palette.entries[i] = {Channel(colour, 16), Channel(colour, 8), Channel(colour, 0), 0xFF};
    transparency.type3_alpha[i] = Channel(colour, 24);
    translucent = translucent || Channel(colour, 24) != 0xFF;
  }
  transparency.n_type3_entries = translucent ? style.palette.size() : 0;

  const Context encoder = NewContext(SPNG_CTX_ENCODER);
  int error = encoder ? 0 : SPNG_EMEM;
  if (error == 0) error = spng_set_option(encoder.get(), SPNG_ENCODE_TO_BUFFER, 1);
  if (error == 0) error = spng_set_ihdr(encoder.get(), &header);
  if (error == 0) error = spng_set_plte(encoder.get(), &palette);
  if (error == 0 && translucent) error = spng_set_trns(encoder.get(), &transparency);
  if (error == 0) {
    error = spng_encode_image(encoder.get(), image.data(), image.size(), SPNG_FMT_PNG,
                              SPNG_ENCODE_FINALIZE);
  }
  std::size_t size = 0;
  void* png = error == 0 ? spng_get_png_buffer(encoder.get(), &size, &error) : nullptr;
  if (png == nullptr) {
    return Unexpected(RenderError{RenderError::Kind::kEncoderFailed, 0,
                                  spng_strerror(error != 0 ? error : SPNG_EMEM)});
  }
  std::string rendered(static_cast<const char*>(png), size);
  std::free(png);  // libspng hands the buffer over
  return rendered;
}

Expected<GridPicture, ImportError> ImportPng(std::string_view bytes) {
  if (bytes.size() > kImageByteLimit) return Failure({.kind = ImportError::Kind::kFileTooLarge});
  const PictureFormat format = PictureFormatOf(bytes.substr(0, kHeadBytes));
  if (format == PictureFormat::kNone) return Failure({.kind = ImportError::Kind::kNotAPicture});
  if (format != PictureFormat::kPng) {
    return Failure({.kind = ImportError::Kind::kOtherFormat, .format = format});
  }

  const Context decoder = NewContext(0);
  if (!decoder) return Unreadable(SPNG_EMEM);
  spng_set_png_buffer(decoder.get(), bytes.data(), bytes.size());
  // Text and other ancillary chunks are kept within the file's own limit.
  spng_set_chunk_limits(decoder.get(), kImageByteLimit, kImageByteLimit);
  spng_ihdr header = {};
  if (const int error = spng_get_ihdr(decoder.get(), &header)) return Unreadable(error);

  // The size is known from the header: check it before decoding anything.
  const auto width = static_cast<int>(header.width), height = static_cast<int>(header.height);
  if (width % kColumns != 0 || width / kColumns * kRows != height) {
    return Failure({.kind = ImportError::Kind::kWrongSize, .width = width, .height = height});
  }
  const int scale = width / kColumns;
  if (scale > kLargestScale) {
    return Failure({.kind = ImportError::Kind::kTooLarge, .width = width, .height = height});
  }

  const bool indexed = header.color_type == SPNG_COLOR_TYPE_INDEXED;
  spng_plte palette = {};
  spng_trns transparency = {};
  if (indexed) {
    if (const int error = spng_get_plte(decoder.get(), &palette)) return Unreadable(error);
    if (spng_get_trns(decoder.get(), &transparency) != 0) transparency.n_type3_entries = 0;
  }
  // Indexed pixels as their indices; all others as 16-bit RGBA, transparency applied.
  const int pixel_format = indexed ? SPNG_FMT_PNG : SPNG_FMT_RGBA16;
  std::size_t size = 0;
  if (const int error = spng_decoded_image_size(decoder.get(), pixel_format, &size)) {
    return Unreadable(error);
  }
  std::vector<std::uint8_t> pixels(size);
  if (const int error = spng_decode_image(decoder.get(), pixels.data(), pixels.size(), pixel_format,
                                          indexed ? 0 : SPNG_DECODE_TRNS)) {
    return Unreadable(error);
  }

  // First every pixel must have a value, then every block must be one value.
  const PixelValues values(header, palette, std::move(pixels));
  ImportError error{};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (values.At(x, y, error) < 0) return Failure(error);
    }
  }
  GridPicture imported;
  imported.style.scale = scale;
  if (indexed) imported.style.palette = PaletteOf(palette, transparency);
  for (int i = 0; i < kCellCount; ++i) {
    const int left = ColumnOf(i) * scale, top = RowOf(i) * scale;
    const int value = values.At(left, top, error);
    for (int y = top; y < top + scale; ++y) {
      for (int x = left; x < left + scale; ++x) {
        if (values.At(x, y, error) != value) {
          return Failure({.kind = ImportError::Kind::kMixedBlock, .x = x, .y = y, .scale = scale});
        }
      }
    }
    imported.cells[i] = std::string(1, static_cast<char>('0' + value));
  }
  return imported;
}

}  // namespace gridcode
