#include "window/clipboard.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QToolButton>

#include "form1_fixture.h"
#include "format/grid_picture.h"
#include "grid/palettes.h"

namespace gridcode {
namespace {

// Copy then paste gives back random sprites exactly, in random palettes,
// through the picture (in the palette's colours, a transparent 0 kept) and
// through the DATA lines alike; a text field keeps its own copy and paste.
TEST_F(Form1Test, CopyThenPasteGivesTheSpriteBack) {
  const auto tool = [this](const char* name) { return window_->findChild<QToolButton*>(name); };
  const auto count = [this] { return window_->findChild<QLabel*>("SpriteCount")->text(); };
  QRandomGenerator random(20261208);
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    QString drawn;
    for (int i = 0; i < kCellCount; ++i) {
      drawn += QString::number(random.bounded(4));
      Cell(i)->setText(drawn.back());
    }
    const std::vector<Palette>& palettes = FixedPalettes();
    const auto chosen =
        static_cast<std::size_t>(random.bounded(static_cast<quint32>(palettes.size())));
    window_->findChild<QComboBox*>("Palette")->setCurrentIndex(static_cast<int>(chosen));
    Cell(3)->setFocus();
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied->hasFormat("image/png"));
    const Expected<GridPicture, ImportError> picture =
        ImportPng(copied->data("image/png").toStdString());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->style.palette, PictureColours(palettes[chosen]));
    EXPECT_TRUE(copied->text().startsWith("DATA "));

    tool("NewSprite")->click();  // the picture fills the shown sprite
    Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CellsJoined(), drawn);
    const QString lines = copied->text();
    QGuiApplication::clipboard()->setText(lines);  // the DATA lines alone: a new sprite
    Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CellsJoined(), drawn);
    EXPECT_EQ(count(), QStringLiteral("%1 / %1").arg(round + 3));
    Press(Qt::Key_Z, Qt::ControlModifier);  // one step each
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CellsJoined(), QString(kCellCount, QLatin1Char('0')));
  }
  // In a field, Ctrl+C and Ctrl+V are the field's own.
  Cell(0)->setFocus();
  Cell(0)->selectAll();
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), Cell(0)->text());
  EXPECT_TRUE(dialogs_->failures.empty());
}

// Pictures from other programs paste by the picture rules, alpha included;
// what breaks a rule is named and changes nothing.
TEST_F(Form1Test, ForeignPicturesAndTextsPasteByTheRulesOfLoad) {
  const auto png = [](const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
  };
  // An image editor's RGBA picture at scale 2: transparent for 0, violet for 3.
  QImage art(28, 20, QImage::Format_ARGB32);
  art.fill(Qt::transparent);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) art.setPixel(x, y, kValueColours[3]);
  }
  QImage wrong = art;
  wrong.setPixel(27, 19, qRgb(1, 2, 3));
  struct Case {
    const char* name;
    QByteArray type, bytes;
    QString cells;    // the cells after, or empty for unchanged
    QString message;  // a part of the message, or empty for none
  };
  const Case cases[] = {
      {"RGBA picture", "image/png", png(art), "33" + QString(12, '0') + "33" + QString(124, '0'),
       ""},
      {"colour off the four", "image/png", png(wrong), "", "pixel (27, 19)"},
      {"grid-file line", "text/plain", "0123\r\n", "0123", ""},
      {"nothing", "text/plain", "  ", "", "no picture and no text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs_->failures.clear();
    const QString before = CellsJoined();
    auto* data = new QMimeData;
    data->setData(c.type, c.bytes);
    QGuiApplication::clipboard()->setMimeData(data);
    Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CellsJoined(), c.cells.isEmpty() ? before : c.cells);
    if (c.message.isEmpty()) {
      EXPECT_TRUE(dialogs_->failures.empty());
    } else {
      ASSERT_EQ(dialogs_->failures.size(), 1u);
      EXPECT_TRUE(dialogs_->failures[0].text.contains(c.message))
          << dialogs_->failures[0].text.toStdString();
    }
  }
}

}  // namespace
}  // namespace gridcode
