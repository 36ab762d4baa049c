#include "picture/grid_picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <vector>

namespace gridcode {
namespace {

constexpr int kUnusualIndex = 4;

bool IsGridSize(const QSize& size) {
  return size.width() > 0 && size.width() % kColumns == 0 &&
         size.width() / kColumns * kRows == size.height();
}

// Reads the value of each pixel of an image: its palette index, or the
// palette entry of its colour.
class PixelValues {
 public:
  explicit PixelValues(const QImage& image) {
    indexed_ = image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
               image.format() == QImage::Format_MonoLSB;
    image_ = image.convertToFormat(indexed_ ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
  }

  // Returns the value of the pixel at (x, y), or sets `error` and returns -1.
  int At(int x, int y, ImportError& error) const {
    if (indexed_) {
      const int index = image_.pixelIndex(x, y);
      if (index < static_cast<int>(kValueColours.size())) return index;
      error = {.kind = ImportError::Kind::kUnknownIndex, .x = x, .y = y, .index = index};
      return -1;
    }
    const QRgb colour = image_.pixel(x, y);
    if (qAlpha(colour) == 0) return 0;
    const auto found = std::find(kValueColours.begin(), kValueColours.end(), colour);
    if (found != kValueColours.end()) return static_cast<int>(found - kValueColours.begin());
    error = {.kind = ImportError::Kind::kUnknownColour, .x = x, .y = y, .colour = colour};
    return -1;
  }

 private:
  QImage image_;
  bool indexed_ = false;
};

}  // namespace

QImage CellsImage(const Cells& cells) {
  QImage image(kColumns, kRows, QImage::Format_Indexed8);
  QList<QRgb> palette(kValueColours.begin(), kValueColours.end());
  palette.append(kUnusualColour);
  image.setColorTable(palette);
  for (int i = 0; i < kCellCount; ++i) {
    image.setPixel(ColumnOf(i), RowOf(i), TwoBitValue(cells[i]).value_or(kUnusualIndex));
  }
  return image;
}

RenderedPng RenderPng(const Cells& cells, int scale) {
  QImage image(kColumns * scale, kRows * scale, QImage::Format_Indexed8);
  image.setColorTable(QList<QRgb>(kValueColours.begin(), kValueColours.end()));
  for (int i = 0; i < kCellCount; ++i) {
    const std::optional<int> value = TwoBitValue(cells[i]);
    if (!value) return {{}, i};
    for (int y = RowOf(i) * scale; y < (RowOf(i) + 1) * scale; ++y) {
      uchar* row = image.scanLine(y);
      std::fill_n(row + static_cast<std::ptrdiff_t>(ColumnOf(i)) * scale, scale,
                  static_cast<uchar>(*value));
    }
  }
  RenderedPng rendered;
  QBuffer buffer(&rendered.png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(image);
  return rendered;
}

ImportedCells ImportImage(const QByteArray& bytes) {
  if (static_cast<std::size_t>(bytes.size()) > kImageByteLimit) {
    return {{}, ImportError{ImportError::Kind::kTooLarge}};
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // The size in the header is checked first, so that a picture of the wrong
  // size is never decoded.
  const QSize announced = reader.size();
  if (announced.isValid() && !IsGridSize(announced)) {
    return {{}, ImportError{.kind = ImportError::Kind::kWrongSize, .size = announced}};
  }
  const QImage image = reader.read();
  if (image.isNull()) {
    return {{},
            ImportError{.kind = ImportError::Kind::kNotAnImage,
                        .reason = reader.errorString().toStdString()}};
  }
  if (!IsGridSize(image.size())) {
    return {{}, ImportError{.kind = ImportError::Kind::kWrongSize, .size = image.size()}};
  }

  // First every pixel must have a value, then every block must be one value.
  const PixelValues values(image);
  ImportError error{};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (values.At(x, y, error) < 0) return {{}, error};
    }
  }
  const int scale = image.width() / kColumns;
  ImportedCells imported;
  for (int i = 0; i < kCellCount; ++i) {
    const int left = ColumnOf(i) * scale, top = RowOf(i) * scale;
    const int value = values.At(left, top, error);
    for (int y = top; y < top + scale; ++y) {
      for (int x = left; x < left + scale; ++x) {
        if (values.At(x, y, error) != value) {
          return {
              {},
              ImportError{.kind = ImportError::Kind::kMixedBlock, .x = x, .y = y, .scale = scale}};
        }
      }
    }
    imported.cells[i] = std::string(1, static_cast<char>('0' + value));
  }
  return imported;
}

ImportedCells ImportImage(std::istream& input) {
  std::vector<char> chunk(1 << 16);
  QByteArray bytes;
  while (input.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) ||
         input.gcount() > 0) {
    bytes.append(chunk.data(), input.gcount());
    if (static_cast<std::size_t>(bytes.size()) > kImageByteLimit) {
      return {{}, ImportError{ImportError::Kind::kTooLarge}};
    }
  }
  return ImportImage(bytes);
}

bool StartsWithPngSignature(std::istream& input) {
  char start[kPngSignature.size()];
  input.read(start, sizeof start);
  return input.gcount() == static_cast<std::streamsize>(sizeof start) &&
         std::string_view(start, sizeof start) == kPngSignature;
}

}  // namespace gridcode
