// The bank: the sprites of one document, each with the 152 texts of its
// fields, and which of them the window shows.
//
// A field is named by its place in the window's tab order: the 140 cells
// (0 to 139), the ten row codes (140 to 149) and the two DATA lines (150,
// 151). A bank always holds at least one sprite. A sprite remembers which
// sprite of an opened listing it came from, so that saving over that listing
// writes each sprite back where it stood.

#ifndef GRIDCODE_GRID_SPRITE_BANK_H_
#define GRIDCODE_GRID_SPRITE_BANK_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "grid/grid_document.h"

namespace gridcode {

inline constexpr int kFieldCount = kCellCount + kRows + kDataLineCount;

// Returns the field of row code `row`, and of DATA line `line`.
constexpr int RowCodeField(int row) { return kCellCount + row; }
constexpr int DataLineField(int line) { return kCellCount + kRows + line; }

// Returns the text of field `field` of `texts`.
const std::string& FieldText(const GridDocument& texts, int field);
std::string& FieldText(GridDocument& texts, int field);

// One sprite of a bank.
struct BankSprite {
  GridDocument texts;
  std::optional<std::size_t> origin;  // the listing's sprite it came from

  friend bool operator==(const BankSprite&, const BankSprite&) = default;
};

// A sprite of "0" in every cell, with no row codes or DATA lines yet.
BankSprite ZeroSprite();

// Returns the characters held by the texts of `sprite`.
std::size_t TextSize(const BankSprite& sprite);

class SpriteBank {
 public:
  // A bank of one zero sprite, shown.
  SpriteBank();
  // A bank of `sprites`, at least one, showing sprite `shown`.
  explicit SpriteBank(std::vector<BankSprite> sprites, std::size_t shown = 0);

  std::size_t size() const { return sprites_.size(); }
  std::size_t shown() const { return shown_; }
  const BankSprite& sprite(std::size_t index) const { return sprites_[index]; }
  const GridDocument& texts(std::size_t index) const { return sprites_[index].texts; }
  const std::vector<BankSprite>& sprites() const { return sprites_; }

  // Each of these takes indices within the bank.
  // Sets the text of `field` of sprite `index`.
  void SetText(std::size_t index, int field, std::string text);
  void SetShown(std::size_t index) { shown_ = index; }
  // Puts `sprite` at `index` (size() appends) and shows it.
  void Insert(std::size_t index, BankSprite sprite);
  // Takes sprite `index` out, when another is left, and shows the one that
  // takes its place (or the new last one).
  BankSprite Remove(std::size_t index);
  // Moves sprite `from` to `to`, shifting those between, and shows it there.
  void Move(std::size_t from, std::size_t to);
  // Makes each sprite's origin its own place, as after the bank was written
  // whole into a listing.
  void NumberOrigins();

  friend bool operator==(const SpriteBank&, const SpriteBank&) = default;

 private:
  std::vector<BankSprite> sprites_;
  std::size_t shown_ = 0;
};

}  // namespace gridcode

#endif  // GRIDCODE_GRID_SPRITE_BANK_H_
