#include "format/grid_picture.h"

#include <gtest/gtest.h>
#include <spng.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace gridcode {
namespace {

// A PNG described by its header and a function giving the samples of each
// pixel (one for an index or grey, up to four for RGBA), encoded with libspng.
struct Png {
  int width = kColumns, height = kRows;
  std::uint8_t colour_type = SPNG_COLOR_TYPE_TRUECOLOR;
  std::uint8_t bit_depth = 8;
  std::vector<Argb> palette = {};
  std::optional<std::array<std::uint16_t, 3>> colour_key = {};  // the transparent RGB colour
  std::function<std::vector<unsigned>(int x, int y)> samples;
};

std::string Encoded(const Png& png) {
  const int channels = png.colour_type == SPNG_COLOR_TYPE_TRUECOLOR         ? 3
                       : png.colour_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ? 4
                       : png.colour_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ? 2
                                                                            : 1;
  const std::size_t row_bits = static_cast<std::size_t>(png.width) * channels * png.bit_depth;
  const std::size_t row_bytes = (row_bits + 7) / 8;
  std::vector<std::uint8_t> image(row_bytes * png.height);
  for (int y = 0; y < png.height; ++y) {
    std::uint8_t* row = image.data() + y * row_bytes;
    std::size_t bit = 0;
    for (int x = 0; x < png.width; ++x) {
      for (const unsigned sample : png.samples(x, y)) {
        if (png.bit_depth == 16) {  // host order, as libspng takes it
          const auto wide = static_cast<std::uint16_t>(sample);
          std::memcpy(row + bit / 8, &wide, 2);
        } else {
          row[bit / 8] |= static_cast<std::uint8_t>(sample << (8 - png.bit_depth - bit % 8));
        }
        bit += png.bit_depth;
      }
    }
  }
  spng_ctx* encoder = spng_ctx_new(SPNG_CTX_ENCODER);
  spng_set_option(encoder, SPNG_ENCODE_TO_BUFFER, 1);
  spng_ihdr header = {static_cast<std::uint32_t>(png.width),
                      static_cast<std::uint32_t>(png.height),
                      png.bit_depth,
                      png.colour_type,
                      0,
                      0,
                      0};
  spng_set_ihdr(encoder, &header);
  if (!png.palette.empty()) {
    spng_plte palette = {};
    palette.n_entries = static_cast<std::uint32_t>(png.palette.size());
    for (std::size_t i = 0; i < png.palette.size(); ++i) {
      const Argb c = png.palette[i];
      palette.entries[i] = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                            static_cast<std::uint8_t>(c), 0xFF};
    }
    spng_set_plte(encoder, &palette);
  }
  if (png.colour_key) {
    spng_trns transparency = {};
    transparency.red = (*png.colour_key)[0];
    transparency.green = (*png.colour_key)[1];
    transparency.blue = (*png.colour_key)[2];
    spng_set_trns(encoder, &transparency);
  }
  EXPECT_EQ(
      spng_encode_image(encoder, image.data(), image.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE),
      0);
  std::size_t size = 0;
  int error = 0;
  void* bytes = spng_get_png_buffer(encoder, &size, &error);
  std::string encoded(static_cast<const char*>(bytes), size);
  std::free(bytes);
  spng_ctx_free(encoder);
  return encoded;
}

// The samples of a value's colour in an 8 or 16-bit RGB(A) picture.
std::vector<unsigned> Rgb(Argb colour, int bits = 8, bool alpha = false) {
  const unsigned scale = bits == 16 ? 257 : 1;
  std::vector<unsigned> samples = {(colour >> 16 & 0xFF) * scale, (colour >> 8 & 0xFF) * scale,
                                   (colour & 0xFF) * scale};
  if (alpha) samples.push_back((colour >> 24) * scale);
  return samples;
}

std::string Joined(const Cells& cells) {
  std::string joined;
  for (const std::string& cell : cells) joined += cell;
  return joined;
}

std::string ZerosWith(int index, char value) {
  std::string cells(kCellCount, '0');
  cells[index] = value;
  return cells;
}

// A PNG of only a header, claiming `width` x `height`, with a valid checksum.
std::string HeaderOnlyPng(std::uint32_t width, std::uint32_t height) {
  std::string chunk = "IHDR";
  for (const std::uint32_t number : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8)
      chunk.push_back(static_cast<char>(number >> shift));
  }
  chunk += std::string("\x08\x03\x00\x00\x00", 5);
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : chunk) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  crc ^= 0xFFFFFFFF;
  std::string png(kPngSignature);
  png += std::string("\x00\x00\x00\x0D", 4) + chunk;
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<char>(crc >> shift));
  return png;
}

