#include "window/file_drop.h"

#include <QList>
#include <QUrl>

namespace gridcode {

DropContents ReadDrop(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.isEmpty()) return {};
  DropContents contents;
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) {
      contents.kind = DropContents::Kind::kNotLocalFile;
      contents.link = url.toDisplayString();
      contents.paths.clear();
      return contents;
    }
    contents.paths << url.toLocalFile();
  }
  contents.kind = DropContents::Kind::kLocalFiles;
  return contents;
}

}  // namespace gridcode
