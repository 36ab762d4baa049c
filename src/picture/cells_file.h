// Reading the cells of a file that is a grid file or a grid picture: the one
// reader behind LOAD, SAVE's look at the file it replaces, and gridcode-data.
//
// The first bytes decide: a PNG is read as a grid picture, a file in another
// picture format is refused by name, and anything else is a grid file. A
// picture is read within kImageByteLimit bytes and a grid file within its own
// first field, so that no input of any size is held whole.

#ifndef GRIDCODE_PICTURE_CELLS_FILE_H_
#define GRIDCODE_PICTURE_CELLS_FILE_H_

#include <filesystem>
#include <istream>
#include <variant>

#include "base/expected.h"
#include "grid/grid_document.h"
#include "picture/grid_picture.h"
#include "picture/picture_format.h"
#include "storage/file_io.h"
#include "storage/grid_file.h"

namespace gridcode {

// Which kinds of file a reader takes.
enum class Accepted {
  kGridFilesAndPictures,
  kPicturesOnly,  // a grid file is an error (kNotAPicture)
};

// The cells read from a file, and what the file was.
struct CellsFile {
  Cells cells;
  PictureFormat format = PictureFormat::kNone;  // the picture format found, kNone for a grid file
  PictureStyle style;                           // for a picture read: how it was drawn
};

// Why a file gives no cells: opening or reading it failed, it is a grid file
// with no grid in it, or it is not a grid picture.
using CellsFileError = std::variant<FileError, GridFileError, ImportError>;

// Reads the cells of the file that `input` holds, from its current place. A
// read failure of an InputFile's stream is reported as such.
Expected<CellsFile, CellsFileError> ReadCells(std::istream& input, Accepted accepted);

// Opens the file at `path` and reads its cells; the file is closed on return.
Expected<CellsFile, CellsFileError> LoadCells(const std::filesystem::path& path, Readable readable,
                                              Accepted accepted);

// Returns the picture format of the file that `read` came from, as far as it
// was read: a PNG that is not a grid picture is still a PNG.
PictureFormat FormatRead(const Expected<CellsFile, CellsFileError>& read);

}  // namespace gridcode

#endif  // GRIDCODE_PICTURE_CELLS_FILE_H_
