#include "grid/palettes.h"

#include <charconv>

namespace gridcode {
namespace {

constexpr Argb kAlpha = 0xFF000000;

// Returns "A,B,C" for the colour numbers `numbers`.
std::string NumbersText(const std::array<int, 3>& numbers) {
  return std::to_string(numbers[0]) + ',' + std::to_string(numbers[1]) + ',' +
         std::to_string(numbers[2]);
}

std::vector<Palette> MakeFixedPalettes() {
  std::vector<Palette> palettes = {
      {"gridcode", "gridcode", kValueColours, false},
      {"greys", "Greys", {0xFFFFFFFF, 0xFFAAAAAA, 0xFF555555, 0xFF000000}, false},
      {"handheld", "Handheld", {0xFF9BBC0F, 0xFF8BAC0F, 0xFF306230, 0xFF0F380F}, true},
      {"cga0-low", "CGA 0 low", {0xFF000000, 0xFF00AA00, 0xFFAA0000, 0xFFAA5500}, false},
      {"cga0-high", "CGA 0 high", {0xFF000000, 0xFF55FF55, 0xFFFF5555, 0xFFFFFF55}, false},
      {"cga1-low", "CGA 1 low", {0xFF000000, 0xFF00AAAA, 0xFFAA00AA, 0xFFAAAAAA}, false},
      {"cga1-high", "CGA 1 high", {0xFF000000, 0xFF55FFFF, 0xFFFF55FF, 0xFFFFFFFF}, false},
  };
  palettes.push_back(*C64Palette(kC64DefaultColours));
  return palettes;
}

}  // namespace

const std::vector<Palette>& FixedPalettes() {
  static const std::vector<Palette> palettes = MakeFixedPalettes();
  return palettes;
}

std::optional<Palette> C64Palette(const std::array<int, 3>& numbers) {
  Palette palette{"c64", "C64", {kC64Colours[kC64Background].colour}, true};
  for (std::size_t value = 1; value < palette.colours.size(); ++value) {
    const int number = numbers[value - 1];
    if (number < 0 || number >= static_cast<int>(kC64Colours.size())) return std::nullopt;
    palette.colours[value] = kC64Colours[static_cast<std::size_t>(number)].colour;
  }
  if (numbers != kC64DefaultColours) {
    palette.name += ':' + NumbersText(numbers);
    palette.short_name += ' ' + NumbersText(numbers);
  }
  return palette;
}

std::optional<Palette> PaletteNamed(std::string_view name) {
  for (const Palette& palette : FixedPalettes()) {
    if (palette.name == name) return palette;
  }
  constexpr std::string_view kC64Prefix = "c64:";
  if (!name.starts_with(kC64Prefix)) return std::nullopt;
  // Three whole numbers, parted by commas; C64Palette checks their range.
  std::string_view rest = name.substr(kC64Prefix.size());
  std::array<int, 3> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) {
      if (!rest.starts_with(',')) return std::nullopt;
      rest.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), numbers[i]);
    if (error != std::errc()) return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
  }
  if (!rest.empty()) return std::nullopt;
  return C64Palette(numbers);
}

Palette PictureEntriesPalette(const std::array<Argb, 4>& entries) {
  Palette palette{"picture", "Picture", entries, (entries[0] & kAlpha) == 0};
  if (palette.transparent_zero) palette.colours[0] |= kAlpha;
  return palette;
}

std::array<Argb, 4> PictureColours(const Palette& palette) {
  std::array<Argb, 4> colours = palette.colours;
  if (palette.transparent_zero) colours[0] &= ~kAlpha;
  return colours;
}

}  // namespace gridcode