TEST(GridPictureTest, ImportReadsEveryKindOfPngByOneRule) {
  using Kind = ImportError::Kind;
  struct Case {
    std::string name;
    std::string bytes;
    std::optional<ImportError> error;  // what is wrong, or nothing
    std::string cells = {};            // the loaded cells joined, when nothing is
  };
  const auto grey = [](unsigned value) {
    return [value](int, int) { return std::vector<unsigned>{value}; };
  };
  // One sample everywhere but at (x, y).
  const auto all_but = [](unsigned everywhere, int x, int y, unsigned there) {
    return [=](int px, int py) {
      return std::vector<unsigned>{px == x && py == y ? there : everywhere};
    };
  };
  const std::vector<Case> cases = {
      // Greyscale is read by colour: white is 0, and black is no grid colour.
      {"white 2-bit greyscale",
       Encoded({.colour_type = SPNG_COLOR_TYPE_GRAYSCALE, .bit_depth = 2, .samples = grey(3)}),
       std::nullopt, std::string(kCellCount, '0')},
      {"black 1-bit greyscale",
       Encoded({.colour_type = SPNG_COLOR_TYPE_GRAYSCALE, .bit_depth = 1, .samples = grey(0)}),
       ImportError{.kind = Kind::kUnknownColour, .colour = {0, 0, 0, 0xFFFF}}},
      {"16-bit grey and alpha, transparent but one opaque white",
       Encoded({.colour_type = SPNG_COLOR_TYPE_GRAYSCALE_ALPHA,
                .bit_depth = 16,
                .samples =
                    [](int x, int y) {
                      if (x == 2 && y == 0) return std::vector<unsigned>{0xFFFF, 0xFFFF};
                      return std::vector<unsigned>{1234, 0};
                    }}),
       std::nullopt, std::string(kCellCount, '0')},
      // Indexed pictures are read by index, within the palette and 0 to 3.
      {"index past a palette of two entries",
       Encoded({.colour_type = SPNG_COLOR_TYPE_INDEXED,
                .bit_depth = 2,
                .palette = {0xFFFFFFFF, 0xFF000000},
                .samples = all_but(1, 4, 1, 3)}),
       ImportError{.kind = Kind::kIndexPastPalette, .x = 4, .y = 1, .index = 3, .palette_size = 2}},
      {"index 4 of a larger palette",
       Encoded({.colour_type = SPNG_COLOR_TYPE_INDEXED,
                .palette = {1, 2, 3, 4, 5},
                .samples = all_but(0, 3, 2, 4)}),
       ImportError{.kind = Kind::kUnknownIndex, .x = 3, .y = 2, .index = 4}},
      {"indexed, any palette colours",
       Encoded({.colour_type = SPNG_COLOR_TYPE_INDEXED,
                .bit_depth = 4,
                .palette = {0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040},
                .samples = all_but(0, 13, 9, 2)}),
       std::nullopt, ZerosWith(139, '2')},
      // RGB and RGBA by colour, 8 or 16 bits, exactly.
      {"RGB with the four colours",
       Encoded({.samples = [](int x, int) { return Rgb(kValueColours[x % 4]); }}), std::nullopt,
       [] {
         std::string cells;
         for (int i = 0; i < kCellCount; ++i) cells += static_cast<char>('0' + i % kColumns % 4);
         return cells;
       }()},
      {"16-bit RGBA, a colour one step off",
       Encoded({.colour_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA,
                .bit_depth = 16,
                .samples =
                    [](int x, int y) {
                      std::vector<unsigned> samples = Rgb(kValueColours[1], 16, true);
                      if (x == 5 && y == 1) samples[2] -= 1;
                      return samples;
                    }}),
       ImportError{.kind = Kind::kUnknownColour,
                   .x = 5,
                   .y = 1,
                   .colour = {0x3535, 0xB7B7, 0x7978, 0xFFFF}}},
      {"half-transparent pixel",
       Encoded({.colour_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA,
                .samples =
                    [](int x, int y) {
                      return x == 0 && y == 9 ? std::vector<unsigned>{255, 255, 255, 128}
                                              : Rgb(kValueColours[0], 8, true);
                    }}),
       ImportError{.kind = Kind::kUnknownColour,
                   .x = 0,
                   .y = 9,
                   .colour = {0xFFFF, 0xFFFF, 0xFFFF, 0x8080}}},
      {"RGB whose transparent colour key is black",
       Encoded({.colour_key = std::array<std::uint16_t, 3>{0, 0, 0},
                .samples =
                    [](int x, int) {
                      return x == 7 ? std::vector<unsigned>{0, 0, 0} : Rgb(kValueColours[3]);
                    }}),
       std::nullopt,
       [] {
         std::string cells;
         for (int i = 0; i < kCellCount; ++i) cells += i % kColumns == 7 ? '0' : '3';
         return cells;
       }()},
      // Size, blocks and damage.
      {"15 x 10", Encoded({.width = 15, .samples = [](int, int) { return Rgb(kValueColours[0]); }}),
       ImportError{.kind = Kind::kWrongSize, .width = 15, .height = 10}},
      {"28 x 10", Encoded({.width = 28, .samples = [](int, int) { return Rgb(kValueColours[0]); }}),
       ImportError{.kind = Kind::kWrongSize, .width = 28, .height = 10}},
      {"14N x 10N past the largest N, refused from the header",
       HeaderOnlyPng(kColumns * 100000, kRows * 100000),
       ImportError{.kind = Kind::kTooLarge, .width = kColumns * 100000, .height = kRows * 100000}},
      {"block not one colour",
       Encoded(
           {.width = 28,
            .height = 20,
            .samples = [](int x, int y) { return Rgb(kValueColours[x == 3 && y == 3 ? 1 : 0]); }}),
       ImportError{.kind = Kind::kMixedBlock, .x = 3, .y = 3, .scale = 2}},
      {"a stray colour anywhere comes before a mixed block",
       Encoded({.width = 28,
                .height = 20,
                .samples =
                    [](int x, int y) {
                      if (x == 27 && y == 19) return std::vector<unsigned>{1, 2, 3};
                      return Rgb(kValueColours[x == 3 && y == 3 ? 1 : 0]);
                    }}),
       ImportError{
           .kind = Kind::kUnknownColour, .x = 27, .y = 19, .colour = {257, 514, 771, 0xFFFF}}},
      {"truncated PNG",
       Encoded({.samples = [](int, int) { return Rgb(kValueColours[0]); }}).substr(0, 60),
       ImportError{.kind = Kind::kUnreadable}},
      // Other formats are named, not read.
      {"BMP", std::string("BM\x36\x03\x00\x00\x00\x00", 8),
       ImportError{.kind = Kind::kOtherFormat, .format = PictureFormat::kBmp}},
      {"GIF", std::string("GIF89a\x0e\x00\x0a\x00", 10),
       ImportError{.kind = Kind::kOtherFormat, .format = PictureFormat::kGif}},
      {"JPEG", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10),
       ImportError{.kind = Kind::kOtherFormat, .format = PictureFormat::kJpeg}},
      {"WebP", std::string("RIFF\x24\x00\x00\x00WEBPVP8 ", 16),
       ImportError{.kind = Kind::kOtherFormat, .format = PictureFormat::kWebp}},
      {"grid text that starts like a BMP", "BM" + std::string(138, '0'),
       ImportError{.kind = Kind::kNotAPicture}},
      {"five bytes that start like a WebP", std::string("RIFF\0", 5),
       ImportError{.kind = Kind::kNotAPicture}},
      {"over 64 MiB", std::string(kPngSignature) + std::string(kImageByteLimit, '\0'),
       ImportError{.kind = Kind::kFileTooLarge}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Expected<GridPicture, ImportError> imported = ImportPng(c.bytes);
    ASSERT_EQ(!imported.has_value(), c.error.has_value())
        << (imported ? "" : imported.error().reason);
    if (!c.error) {
      EXPECT_EQ(Joined(imported->cells), c.cells);
      continue;
    }
    ImportError error = imported.error();
    error.reason.clear();  // libspng's wording
    EXPECT_EQ(error, *c.error);
  }
}

