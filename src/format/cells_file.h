// Files of cells, grid files or grid pictures: the one reader behind LOAD and
// gridcode-data's inputs, and the one writer behind SAVE and gridcode-data's
// outputs.
//
// Reading, the first bytes decide: a PNG is read as a grid picture, a file in
// another picture format is refused by name, and anything else is a grid
// file. A picture is read within kImageByteLimit bytes and a grid file within
// its own first field, so that no input of any size is held whole. The reader
// that also takes listings first reads a text as far as listing_file.h needs
// to tell whether it is one of those.
//
// Writing, the target decides:
//  - a name ending in .png, in any letter case, or a PNG picture that is
//    replaced gets a picture; any other target a grid file, unless a picture
//    is asked for whatever the name;
//  - a replaced picture keeps its scale and its palette entries 0 to 3,
//    transparency included, unless a scale or palette entries are asked
//    for; a new picture is 14 x 10 pixels in the standard colours unless
//    asked otherwise;
//  - cells that a picture cannot hold are refused, by the first one's row and
//    column, and nothing is to be written.

#ifndef GRIDCODE_FORMAT_CELLS_FILE_H_
#define GRIDCODE_FORMAT_CELLS_FILE_H_

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/expected.h"
#include "format/grid_file.h"
#include "format/grid_picture.h"
#include "format/listing_file.h"
#include "format/picture_format.h"
#include "grid/grid_document.h"
#include "grid/value_colours.h"
#include "storage/file_io.h"

namespace gridcode {

// Which kinds of file a reader takes.
enum class AcceptedFiles {
  kGridFilesAndPictures,
  kPicturesOnly,  // a grid file is an error (kNotAPicture)
};

// The cells read from a file, and what the file was.
struct LoadedCells {
  Cells cells;
  PictureFormat format = PictureFormat::kNone;  // the picture format found, kNone for a grid file
  PictureStyle style;                           // for a picture read: how it was drawn
};

// Why a file gives no cells: opening or reading it failed, it is a grid file
// with no grid in it, or it is not a grid picture.
using CellsFileError = std::variant<FileError, GridFileError, ImportError>;

// Reads the cells of the file that `input` holds, from its current place. A
// read failure of an InputFile's stream is reported as such.
Expected<LoadedCells, CellsFileError> ReadCells(std::istream& input, AcceptedFiles accepted);

// Opens the file at `path` and reads its cells; the file is closed on return.
Expected<LoadedCells, CellsFileError> LoadCells(const std::filesystem::path& path,
                                                Readable readable, AcceptedFiles accepted);

// A file the reader that takes listings read: cells, or a listing of sprites.
using LoadedFile = std::variant<LoadedCells, Listing>;

// Why such a file gives neither: as CellsFileError, or a listing refused
// (too many sprites, too large).
using LoadedFileError = std::variant<FileError, GridFileError, ImportError, DecodeError>;

// Reads the file that `input` holds, from its current place: a listing when
// it is one, else its cells as ReadCells does.
Expected<LoadedFile, LoadedFileError> ReadCellsOrListing(std::istream& input,
                                                         AcceptedFiles accepted);

// Opens the file at `path` and reads it as ReadCellsOrListing does.
Expected<LoadedFile, LoadedFileError> LoadCellsOrListing(const std::filesystem::path& path,
                                                         Readable readable, AcceptedFiles accepted);

// Returns the picture format that `read` found in its file, as far as it read
// it (kNone for a grid file): a PNG that is not a grid picture is still a PNG.
PictureFormat FormatFound(const Expected<LoadedCells, CellsFileError>& read);

// What a front end asks of the writer beyond the target and the cells.
struct WriteRequest {
  bool picture = false;           // a picture, whatever the target's name
  std::optional<int> scale = {};  // the picture's scale, over that of a replaced picture
  std::optional<std::array<Argb, 4>> palette = {};  // its palette entries 0 to 3, likewise
  // The palette entries of a new picture, where no picture is replaced.
  std::optional<std::array<Argb, 4>> new_picture_palette = {};
};

// A file of cells, ready to be saved.
struct CellsFileBytes {
  std::string bytes;
  PictureFormat format = PictureFormat::kNone;  // kPng for a picture, kNone for a grid file
  // For a grid file, the cells that will not load back as they are
  // (CellsThatWillNotLoadBack), which the user is to confirm before it is saved.
  std::vector<int> will_not_load_back = {};
};

// Returns the file of `cells` to save at `target` (nullopt: standard output),
// as the header describes; a picture's refusal is the error.
Expected<CellsFileBytes, RenderError> MakeCellsFile(
    const std::optional<std::filesystem::path>& target, const Cells& cells,
    const WriteRequest& request = {});

}  // namespace gridcode

#endif  // GRIDCODE_FORMAT_CELLS_FILE_H_
