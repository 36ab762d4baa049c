// The user's BASIC listing as a file: read whole, within kListingByteLimit
// bytes, and told from a grid file.
//
// A text file is a listing when the listing reader finds at least one sprite
// in it; any other file is what it was before listings were read (a grid file
// or a picture, cells_file.h). Telling them apart reads no more of a grid file
// than needed: a line longer than a listing's longest ends the reading, so
// that a huge one-line grid file is never held whole.

#ifndef GRIDCODE_FORMAT_LISTING_FILE_H_
#define GRIDCODE_FORMAT_LISTING_FILE_H_

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <variant>

#include "base/expected.h"
#include "encoder/listing.h"
#include "storage/file_io.h"

namespace gridcode {

// Why a file gives no listing: opening or reading it failed, or the listing
// reader refused it.
using ListingFileError = std::variant<FileError, DecodeError>;

// Reads the listing that `input` holds, from its current place.
Expected<Listing, ListingFileError> ReadListingFile(std::istream& input);

// Opens the file at `path` and reads its listing; the file is closed on return.
Expected<Listing, ListingFileError> LoadListing(const std::filesystem::path& path,
                                                Readable readable = Readable::kAnything);

// What a text file turned out to be: a listing, or the bytes read to tell,
// the start of something else whose rest is still to be read.
struct ListingOrNot {
  std::optional<Listing> listing;
  std::string bytes;
};

// Reads `input` after the bytes `head` already read from it, as the header
// describes, to tell whether it is a listing. Errors: a listing with too
// many sprites, or one over kListingByteLimit bytes (kListingTooLarge).
Expected<ListingOrNot, DecodeError> ReadIfListing(std::string head, std::istream& input);

}  // namespace gridcode

#endif  // GRIDCODE_FORMAT_LISTING_FILE_H_