TEST(GridPictureTest, RenderedPicturesReadBackWithTheirStyle) {
  std::mt19937 random(20261207);
  for (const PictureStyle& style :
       {PictureStyle{},
        PictureStyle{.scale = 4, .palette = {0xFF000000, 0xFFFF0000, 0x80102030, 0x00FFFFFF}},
        PictureStyle{.scale = kLargestScale}}) {
    SCOPED_TRACE(style.scale);
    Cells cells;
    for (std::string& cell : cells) cell = std::string(1, static_cast<char>('0' + random() % 4));
    const Expected<std::string, RenderError> rendered = RenderPng(cells, style);
    ASSERT_TRUE(rendered.has_value()) << rendered.error().reason;
    const Expected<GridPicture, ImportError> imported = ImportPng(*rendered);
    ASSERT_TRUE(imported.has_value()) << imported.error().reason;
    EXPECT_EQ(imported->cells, cells);
    EXPECT_EQ(imported->style, style);
  }
  Cells unusual;
  unusual.fill("1");
  unusual[30] = "12";
  EXPECT_EQ(RenderPng(unusual).error(), (RenderError{RenderError::Kind::kUnusualCell, 30}));
  unusual[30] = "2";
  for (const int scale : {0, kLargestScale + 1}) {
    const Expected<std::string, RenderError> out_of_range = RenderPng(unusual, {.scale = scale});
    ASSERT_FALSE(out_of_range.has_value()) << scale;
    EXPECT_EQ(out_of_range.error().kind, RenderError::Kind::kScaleOutOfRange);
  }
}

}  // namespace
}  // namespace gridcode
