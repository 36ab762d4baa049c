#include "window/clipboard.h"

#include <QBuffer>
#include <QImage>
#include <sstream>
#include <string>

#include "encoder/data_lines.h"

namespace gridcode {
namespace {

constexpr auto kPngType = "image/png";

Expected<LoadedFile, PasteError> Read(const QByteArray& bytes, AcceptedFiles accepted) {
  std::istringstream input(bytes.toStdString());
  Expected<LoadedFile, LoadedFileError> read = ReadCellsOrListing(input, accepted);
  if (!read) return Unexpected<PasteError>(std::move(read).error());
  return std::move(*read);
}

}  // namespace

Expected<std::unique_ptr<QMimeData>, RenderError> SpriteMimeData(const Cells& cells,
                                                                 const PictureStyle& style) {
  Expected<std::string, RenderError> png = RenderPng(cells, style);
  if (!png) return Unexpected(png.error());
  // A picture holds only digits 0 to 3, so the DATA lines cannot overflow.
  GridDocument document{.cells = cells, .row_codes = {}, .data_lines = {}};
  BuildDataLines(document);
  auto data = std::make_unique<QMimeData>();
  data->setData(QLatin1String(kPngType), QByteArray::fromStdString(*png));
  data->setText(
      QString::fromStdString(document.data_lines[0] + '\n' + document.data_lines[1] + '\n'));
  return data;
}

Expected<LoadedFile, PasteError> ReadPaste(const QMimeData& data) {
  if (data.hasFormat(QLatin1String(kPngType))) {
    return Read(data.data(QLatin1String(kPngType)), AcceptedFiles::kPicturesOnly);
  }
  if (data.hasImage()) {
    // A picture in another format, which the toolkit decodes: written as a
    // PNG with its alpha, so that it is read by the same rules.
    const auto image = qvariant_cast<QImage>(data.imageData());
    QByteArray png;
    QBuffer buffer(&png);
    if (!image.isNull() && buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG")) {
      return Read(png, AcceptedFiles::kPicturesOnly);
    }
  }
  if (data.hasText() && !data.text().trimmed().isEmpty())
    return Read(data.text().toUtf8(), AcceptedFiles::kGridFilesAndPictures);
  return Unexpected<PasteError>(std::nullopt);
}

}  // namespace gridcode
