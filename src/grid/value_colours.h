// The colours of the cell values, in which the picture of the grid is drawn
// and the grid picture is written: the window's picture and swatches and the
// PNG files show the same four colours.
//
// The four values have four colours, clearly apart in lightness as well as in
// hue, from white for 0 to dark violet for 3; a cell that does not hold one
// digit 0 to 3 is drawn in a fifth colour, the orange with which the window
// tints such cells.

#ifndef GRIDCODE_GRID_VALUE_COLOURS_H_
#define GRIDCODE_GRID_VALUE_COLOURS_H_

#include <array>
#include <cstdint>

namespace gridcode {

// A colour as 0xAARRGGBB, the form the toolkit's images use as well.
using Argb = std::uint32_t;

// The colours of the values 0 to 3.
inline constexpr std::array<Argb, 4> kValueColours = {0xFFFFFFFF, 0xFF35B779, 0xFF31688E,
                                                      0xFF440154};
// The colour of a cell that does not hold one digit 0 to 3.
inline constexpr Argb kUnusualColour = 0xFFFFD699;

}  // namespace gridcode

#endif  // GRIDCODE_GRID_VALUE_COLOURS_H_
