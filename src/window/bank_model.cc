#include "window/bank_model.h"

#include <utility>

namespace gridcode {

void BankModel::SetText(std::size_t sprite, int field, std::string text) {
  if (FieldText(bank_.texts(sprite), field) == text) return;
  bank_.SetText(sprite, field, std::move(text));
  emit TextChanged(sprite, field);
}

void BankModel::SetShown(std::size_t sprite) {
  if (sprite == bank_.shown()) return;
  bank_.SetShown(sprite);
  emit ShownChanged();
}

void BankModel::Insert(std::size_t at, BankSprite sprite) {
  bank_.Insert(at, std::move(sprite));
  emit SpritesChanged();
  emit ShownChanged();
}

BankSprite BankModel::Remove(std::size_t at) {
  BankSprite removed = bank_.Remove(at);
  emit SpritesChanged();
  emit ShownChanged();
  return removed;
}

void BankModel::Move(std::size_t from, std::size_t to) {
  bank_.Move(from, to);
  emit SpritesChanged();
  emit ShownChanged();
}

void BankModel::Swap(SpriteBank& bank, DocumentFile& file) {
  std::swap(bank_, bank);
  std::swap(file_, file);
  emit SpritesChanged();
  emit ShownChanged();
  emit FileChanged();
}

void BankModel::SetFile(DocumentFile file) {
  if (file == file_) return;
  file_ = std::move(file);
  emit FileChanged();
}

void BankModel::SavedAsListing(DocumentFile file) {
  bank_.NumberOrigins();
  SetFile(std::move(file));
}

}  // namespace gridcode
