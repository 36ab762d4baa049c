// The palettes a sprite is drawn in: four colours for the values 0 to 3, as
// gridcode draws them or as a target machine shows a sprite of four colours,
// each with a name for gridcode-data's command line and a short one for the
// window. Value 0 is either a background colour or transparent, as on the
// machines whose sprite hardware shows the screen through colour 0; a
// transparent 0 is written to a picture as a palette entry of alpha 0.
//
// The fixed palettes are gridcode's own colours (the default), greys, the
// handheld's four greens, the four CGA 320 x 200 palettes and the C64's
// multicolour sprites, whose values 1 to 3 are any three of the machine's 16
// colours ("c64:A,B,C"). A palette is also made from a picture's own four
// palette entries, so that a picture loaded can be drawn as it was written.

#ifndef GRIDCODE_GRID_PALETTES_H_
#define GRIDCODE_GRID_PALETTES_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/value_colours.h"

namespace gridcode {

// Four colours for the values 0 to 3.
struct Palette {
  std::string name;        // on the command line: "cga1-high", "c64:1,12,0"
  std::string short_name;  // in the window: "CGA 1 high"
  // The colours of the values; that of 0 is opaque even when 0 is
  // transparent: it is then the background that the machine shows through.
  std::array<Argb, 4> colours = kValueColours;
  bool transparent_zero = false;  // value 0 is written with alpha 0

  friend bool operator==(const Palette&, const Palette&) = default;
};

// One of the C64's 16 colours, by its name.
struct NamedColour {
  std::string_view name;
  Argb colour;
};

// The C64's colours, by their numbers 0 to 15.
inline constexpr std::array<NamedColour, 16> kC64Colours = {{
    {"black", 0xFF000000},
    {"white", 0xFFFFFFFF},
    {"red", 0xFF68372B},
    {"cyan", 0xFF70A4B2},
    {"purple", 0xFF6F3D86},
    {"green", 0xFF588D43},
    {"blue", 0xFF352879},
    {"yellow", 0xFFB8C76F},
    {"orange", 0xFF6F4F25},
    {"brown", 0xFF433900},
    {"light red", 0xFF9A6759},
    {"dark grey", 0xFF444444},
    {"grey", 0xFF6C6C6C},
    {"light green", 0xFF9AD284},
    {"light blue", 0xFF6C5EB5},
    {"light grey", 0xFF959595},
}};

// The C64 colour behind a transparent 0: blue, the screen's colour at start-up.
inline constexpr int kC64Background = 6;

// The C64 colours of the values 1 to 3 unless others are chosen: white, grey
// and black, light to dark as in gridcode's own colours, so that a sprite
// drawn in gridcode looks alike, and each apart from the others and from
// the blue screen behind the sprite.
inline constexpr std::array<int, 3> kC64DefaultColours = {1, 12, 0};

// Returns the fixed palettes, gridcode's own first, then greys, handheld,
// cga0-low, cga0-high, cga1-low, cga1-high and c64 (the default colours).
const std::vector<Palette>& FixedPalettes();

// Returns the C64 palette with the colours `numbers` (each 0 to 15) for the
// values 1 to 3, named "c64" for the default colours, else "c64:A,B,C"; or
// nullopt when a number is out of range.
std::optional<Palette> C64Palette(const std::array<int, 3>& numbers);

// Returns the palette named `name`: a fixed one, or "c64:A,B,C" for C64
// colours A, B, C (whole numbers 0 to 15, no blanks); or nullopt.
std::optional<Palette> PaletteNamed(std::string_view name);

// Returns the palette of a picture's palette entries 0 to 3, named "picture":
// 0 is transparent when entry 0 has alpha 0; the other entries are kept as
// they are, translucent ones included.
Palette PictureEntriesPalette(const std::array<Argb, 4>& entries);

// Returns the palette entries 0 to 3 of a picture drawn in `palette`: its
// colours, with alpha 0 for value 0 when it is transparent.
std::array<Argb, 4> PictureColours(const Palette& palette);

}  // namespace gridcode

#endif  // GRIDCODE_GRID_PALETTES_H_
