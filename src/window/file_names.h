// File names as the toolkit holds them, turned into the paths the file layer
// takes, with no code page between them that could lose a character: on
// Windows as the wide characters of the system's own calls, elsewhere as the
// bytes the file system holds in the locale's encoding.

#ifndef GRIDCODE_WINDOW_FILE_NAMES_H_
#define GRIDCODE_WINDOW_FILE_NAMES_H_

#include <QString>
#include <filesystem>

namespace gridcode {

// Returns `name` as the file system spells it.
std::filesystem::path FileSystemPath(const QString& name);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FILE_NAMES_H_
