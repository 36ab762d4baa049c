#include "encoder/listing_bank.h"

#include <vector>

#include "encoder/data_lines.h"

namespace gridcode {

BankSprite EncodedSprite(const Cells& cells, std::optional<std::size_t> origin) {
  BankSprite sprite;
  sprite.texts.cells = cells;
  sprite.origin = origin;
  BuildDataLines(sprite.texts);
  return sprite;
}

std::vector<BankSprite> ListingSprites(const Listing& listing) {
  std::vector<BankSprite> sprites;
  sprites.reserve(listing.sprites.size());
  for (const ListingEntry& entry : ListingBank(listing)) {
    sprites.push_back(EncodedSprite(entry.cells, entry.origin));
  }
  return sprites;
}

std::vector<ListingEntry> ListingEntries(const SpriteBank& bank, const Listing& listing) {
  std::vector<ListingEntry> entries;
  entries.reserve(bank.size());
  std::vector<bool> taken(listing.sprites.size(), false);
  for (const BankSprite& sprite : bank.sprites()) {
    std::optional<std::size_t> origin = sprite.origin;
    if (origin && (*origin >= taken.size() || taken[*origin])) origin.reset();
    if (origin) taken[*origin] = true;
    entries.push_back({sprite.texts.cells, origin});
  }
  return entries;
}

}  // namespace gridcode
