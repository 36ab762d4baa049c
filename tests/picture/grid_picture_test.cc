#include "picture/grid_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

namespace gridcode {
namespace {

// A grid picture at `scale` in `format`, every pixel of value 0.
QImage GridImage(int scale, QImage::Format format) {
  QImage image(kColumns * scale, kRows * scale, format);
  if (format == QImage::Format_Indexed8) {
    image.setColorTable(QList<QRgb>(kValueColours.begin(), kValueColours.end()) << 0xFF000000);
    image.fill(0);
  } else {
    image.fill(kValueColours[0]);
  }
  return image;
}

QByteArray Encoded(const QImage& image, const char* format = "png") {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(QImageWriter(&buffer, format).write(image));
  return bytes;
}

std::string Joined(const Cells& cells) {
  std::string joined;
  for (const std::string& cell : cells) joined += cell;
  return joined;
}

TEST(GridPictureTest, ImportReadsValuesAndSaysWhatIsWrongWhere) {
  struct Case {
    std::string name;
    QByteArray bytes;
    std::optional<ImportError> error;  // what is wrong, or nothing
    std::string cells = {};            // the loaded cells joined, when nothing is
  };
  const std::string zeros(kCellCount, '0');
  const auto with = [&](int index, char value) {
    std::string cells = zeros;
    cells[index] = value;
    return cells;
  };
  const QByteArray good = Encoded(GridImage(1, QImage::Format_Indexed8));

  QImage index4 = GridImage(1, QImage::Format_Indexed8);
  index4.setPixel(3, 2, 4);
  QImage stray_colour = GridImage(1, QImage::Format_RGB32);
  stray_colour.setPixel(5, 1, 0xFF123456);
  QImage half_transparent = GridImage(1, QImage::Format_ARGB32);
  half_transparent.setPixel(0, 9, qRgba(255, 255, 255, 128));
  QImage mixed = GridImage(2, QImage::Format_Indexed8);
  mixed.setPixel(3, 3, 1);
  QImage stray_after_mixed = mixed;
  stray_after_mixed.setPixel(27, 19, 4);
  QImage colours = GridImage(3, QImage::Format_ARGB32);
  colours.fill(Qt::transparent);  // fully transparent reads as 0
  for (int y = 3; y < 6; ++y) {
    for (int x = 39; x < 42; ++x) colours.setPixel(x, y, kValueColours[3]);
  }
  QImage two_in_bmp = GridImage(1, QImage::Format_RGB32);
  two_in_bmp.setPixel(13, 9, kValueColours[2]);

  const std::vector<Case> cases = {
      {"indexed PNG", good, std::nullopt, zeros},
      {"colours, transparency, scale 3", Encoded(colours), std::nullopt, with(27, '3')},
      {"BMP", Encoded(two_in_bmp, "bmp"), std::nullopt, with(139, '2')},
      {"not an image", "hello", ImportError{.kind = ImportError::Kind::kNotAnImage}},
      {"truncated PNG", good.left(60), ImportError{.kind = ImportError::Kind::kNotAnImage}},
      {"15 x 10", Encoded(QImage(15, 10, QImage::Format_RGB32)),
       ImportError{.kind = ImportError::Kind::kWrongSize, .size = {15, 10}}},
      {"28 x 10", Encoded(QImage(28, 10, QImage::Format_RGB32)),
       ImportError{.kind = ImportError::Kind::kWrongSize, .size = {28, 10}}},
      {"palette index 4", Encoded(index4),
       ImportError{.kind = ImportError::Kind::kUnknownIndex, .x = 3, .y = 2, .index = 4}},
      {"colour not in the palette", Encoded(stray_colour),
       ImportError{
           .kind = ImportError::Kind::kUnknownColour, .x = 5, .y = 1, .colour = 0xFF123456}},
      {"half transparent", Encoded(half_transparent),
       ImportError{.kind = ImportError::Kind::kUnknownColour,
                   .x = 0,
                   .y = 9,
                   .colour = qRgba(255, 255, 255, 128)}},
      {"block not one colour", Encoded(mixed),
       ImportError{.kind = ImportError::Kind::kMixedBlock, .x = 3, .y = 3, .scale = 2}},
      {"a stray colour anywhere comes before a mixed block", Encoded(stray_after_mixed),
       ImportError{.kind = ImportError::Kind::kUnknownIndex, .x = 27, .y = 19, .index = 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedCells imported = ImportImage(c.bytes);
    ASSERT_EQ(imported.error.has_value(), c.error.has_value());
    if (!c.error) {
      EXPECT_EQ(Joined(imported.cells), c.cells);
      continue;
    }
    const ImportError& error = *imported.error;
    EXPECT_EQ(error.kind, c.error->kind);
    EXPECT_EQ(error.size, c.error->size);
    EXPECT_EQ(error.x, c.error->x);
    EXPECT_EQ(error.y, c.error->y);
    EXPECT_EQ(error.index, c.error->index);
    EXPECT_EQ(error.colour, c.error->colour);
    EXPECT_EQ(error.scale, c.error->scale);
  }
}

}  // namespace
}  // namespace gridcode
