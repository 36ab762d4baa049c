// The grid file: one line holding the 140 cell texts.
//
// Saving joins the texts of cells 0 to 139 with no separator and ends the line
// with CR LF; the text is UTF-8. Loading reads the first field of the file and
// gives each cell one character of it, in order, and an empty text to the cells
// past its end. So a grid loads back exactly as saved only while every cell
// holds exactly one character that does not end or quote the field.
//
// How the first field is read:
//  - A UTF-8 byte order mark at the start of the file is skipped (saving
//    writes none). A file in UTF-16 with a byte order mark is read as the
//    text it holds; one without (a NUL in every other byte of the field) is
//    refused, never read as cells.
//  - Spaces and tabs before it are skipped, and so are line ends: a file that
//    begins with empty lines is read from its first non-empty line.
//  - A field that starts with a double quote runs to the next double quote,
//    across line ends, or to the end of the file if there is none; the quotes
//    are not part of it.
//  - Any other field ends at the first comma, CR, LF or the end of the file
//    (so every kind of line end ends it: LF, CR LF, a lone CR). A
//    double quote inside it is an ordinary character.
//  - At most 560 bytes of the field are read (140 characters of up to four
//    bytes) and nothing after it, so that once its field is found a file of
//    any size loads in the same time. What stands before the field is
//    skipped however long it is, in constant memory.
//
// How the field becomes characters:
//  - A field whose first 140 characters are valid UTF-8 is read as UTF-8.
//  - Otherwise, a field that decodes cleanly as CP932 (the Japanese 8-bit
//    character set, a superset of Shift-JIS, in which older grid files were
//    written) is read as CP932.
//  - Otherwise it is read as UTF-8, and each byte that does not begin a valid
//    UTF-8 sequence is one character on its own and loads as U+FFFD, the
//    replacement character.

#ifndef GRIDCODE_FORMAT_GRID_FILE_H_
#define GRIDCODE_FORMAT_GRID_FILE_H_

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "grid/grid_document.h"

namespace gridcode {

// The most bytes of the first field that are read.
inline constexpr std::size_t kFieldByteLimit = std::size_t{kCellCount} * 4;

// Returns the whole grid file for `cells`: their texts joined, then CR LF.
std::string GridFileText(const Cells& cells);

// Why a grid file gives no cells.
enum class GridFileError {
  kNothingToRead,              // it holds nothing but spaces, tabs and line ends
  kUtf16WithNothingToRead,     // the same, in UTF-16 text marked by its byte order mark
  kUtf16WithoutByteOrderMark,  // it is UTF-16 text whose byte order is not marked
};

// Reads the cells of the grid file held by `input`, as the header describes.
Expected<Cells, GridFileError> ReadGridFile(std::istream& input);

// Returns the cells of `field`: cell i holds character i as UTF-8, or is
// empty past the field's end; characters past the 140th are dropped.
Cells SplitCells(std::string_view field);

// Returns, in index order, the cells that would not load back as they are:
// not exactly one character, a comma or a line end, or a first cell that is a
// space, a tab, a double quote or U+FEFF (read as a byte order mark).
std::vector<int> CellsThatWillNotLoadBack(const Cells& cells);

}  // namespace gridcode

#endif  // GRIDCODE_FORMAT_GRID_FILE_H_
