#include "window/sprite_bank_view.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "grid/value_colours.h"
#include "window/form1_layout.h"

namespace gridcode {
namespace {

// Gathers the parts of a widget that were repainted.
struct PaintSpy : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

QRgb CellColour(const std::string& cell) {
  const std::optional<int> value = TwoBitValue(cell);
  return value ? kValueColours[*value] : kUnusualColour;
}

// 100 sprites whose cells, digits 0 to 4 (4 is unusual), differ from their
// neighbours': every device pixel is checked at 200 %, so smoothing shows.
TEST(SpriteBankViewTest, ShowsClicksAndFollowsTheModel) {
  std::vector<BankSprite> sprites(100, ZeroSprite());
  for (int i = 0; i < 100; ++i) {
    for (int c = 0; c < kCellCount; ++c)
      sprites[i].texts.cells[c] = std::to_string((c * 3 + i) % 5);
  }
  SpriteBank bank(std::move(sprites));
  DocumentFile file;
  BankModel model;
  model.Swap(bank, file);
  QWidget window;
  window.resize(form1_layout::ClientSize());
  SpriteBankView view(model, form1_layout::BankRect(), &window);
  QSignalSpy chosen(&view, &SpriteBankView::Chosen);
  PaintSpy spy;
  view.viewport()->installEventFilter(&spy);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  for (const std::size_t k : {0U, 3U, 99U, 42U}) {  // 99 and back up to 42 scroll
    model.SetShown(k);
    const QRect thumbnail = view.ThumbnailRect(k);
    ASSERT_TRUE(view.viewport()->rect().contains(thumbnail.adjusted(-2, -2, 2, 2))) << k;
    QCoreApplication::processEvents();
    spy.painted = {};
    model.SetText(k, RowCodeField(0), "FF");  // nothing to draw
    QCoreApplication::processEvents();
    EXPECT_TRUE(spy.painted.isEmpty()) << k;
    model.SetText(k, 0, "x");  // a cell's change repaints its thumbnail alone
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.painted.boundingRect(), thumbnail) << k;

    QImage image(view.viewport()->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    view.viewport()->render(&image);
    const Cells& cells = model.bank().texts(k).cells;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 84; ++x) {
        const QPoint at = (thumbnail.topLeft() + QPoint(1, 1)) * 2 + QPoint(x, y);
        ASSERT_EQ(image.pixel(at), CellColour(cells[CellIndex(y / 6, x / 6)])) << k << " " << x;
      }
    }
    const QRgb highlight = view.palette().color(QPalette::Active, QPalette::Highlight).rgb();
    for (std::size_t j = 0; j < 100; ++j) {  // the mark, outside the frame, on k alone
      const QRect mark = view.ThumbnailRect(j).adjusted(-1, -1, 1, 1);
      if (view.viewport()->rect().contains(mark)) {
        EXPECT_EQ(image.pixel(mark.topLeft() * 2) == highlight, j == k) << k << " " << j;
      }
    }

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, thumbnail.topRight() + QPoint(3, 0));
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, thumbnail.center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, thumbnail.bottomRight());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.takeFirst().at(0).value<std::size_t>(), k);
  }
}

}  // namespace
}  // namespace gridcode
