// The picture of the grid: one square a cell, in the colour of its value
// (grid/value_colours.h), as a PNG file, out and back in. Plain C++ on
// libspng; the window draws the same colours with its toolkit.
//
// A grid picture is 14N x 10N pixels for a whole N from 1 to kLargestScale,
// each cell an N x N block of one colour. Written, it is an indexed PNG whose
// palette entries 0 to 3 are the colours of the values, so that a pixel's
// palette index is its cell's value; entries that are not opaque (a
// transparent 0) have their alpha in a tRNS chunk. Read, every PNG is taken:
//  - an indexed picture by palette index: 0 to 3 are the values, and an index
//    past the palette's entries, or above 3, is an error;
//  - any other (greyscale, grey and alpha, RGB, RGBA; 1 to 16 bits) by colour:
//    each pixel must be exactly one of the four colours, or fully transparent,
//    which is 0.
// The size is checked from the header before any pixel is decoded, so that a
// picture too large for a grid is refused at once and in little memory.

#ifndef GRIDCODE_FORMAT_GRID_PICTURE_H_
#define GRIDCODE_FORMAT_GRID_PICTURE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/expected.h"
#include "format/picture_format.h"
#include "grid/grid_document.h"
#include "grid/value_colours.h"

namespace gridcode {

// The largest N of a 14N x 10N picture that is written or read.
inline constexpr int kLargestScale = 64;
// The most bytes of a picture file that are read.
inline constexpr std::size_t kImageByteLimit = std::size_t{64} << 20;

// How a grid picture is drawn: its scale and the colours of the four values.
struct PictureStyle {
  int scale = 1;                                // N: each cell is an N x N block
  std::array<Argb, 4> palette = kValueColours;  // palette entries 0 to 3

  friend bool operator==(const PictureStyle&, const PictureStyle&) = default;
};

// Why a grid has no PNG.
struct RenderError {
  enum class Kind {
    kUnusualCell,      // cell `cell`, the first one, is not one digit 0 to 3
    kScaleOutOfRange,  // the style's scale is not 1 to kLargestScale
    kEncoderFailed,    // the PNG library could not write it: `reason`
  };
  Kind kind;
  int cell = 0;
  std::string reason = {};

  friend bool operator==(const RenderError&, const RenderError&) = default;
};

// Returns the indexed PNG of `cells` drawn in `style`.
Expected<std::string, RenderError> RenderPng(const Cells& cells, const PictureStyle& style = {});

// A colour read from a picture, 16 bits a channel; 8-bit channels are
// widened (0xAB becomes 0xABAB), so that 8 and 16-bit pictures compare alike.
struct Colour16 {
  std::uint16_t red = 0, green = 0, blue = 0, alpha = 0;
  friend bool operator==(const Colour16&, const Colour16&) = default;
};

// Returns `colour` widened to 16 bits a channel.
Colour16 Widened(Argb colour);

// Returns `colour` as "#rrggbb" when it has 8-bit channels, else "#rrrrggggbbbb".
std::string ColourText(const Colour16& colour);
std::string ColourText(Argb colour);

// Why a file is not a grid picture, with what was found and where.
struct ImportError {
  enum class Kind {
    kFileTooLarge,      // the file is over kImageByteLimit bytes
    kOtherFormat,       // the file is a picture in `format`, not a PNG
    kNotAPicture,       // the file is no picture at all
    kUnreadable,        // a PNG that cannot be read: `reason`
    kWrongSize,         // `width` x `height` is not 14N x 10N
    kTooLarge,          // `width` x `height` is 14N x 10N with N above kLargestScale
    kIndexPastPalette,  // pixel `x`, `y` has index `index`, past the `palette_size` entries
    kUnknownIndex,      // pixel `x`, `y` has palette index `index`, above 3
    kUnknownColour,     // pixel `x`, `y` has colour `colour`, none of the four
    kMixedBlock,        // pixel `x`, `y` differs from the rest of its cell's block
  };
  Kind kind = Kind::kUnreadable;
  PictureFormat format = PictureFormat::kNone;
  std::string reason = {};
  int width = 0, height = 0;
  int x = 0, y = 0;
  int index = 0;
  int palette_size = 0;
  Colour16 colour = {};
  int scale = 0;  // N, for kMixedBlock

  // The cell (row-major index) of the pixel at `x`, `y`, for kMixedBlock.
  int cell_index() const { return CellIndex(y / scale, x / scale); }

  friend bool operator==(const ImportError&, const ImportError&) = default;
};

// The cells of a grid picture and how it was drawn.
struct GridPicture {
  Cells cells;         // each "0" to "3"
  PictureStyle style;  // its scale, and for an indexed picture its palette entries 0 to 3
};

// Reads the grid picture that `bytes` holds, a PNG file.
Expected<GridPicture, ImportError> ImportPng(std::string_view bytes);

}  // namespace gridcode

#endif  // GRIDCODE_FORMAT_GRID_PICTURE_H_
