#include "window/file_names.h"

#include <QFile>

namespace gridcode {

std::filesystem::path FileSystemPath(const QString& name) {
#ifdef _WIN32
  // QFile::encodeName would give the ANSI code page, which holds few of the
  // characters a name may have.
  return {name.toStdWString()};
#else
  return {QFile::encodeName(name).toStdString()};
#endif
}

}  // namespace gridcode
