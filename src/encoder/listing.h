// A user's BASIC listing held whole: its sprites, found among its code and its
// other DATA by the grammar of listing_grammar.h, and the listing rewritten to
// hold a bank of sprites with every other byte kept.
//
// The listing is read from its own bytes. UTF-8 (with or without a byte order
// mark), CP932 and other character sets that keep ASCII as it is are read byte
// by byte: every byte the grammar looks at is ASCII, and no byte of a
// character beyond it is a quote, a comma, a colon or an apostrophe. UTF-16
// with a byte order mark is read as its code units, one a place, those beyond
// ASCII read as a byte that is none of those; its places are units after the
// mark. Places in a listing are offsets into that text: bytes, or units.
//
// Rewriting for a bank of sprites, each of which came from a sprite of the
// listing or is new:
//  - the places of the listing's sprites that the bank still uses, in listing
//    order, hold the bank's sprites that came from the listing, in bank order
//    (so a move swaps what the places hold); a row code whose value changes is
//    written over in place, in its own letter case (quotes stay as they are);
//  - the row codes of places no longer used leave, with their commas; a DATA
//    statement left with no items leaves, and a line left with nothing leaves
//    too, unless another line names its number (GOTO 30, RESTORE 30): that
//    needs the consent to drop it;
//  - new sprites become DATA lines of five row codes each, in the listing's
//    style (line numbers or none, quotes, the keyword's spelling, blanks,
//    letter case, line ends), after the line that holds the last row code of
//    the bank's sprite before them, or before the first place's line when
//    they come first; numbered on by the listing's step, or, with consent, by
//    a smaller step where the numbers between leave no room for it;
//  - a program that encode --program wrote keeps its sprite count (LET N=)
//    right;
//  - every other byte stays: an unchanged bank gives the same bytes.
// The result is read back before it is returned, and refused unless it holds
// exactly the bank's sprites, in order.

#ifndef GRIDCODE_ENCODER_LISTING_H_
#define GRIDCODE_ENCODER_LISTING_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/expected.h"
#include "encoder/data_statements.h"
#include "encoder/listing_grammar.h"
#include "grid/grid_document.h"

namespace gridcode {

// The most bytes of a listing that is read whole.
inline constexpr std::size_t kListingByteLimit = std::size_t{32} << 20;

// The most sprites of a listing, and of a bank written into one.
inline constexpr std::size_t kListingSpriteLimit = 20000;

// How a listing's text is stored in its bytes.
enum class ListingEncoding {
  kBytes,    // UTF-8, CP932 or another set that keeps ASCII: the text is the bytes
  kUtf16Le,  // UTF-16 after its byte order mark, little endian
  kUtf16Be,  // the same, big endian
};

// A line of the listing that holds row codes of sprites.
struct ListingLine {
  std::int64_t number = 0;           // counted from 1
  std::size_t start = 0, end = 0;    // its text, without its line end
  std::size_t next = 0;              // where the next line starts (end: none)
  std::optional<long> label;         // its line number, if it has one
  std::optional<long> label_before;  // that of the nearest numbered line before it
  std::optional<long> label_after;   // that of the nearest numbered line after it
};

// Where one row code stands; offsets within kListingByteLimit, held in 32
// bits so that the places of many sprites take little memory.
struct RowCodePlace {
  std::uint32_t offset = 0;      // of its first digit
  std::uint32_t item_begin = 0;  // of its item, quotes included
  std::uint32_t line = 0;        // index into Listing::lines
  bool quoted = false;
  bool lower_case = false;   // its letters are small
  bool has_letters = false;  // it has a digit A to F
};

// A sprite of a listing: the values of its row codes and where they stand.
struct ListingSprite {
  RowCodes codes{};
  std::array<RowCodePlace, kRows> places{};
};

// How a new DATA line of the listing is written, taken from the line that
// holds the last row code of its last sprite.
struct ListingStyle {
  std::string indent;              // before the line number or keyword
  std::string after_number = " ";  // between the line number and the keyword
  std::string keyword = "DATA";
  std::string after_keyword = " ";
  std::string separator = ",";  // between items
  std::string line_end = "\n";
  bool quoted = false;
  bool lower_case = false;  // of the letters of row codes
};

// A line that another line names, and the first line that names it.
struct NamedLine {
  long label = 0;
  std::int64_t named_by = 0;  // the line number counted from 1
};

// A listing read whole.
struct Listing {
  std::string bytes;  // the file as it is
  ListingEncoding encoding = ListingEncoding::kBytes;
  std::string units;  // for UTF-16: the text read, a byte a unit; else empty
  std::vector<ListingSprite> sprites;
  std::vector<ListingLine> lines;  // those that hold row codes, in order
  long step = 10;                  // the most usual step between line numbers
  ListingStyle style;
  std::vector<NamedLine> named;     // by label, each once
  bool has_line_end_at_end = true;  // the last line ends with a line end
  std::optional<long> last_label;   // the last line's number, if it has one
  // For a program of encode --program: where its sprite count stands.
  std::optional<std::size_t> sprite_count_offset;
  std::size_t sprite_count_length = 0;
  bool program = false;  // a program of encode --program: lines up to kLargestProgramLineNumber

