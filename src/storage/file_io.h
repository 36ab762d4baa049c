// Grid files on disk: loading one by name, and saving so that a failure never
// destroys the file that was there.

#ifndef GRIDCODE_STORAGE_FILE_IO_H_
#define GRIDCODE_STORAGE_FILE_IO_H_

#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "storage/grid_file.h"

namespace gridcode {

// Opens the file at `path` into `input` for reading bytes, or says why it
// cannot: a folder, or a file that does not exist or may not be read.
std::optional<FileError> OpenForReading(const std::filesystem::path& path, std::ifstream& input);

// Reads the cells of the grid file at `path`. The file is closed on return.
LoadedCells LoadGridFile(const std::filesystem::path& path);

// Replaces the file at `path` with `contents`, or leaves it as it was: the
// bytes go to a new file in the same folder, are synced to disk, and that file
// is then renamed over `path`. A symbolic link is followed, not replaced, an
// existing file keeps its permissions, and one the user may not write is left
// alone.
std::optional<FileError> WriteFileAtomically(const std::filesystem::path& path,
                                             std::string_view contents);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_FILE_IO_H_
