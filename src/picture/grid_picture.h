// The picture of the grid: one square a cell, in the colour of its value, and
// the grid as a PNG image, out and back in.
//
// The four values have four colours, clearly apart in lightness as well as in
// hue, from white for 0 to dark violet for 3; a cell that does not hold one
// digit 0 to 3 is drawn in a fifth colour, the orange with which the window
// tints such cells.
//
// A grid picture is 14N x 10N pixels for a whole N >= 1, each cell an N x N
// block of one colour. Rendered, it is an indexed PNG whose palette holds the
// four colours, so that a pixel's palette index is its cell's value. Imported,
// a pixel's value is its palette index (0 to 3) in an indexed image, or else
// its colour, which must be one of the four; a fully transparent pixel is 0.
// Works on QImage alone: it needs no display and no application object.

#ifndef GRIDCODE_PICTURE_GRID_PICTURE_H_
#define GRIDCODE_PICTURE_GRID_PICTURE_H_

#include <QByteArray>
#include <QImage>
#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "grid/grid_document.h"

namespace gridcode {

// The colours of the values 0 to 3.
inline constexpr std::array<QRgb, 4> kValueColours = {0xFFFFFFFF, 0xFF35B779, 0xFF31688E,
                                                      0xFF440154};
// The colour of a cell that does not hold one digit 0 to 3.
inline constexpr QRgb kUnusualColour = 0xFFFFD699;

// The most bytes of an image file that are read.
inline constexpr std::size_t kImageByteLimit = std::size_t{64} << 20;
// The first bytes of every PNG file. No grid file that gridcode writes starts
// with them: 0x89 does not begin a UTF-8 character.
inline constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

// Returns the picture of `cells`: 14 x 10 pixels, indexed, with the four value
// colours at indices 0 to 3 and the unusual colour at index 4.
QImage CellsImage(const Cells& cells);

// A PNG of a grid, or the first cell that has no value to draw.
struct RenderedPng {
  QByteArray png;
  std::optional<int> unusual_cell;  // the index of a cell that is not one digit 0 to 3
};

// Returns the PNG of `cells` at `scale` (1 to 64) pixels a cell.
RenderedPng RenderPng(const Cells& cells, int scale);

// Why an image is not a grid picture, with what was found and where.
struct ImportError {
  enum class Kind {
    kTooLarge,       // the file is over kImageByteLimit bytes
    kNotAnImage,     // no image could be read from the bytes
    kWrongSize,      // `size` is not 14N x 10N
    kUnknownIndex,   // the pixel at `x`, `y` has palette index `index`, above 3
    kUnknownColour,  // the pixel at `x`, `y` has colour `colour`, none of the four
    kMixedBlock,     // the pixel at `x`, `y` differs from the rest of its cell's block
  };
  Kind kind = Kind::kNotAnImage;
  QSize size = {};
  int x = 0, y = 0;
  int index = 0;
  QRgb colour = 0;
  int scale = 0;            // N, for kMixedBlock
  std::string reason = {};  // for kNotAnImage: what the image reader said

  // The cell (row-major index) of the pixel at `x`, `y`, for kMixedBlock.
  int cell_index() const { return CellIndex(y / scale, x / scale); }
};

// The cells of an imported picture, or why there are none.
struct ImportedCells {
  Cells cells;
  std::optional<ImportError> error;
};

// Reads the cells from the image file held by `bytes`: a PNG, or any other
// format that the toolkit reads without plugins of its own.
ImportedCells ImportImage(const QByteArray& bytes);

// Reads the cells from the image file held by `input`, of at most
// kImageByteLimit bytes; reads no more than one byte past that.
ImportedCells ImportImage(std::istream& input);

// Returns whether `input`, from its current place, starts with the PNG
// signature; reads at most its length.
bool StartsWithPngSignature(std::istream& input);

}  // namespace gridcode

#endif  // GRIDCODE_PICTURE_GRID_PICTURE_H_
