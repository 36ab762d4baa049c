#include "format/listing_file.h"

#include <algorithm>

namespace gridcode {
namespace {

// How much more is read at a time while telling a listing from other text.
constexpr std::size_t kChunk = std::size_t{64} << 10;

// Bytes without a line end past which a text is no listing: the longest line,
// in UTF-16 too, and its line end.
constexpr std::size_t kLongestRun = 2 * kLongestListingLine + 4;

// The room a listing is read into at first: more than most take, so that
// their bytes are never copied to more room while they are read. Room not
// written to takes no memory.
constexpr std::size_t kUsualListingBytes = std::size_t{1} << 20;

Expected<Listing, ListingFileError> ReadWhole(std::istream& input) {
  std::string bytes;
  bytes.reserve(kUsualListingBytes);
  ReadWithin(input, kListingByteLimit, bytes);
  Expected<Listing, DecodeError> listing = ReadListing(std::move(bytes));
  if (!listing) return Unexpected(listing.error());
  return std::move(*listing);
}

}  // namespace

Expected<Listing, ListingFileError> ReadListingFile(std::istream& input) {
  return ReadStream(input, ReadWhole);
}

Expected<Listing, ListingFileError> LoadListing(const std::filesystem::path& path,
                                                Readable readable) {
  return ReadFile(path, readable, ReadWhole);
}

Expected<ListingOrNot, DecodeError> ReadIfListing(std::string head, std::istream& input) {
  ListingOrNot found{.listing = std::nullopt, .bytes = std::move(head)};
  std::string& bytes = found.bytes;
  std::size_t run = 0;  // bytes since the last line end
  for (std::size_t checked = 0;;) {
    const std::size_t limit = std::min(kListingByteLimit, bytes.size() + kChunk);
    ReadWithin(input, limit, bytes);
    for (; checked < bytes.size(); ++checked) {
      run = bytes[checked] == '\n' || bytes[checked] == '\r' ? 0 : run + 1;
      if (run > kLongestRun) return found;
    }
    if (bytes.size() <= limit) break;  // the end of the file
    if (bytes.size() > kListingByteLimit) {
      // Over the limit: refused if its start holds a sprite, else not a listing.
      std::string start = bytes.substr(0, bytes.find_last_of("\r\n", kListingByteLimit - 1) + 1);
      const Expected<Listing, DecodeError> listing = ReadListing(std::move(start));
      if (listing ? !listing->sprites.empty()
                  : listing.error().kind == DecodeError::Kind::kTooManySprites) {
        return Unexpected(DecodeError{.kind = DecodeError::Kind::kListingTooLarge});
      }
      return found;
    }
  }
  Expected<Listing, DecodeError> listing = ReadListing(bytes);
  if (!listing) {
    if (listing.error().kind == DecodeError::Kind::kTooManySprites)
      return Unexpected(listing.error());
    return found;
  }
  if (!listing->sprites.empty()) {
    found.listing = std::move(*listing);
    found.bytes.clear();
  }
  return found;
}

}  // namespace gridcode