  // The text the places point into.
  std::string_view text() const;
};

// Reads the sprites of the listing `bytes` and where everything stands.
// Errors: kListingTooLarge, kLineTooLong, kUtf16WithoutByteOrderMark,
// kTooManySprites.
Expected<Listing, DecodeError> ReadListing(std::string bytes);

// Returns the cells of sprite `sprite` of `listing`, each "0" to "3".
Cells SpriteCells(const Listing& listing, std::size_t sprite);

// A sprite of a bank to be written into a listing, and the index of the
// listing's sprite it came from (nullopt for a new sprite or a copy).
struct ListingEntry {
  Cells cells;
  std::optional<std::size_t> origin;
};

// What the user has agreed to beyond a change in place.
struct ListingConsent {
  bool drop_named_lines = false;  // a line another one names may leave
  bool renumber = false;          // new lines may be numbered by a smaller step
};

// Why a bank cannot be written into a listing. Those that needs_consent()
// can be written with the consent they name; the others cannot.
struct ListingSaveError {
  enum class Kind {
    kNamedLineLeftEmpty,  // line `label` would leave, and line `named_by` names it
    kNoRoomForLines,      // `count` new lines do not fit between `label` and `next_label` by `step`
    kNoLineNumbersLeft,   // nor by any step
    kUnusualCell,         // cell `cell` of bank sprite `sprite` is not one digit 0 to 3
    kBadOrigin,           // bank sprite `sprite` names a listing sprite past its end, or twice
    kTooManySprites,      // the bank holds more than kListingSpriteLimit sprites
    kReadsBackOtherwise,  // the result would read back with bank sprite `sprite` different
  };
  Kind kind;
  TextPosition position = {};  // in the listing: the line, or where the sprite stood
  std::size_t sprite = 0;      // an index into the bank
  int cell = 0;
  long label = 0;
  std::optional<long> next_label = {};
  std::int64_t named_by = 0;
  long long count = 0;
  long step = 0;

  bool needs_consent() const {
    return kind == Kind::kNamedLineLeftEmpty || kind == Kind::kNoRoomForLines;
  }
  friend bool operator==(const ListingSaveError&, const ListingSaveError&) = default;
};

// Returns the bytes of `listing` rewritten to hold `bank`, as the header
// describes.
Expected<std::string, ListingSaveError> RewriteListing(const Listing& listing,
                                                       const std::vector<ListingEntry>& bank,
                                                       ListingConsent consent = {});

// Returns the bank that `listing` holds: each sprite with its origin.
std::vector<ListingEntry> ListingBank(const Listing& listing);

// Returns what RewriteListing returns for the bank of `listing` with sprite
// `sprite` holding `cells` instead, or with `cells` added after its sprites
// when `sprite` is their count (past that, kBadOrigin); without making the
// cells of every other sprite, which stay as they are. It takes the listing,
// whose bytes become the result where only row codes are written over.
Expected<std::string, ListingSaveError> RewriteListingSprite(Listing listing, std::size_t sprite,
                                                             const Cells& cells,
                                                             ListingConsent consent = {});

}  // namespace gridcode

#endif  // GRIDCODE_ENCODER_LISTING_H_
