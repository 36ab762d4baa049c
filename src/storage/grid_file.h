// The grid file: one line holding the 140 cell texts.
//
// Saving joins the texts of cells 0 to 139 with no separator and ends the line
// with CR LF; the text is UTF-8. Loading reads the first field of the file and
// gives each cell one character of it, in order, and an empty text to the cells
// past its end. So a grid loads back exactly as saved only while every cell
// holds exactly one character that does not end or quote the field.
//
// How the first field is read:
//  - Spaces and tabs before it are skipped, and so are line ends: a file that
//    begins with empty lines is read from its first non-empty line.
//  - A field that starts with a double quote runs to the next double quote, or
//    to the end of the line if there is none; the quotes are not part of it.
//  - Any other field ends at the first comma, CR, LF or the end of the file. A
//    double quote inside it is an ordinary character.
//  - Only the characters that reach a cell are read: at most 140 of them, so
//    a file of any size loads in the same time.
//  - A character is a UTF-8 encoded character. A byte that does not begin a
//    valid UTF-8 sequence is one character on its own and loads as U+FFFD, the
//    replacement character.
//  - A file with nothing but spaces, tabs and line ends has nothing to read.

#ifndef GRIDCODE_STORAGE_GRID_FILE_H_
#define GRIDCODE_STORAGE_GRID_FILE_H_

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_document.h"

namespace gridcode {

// What went wrong with a grid file; `system_error` is the errno where the
// system reported one, else 0.
struct FileError {
  enum class Kind {
    kCannotOpen,     // the file does not exist, or may not be opened
    kIsDirectory,    // the path names a folder
    kNothingToRead,  // the file holds no field
    kCannotWrite,    // writing, syncing or replacing the file failed
  };
  Kind kind;
  int system_error = 0;

  friend bool operator==(const FileError&, const FileError&) = default;
};

// The cells read from a grid file, or why there are none.
struct LoadedCells {
  Cells cells;
  std::optional<FileError> error;
};

// Returns the whole grid file for `cells`: their texts joined, then CR LF.
std::string GridFileText(const Cells& cells);

// Returns the first field of `input`, at most its first 140 characters, or
// nullopt if the input has nothing to read. Reads no further than that.
std::optional<std::string> ReadFirstField(std::istream& input);

// Returns the cells of `field`: cell i holds character i, or is empty past the
// field's end; characters past the 140th are dropped.
Cells SplitCells(std::string_view field);

// Reads the cells of the grid file held by `input`.
LoadedCells ReadGridFile(std::istream& input);

// Returns, in index order, the cells that would not load back as they are:
// not exactly one character, a comma or a line end, or a first cell that is a
// space, a tab or a double quote.
std::vector<int> CellsThatWillNotLoadBack(const Cells& cells);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_GRID_FILE_H_
