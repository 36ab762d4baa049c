// `BankModel`: the one model of the window's document, the bank of sprites
// and the file it was opened from, which signals every change it takes.
//
// The fields, the picture, the cells' marks and the thumbnails show what it
// holds and keep no copy; the undo history's steps are what change it.

#ifndef GRIDCODE_WINDOW_BANK_MODEL_H_
#define GRIDCODE_WINDOW_BANK_MODEL_H_

#include <QObject>
#include <QString>
#include <cstddef>
#include <memory>
#include <string>

#include "encoder/listing.h"
#include "grid/sprite_bank.h"

namespace gridcode {

// The files of the document: the one it was last opened from or saved to,
// whose name SAVE offers, and the listing its sprites came from, which SAVE
// to that listing's name rewrites in place.
struct DocumentFile {
  QString path;                            // empty: none
  QString listing_path;                    // empty: none
  std::shared_ptr<const Listing> listing;  // the listing at listing_path, as read

  friend bool operator==(const DocumentFile&, const DocumentFile&) = default;
};

class BankModel : public QObject {
  Q_OBJECT

 public:
  const SpriteBank& bank() const { return bank_; }
  std::size_t shown() const { return bank_.shown(); }
  const GridDocument& shown_texts() const { return bank_.texts(bank_.shown()); }
  const DocumentFile& file() const { return file_; }

  // The changes, each signalled once made.
  void SetText(std::size_t sprite, int field, std::string text);
  void SetShown(std::size_t sprite);
  void Insert(std::size_t at, BankSprite sprite);
  BankSprite Remove(std::size_t at);
  void Move(std::size_t from, std::size_t to);
  // Exchanges the whole bank and file with `bank` and `file`.
  void Swap(SpriteBank& bank, DocumentFile& file);
  void SetFile(DocumentFile file);
  // Follows a save of the whole bank as the listing `file`: each sprite now
  // comes from the listing's sprite at its own place.
  void SavedAsListing(DocumentFile file);

 signals:
  // The text of `field` of sprite `sprite` changed.
  void TextChanged(std::size_t sprite, int field);
  // Another sprite is shown, or the shown one's texts were all replaced.
  void ShownChanged();
  // Sprites came, went or moved.
  void SpritesChanged();
  void FileChanged();

 private:
  SpriteBank bank_;
  DocumentFile file_;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_BANK_MODEL_H_
