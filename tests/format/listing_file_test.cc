#include "format/listing_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "format/cells_file.h"
#include "support/repeating_buffer.h"
#include "support/utf16_bytes.h"

namespace gridcode {
namespace {

// The one reader tells listings from grid files and pictures: a text in
// which the listing reader finds a sprite is a listing, and anything else is
// read as before, reading no more of it than that needs.
TEST(ListingFileTest, TheOneReaderTellsListingsFromGridFilesAndPictures) {
  const std::string sprite =
      "DATA 1BE4000,0000000,0000000,0000000,0000000\r\nDATA 0000000,0000000,0000000,0000000,"
      "0000000\r\n";
  Cells heart;
  heart.fill("0");
  for (int i = 1; i < 7; ++i) heart[i] = std::string(1, "0123321"[i]);
  struct Case {
    std::string name;
    std::size_t size;  // of the input: `pattern` repeated
    std::string pattern;
    long long sprites;  // of a listing, or -1 for cells, or
    std::optional<DecodeError::Kind> error = {};
    std::size_t most_read = 0;  // the most bytes read, when not 0
  };
  const std::u16string wide(sprite.begin(), sprite.end());
  const std::string picture = *RenderPng(heart, PictureStyle{});
  const std::vector<Case> cases = {
      {"a listing", 3 * sprite.size(), sprite, 3},
      {"a listing in UTF-16", 2 + 2 * wide.size(), Utf16Bytes(u"\uFEFF" + wide, true), 1},
      {"a grid file", 142, "01233210000000" + std::string(126, '0') + "\r\n", -1},
      {"a text without sprites", 9, "10 PRINT\n", -1},
      {"a picture", picture.size(), picture, -1},
      {"a huge one-line grid file", std::size_t{1} << 30, "0", -1, {}, std::size_t{1} << 18},
      {"a listing over the limit", kListingByteLimit + 100, "DATA 0000000\n", 0,
       DecodeError::Kind::kListingTooLarge, kListingByteLimit + (std::size_t{1} << 17)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RepeatingBuffer bytes(c.pattern, c.size);
    std::istream input(&bytes);
    const Expected<LoadedFile, LoadedFileError> read =
        ReadCellsOrListing(input, AcceptedFiles::kGridFilesAndPictures);
    if (c.most_read != 0) {
      EXPECT_LE(bytes.taken(), c.most_read);
    }
    if (c.error) {
      ASSERT_FALSE(read.has_value());
      EXPECT_EQ(std::get<DecodeError>(read.error()).kind, *c.error);
      continue;
    }
    ASSERT_TRUE(read.has_value());
    if (c.sprites < 0) {
      ASSERT_TRUE(std::holds_alternative<LoadedCells>(*read));
      if (c.name == "a picture") {
        EXPECT_EQ(std::get<LoadedCells>(*read).cells, heart);
      }
      continue;
    }
    const auto& listing = std::get<Listing>(*read);
    EXPECT_EQ(static_cast<long long>(listing.sprites.size()), c.sprites);
    EXPECT_EQ(SpriteCells(listing, 0), heart);
  }
  // The reader of cells alone reads a listing as a grid file, as it always has.
  std::istringstream listing(sprite);
  const Expected<LoadedCells, CellsFileError> cells =
      ReadCells(listing, AcceptedFiles::kGridFilesAndPictures);
  ASSERT_TRUE(cells.has_value());
  EXPECT_EQ(cells->cells[0], "D");
}

}  // namespace
}  // namespace gridcode
