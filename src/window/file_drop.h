// What a drop on the window holds, read from its mime data: files of this
// computer to open, links that are not all such files (a web address, say),
// or no links at all, which leaves the text for a text field to take.

#ifndef GRIDCODE_WINDOW_FILE_DROP_H_
#define GRIDCODE_WINDOW_FILE_DROP_H_

#include <QMimeData>
#include <QString>
#include <QStringList>

namespace gridcode {

struct DropContents {
  enum class Kind {
    kNoLinks,       // no list of links
    kLocalFiles,    // links that all name files of this computer
    kNotLocalFile,  // links of which at least one names something else
  };
  Kind kind = Kind::kNoLinks;
  QStringList paths;  // kLocalFiles: the files' paths, in the order dropped
  QString link;       // kNotLocalFile: the first link that names no local file
};

// Returns what `data`, the mime data of a drop, holds.
DropContents ReadDrop(const QMimeData& data);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FILE_DROP_H_
