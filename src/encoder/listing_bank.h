// A listing's sprites as a bank, and a bank as the sprites to write back into
// a listing: the bridge between the user's BASIC listing and the document.

#ifndef GRIDCODE_ENCODER_LISTING_BANK_H_
#define GRIDCODE_ENCODER_LISTING_BANK_H_

#include <cstddef>
#include <optional>
#include <vector>

#include "encoder/listing.h"
#include "grid/sprite_bank.h"

namespace gridcode {

// Returns a sprite of `cells` from `origin`, with its row codes and DATA
// lines as Command1 writes them.
BankSprite EncodedSprite(const Cells& cells, std::optional<std::size_t> origin);

// Returns the sprites of `listing`, each from its place in it.
std::vector<BankSprite> ListingSprites(const Listing& listing);

// Returns `bank` as sprites to write into `listing`. A sprite that names a
// place the listing lacks, or one an earlier sprite took (as after an undo
// past a save), is written as a new sprite.
std::vector<ListingEntry> ListingEntries(const SpriteBank& bank, const Listing& listing);

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_LISTING_BANK_H_
