#include "grid/sprite_bank.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace gridcode {

const std::string& FieldText(const GridDocument& texts, int field) {
  if (field < kCellCount) return texts.cells[field];
  if (field < DataLineField(0)) return texts.row_codes[field - kCellCount];
  return texts.data_lines[field - DataLineField(0)];
}

std::string& FieldText(GridDocument& texts, int field) {
  return const_cast<std::string&>(FieldText(std::as_const(texts), field));
}

BankSprite ZeroSprite() {
  BankSprite sprite;
  ResetGrid(sprite.texts);
  return sprite;
}

std::size_t TextSize(const BankSprite& sprite) {
  std::size_t size = 0;
  for (int field = 0; field < kFieldCount; ++field) size += FieldText(sprite.texts, field).size();
  return size;
}

SpriteBank::SpriteBank() : sprites_{ZeroSprite()} {}

SpriteBank::SpriteBank(std::vector<BankSprite> sprites, std::size_t shown)
    : sprites_(std::move(sprites)), shown_(shown) {
  if (sprites_.empty()) sprites_.push_back(ZeroSprite());
  shown_ = std::min(shown_, sprites_.size() - 1);
}

void SpriteBank::SetText(std::size_t index, int field, std::string text) {
  FieldText(sprites_[index].texts, field) = std::move(text);
}

void SpriteBank::Insert(std::size_t index, BankSprite sprite) {
  const auto at = sprites_.begin() + static_cast<std::ptrdiff_t>(index);
  sprites_.insert(at, std::move(sprite));
  shown_ = index;
}

BankSprite SpriteBank::Remove(std::size_t index) {
  assert(sprites_.size() > 1);
  const auto at = sprites_.begin() + static_cast<std::ptrdiff_t>(index);
  BankSprite removed = std::move(*at);
  sprites_.erase(at);
  shown_ = std::min(index, sprites_.size() - 1);
  return removed;
}

void SpriteBank::Move(std::size_t from, std::size_t to) {
  const auto begin = sprites_.begin();
  const auto first = begin + static_cast<std::ptrdiff_t>(from);
  const auto last = begin + static_cast<std::ptrdiff_t>(to);
  if (from < to) {
    std::rotate(first, first + 1, last + 1);
  } else {
    std::rotate(last, first, first + 1);
  }
  shown_ = to;
}

void SpriteBank::NumberOrigins() {
  for (std::size_t i = 0; i < sprites_.size(); ++i) sprites_[i].origin = i;
}

}  // namespace gridcode
