#include "window/grid_picture_view.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "form1_fixture.h"
#include "format/grid_picture.h"

namespace gridcode {
namespace {

class GridPictureViewTest : public Form1FileTest {
 protected:
  QAbstractButton* Swatch(int value) const {
    return window_->findChild<QAbstractButton*>(QStringLiteral("Swatch_%1").arg(value));
  }
  // Reads back the picture file at `path`.
  Expected<GridPicture, ImportError> SavedPicture(const QString& path) const {
    return ImportPng(Contents(path).toStdString());
  }
};

TEST_F(GridPictureViewTest, PictureFollowsTypingLoadAndPaint) {
  GridPictureView* picture = Picture();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->geometry().adjusted(1, 1, -1, -1), QRect(56, 448, 112, 80));
  EXPECT_FALSE(picture->accessibleName().isEmpty());
  EXPECT_TRUE(picture->accessibleDescription().contains("right button"));
  EXPECT_EQ(picture->cursor().shape(), Qt::CrossCursor);
  const auto shown = [&](int index) {  // the colour on screen, in the middle of the square
    return picture->grab().toImage().pixel(Middle(RowOf(index), ColumnOf(index)));
  };
  EXPECT_EQ(Drawn(0), 0);  // drawn at start-up

  Type(Cell(0), "3");
  Type(Cell(1), "x");
  EXPECT_EQ(Drawn(0), 3);  // keystroke by keystroke
  EXPECT_EQ(Drawn(1), 4);  // not one digit 0 to 3
  EXPECT_EQ(shown(0), kValueColours[3]);
  EXPECT_EQ(shown(1), kUnusualColour);
  EXPECT_EQ(Cell(1)->palette().color(QPalette::Base).rgba(), kUnusualColour);

  Write(Path("grid.dat"), "2\r\n");
  dialogs_->SetNextFileName(Path("grid.dat"));
  Click("LOAD");
  EXPECT_EQ(Drawn(0), 2);
  EXPECT_EQ(Drawn(1), 4);  // an empty cell

  // A PNG picture loads by the same rules as gridcode-data import.
  Cells cells;
  cells.fill("1");
  cells[139] = "3";
  Write(Path("sprite.png"), QByteArray::fromStdString(*RenderPng(cells, {.scale = 4})));
  dialogs_->SetNextFileName(Path("sprite.png"));
  Click("LOAD");
  EXPECT_EQ(CellsJoined(), QString(139, QLatin1Char('1')) + "3");
  EXPECT_EQ(Drawn(139), 3);
  EXPECT_TRUE(dialogs_->failures.empty());

  // A picture that is not a grid picture, or not a PNG: a message, the grid
  // stays as it was, and SAVE offers the name of the file still shown.
  Write(Path("wrong.png"), QByteArray::fromStdString(*RenderPng(cells, {.scale = 4})).left(70));
  Write(Path("sprite.bmp"), QByteArray("BM\x36\x03\x00\x00\x00\x00", 8) + QByteArray(800, '\x01'));
  const QStringList texts = AllTexts();
  for (const char* name : {"wrong.png", "sprite.bmp"}) {
    dialogs_->SetNextFileName(Path(name));
    Click("LOAD");
  }
  ASSERT_EQ(dialogs_->failures.size(), 2u);
  EXPECT_TRUE(dialogs_->failures[0].text.contains("cannot be read"))
      << dialogs_->failures[0].text.toStdString();
  EXPECT_TRUE(dialogs_->failures[1].text.contains("BMP picture, and gridcode reads PNG pictures"))
      << dialogs_->failures[1].text.toStdString();
  EXPECT_EQ(dialogs_->file_dialogs.mid(2), QStringList({"open", "offer", "open", "offer"}));
  EXPECT_EQ(dialogs_->offered, Path("sprite.png"));
  EXPECT_EQ(AllTexts(), texts);
  EXPECT_EQ(Drawn(139), 3);
}

TEST_F(GridPictureViewTest, PaintsWithTheMouseAsPixelEditorsDo) {
  for (int value = 0; value < 4; ++value) {
    ASSERT_NE(Swatch(value), nullptr);
    EXPECT_EQ(Swatch(value)->accessibleName(), QStringLiteral("Paint with %1").arg(value));
    EXPECT_EQ(Swatch(value)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Swatch(value)->isChecked(), value == 3);  // the darkest at start-up
  }
  Type(Cell(CellIndex(4, 4)), "x");
  Click("Command1");
  for (int row = 0; row < kRows; ++row) RowCode(row)->setText("kept");
  const QStringList codes = Codes();

  // A click with either button; the right one erases.
  Stroke(Qt::LeftButton, {Middle(0, 0)});
  EXPECT_EQ(Cell(0)->text(), "3");
  QTest::mouseClick(Swatch(1), Qt::LeftButton);
  EXPECT_TRUE(Swatch(1)->isChecked());
  EXPECT_FALSE(Swatch(3)->isChecked());
  Stroke(Qt::LeftButton, {Middle(4, 4)});
  EXPECT_EQ(Cell(CellIndex(4, 4))->text(), "1");
  EXPECT_TRUE(Cell(CellIndex(4, 4))->toolTip().isEmpty());  // its mark is gone
  EXPECT_EQ(Cell(CellIndex(4, 4))->palette().color(QPalette::Base),
            Cell(CellIndex(4, 3))->palette().color(QPalette::Base));
  Stroke(Qt::RightButton, {Middle(0, 0)});
  EXPECT_EQ(Cell(0)->text(), "0");

  // Strokes whose move events skip cells paint every cell on the way: along
  // row 9 in one move, then a diagonal, then out of the picture and back.
  Stroke(Qt::LeftButton, {Middle(9, 0), Middle(9, 13)});
  EXPECT_EQ(CellsJoined().mid(CellIndex(9, 0), 14), QString(14, QLatin1Char('1')));
  QTest::mouseClick(Swatch(2), Qt::LeftButton);
  Stroke(Qt::LeftButton, {Middle(1, 1), Middle(6, 6)});
  for (int step = 1; step <= 6; ++step) EXPECT_EQ(Cell(CellIndex(step, step))->text(), "2") << step;
  EXPECT_EQ(Cell(CellIndex(1, 2))->text(), "0");
  Stroke(Qt::RightButton, {Middle(9, 3), QPoint(-40, Middle(9, 0).y()), Middle(9, 13)});
  EXPECT_EQ(CellsJoined().mid(CellIndex(9, 0), 14), QString(14, QLatin1Char('0')));

  // The picture shows the cells as they now are; the codes wait for Command1.
  for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(Drawn(i), Cell(i)->text().toInt()) << i;
  EXPECT_EQ(Codes(), codes);
  EXPECT_TRUE(dialogs_->failures.empty());
}

// With SAVE holding the focus, the left button goes down on the picture,
// Space opens SAVE's dialog, the button comes up over the dialog and Esc
// closes it. The picture never saw the release, yet a right-button drag then
// erases three cells and paints nothing else.
TEST_F(GridPictureViewTest, AStrokeEndsWhenADialogTakesTheMouse) {
  window_ = std::make_unique<Form1>();  // the toolkit's own dialogs
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  const auto in_dialog = [this](Qt::MouseButton released) {
    QTimer::singleShot(0, window_.get(), [this, released] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (released != Qt::NoButton) QTest::mouseRelease(dialog, released);
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
  };
  for (int column = 3; column <= 5; ++column) Cell(CellIndex(9, column))->setText("3");
  const QString start = CellsJoined();
  in_dialog(Qt::NoButton);
  Click("Save");
  QTest::mousePress(Picture(), Qt::LeftButton, Qt::NoModifier, Middle(2, 2));
  in_dialog(Qt::LeftButton);
  QTest::keyClick(Button("Save"), Qt::Key_Space);
  Stroke(Qt::RightButton, {Middle(9, 3), Middle(9, 4), Middle(9, 5)});
  QString expected = start;
  expected[CellIndex(2, 2)] = '3';
  for (int column = 3; column <= 5; ++column) expected[CellIndex(9, column)] = '0';
  EXPECT_EQ(CellsJoined(), expected);
}

TEST_F(GridPictureViewTest, SavingToAPictureKeepsItAPicture) {
  // A new picture: 14 x 10, the standard colours, whatever the name's case.
  Stroke(Qt::LeftButton, {Middle(0, 0), Middle(0, 5)});
  const QString painted = CellsJoined();
  dialogs_->SetNextFileName(Path("art.PNG"));
  Click("Save");
  Expected<GridPicture, ImportError> saved = SavedPicture(Path("art.PNG"));
  ASSERT_TRUE(saved.has_value()) << Contents(Path("art.PNG")).left(40).toStdString();
  EXPECT_EQ(saved->style, PictureStyle{});
  for (int i = 0; i < kCellCount; ++i) Cell(i)->setText("2");
  dialogs_->SetNextFileName(Path("art.PNG"));
  Click("LOAD");
  EXPECT_EQ(CellsJoined(), painted);

  // A picture of the user's own, at scale 4 with its own colours, under a name
  // without .png: edited, it keeps its scale and colours.
  const PictureStyle own = {.scale = 4,
                            .palette = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0x800000FF}};
  Cells cells;
  cells.fill("0");
  Write(Path("own"), QByteArray::fromStdString(*RenderPng(cells, own)));
  dialogs_->SetNextFileName(Path("own"));
  Click("LOAD");
  Stroke(Qt::LeftButton, {Middle(2, 2)});
  dialogs_->SetNextFileName(Path("own"));
  Click("Save");
  saved = SavedPicture(Path("own"));
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->style, own);
  cells[CellIndex(2, 2)] = "3";
  EXPECT_EQ(saved->cells, cells);

  // A cell that a picture cannot hold: a message naming it, nothing written.
  Write(Path("100%2.png"), Contents(Path("own")));
  const QByteArray before = Contents(Path("own"));
  Type(Cell(CellIndex(3, 5)), "12");
  dialogs_->SetNextFileName(Path("100%2.png"));
  Click("Save");
  ASSERT_EQ(dialogs_->failures.size(), 1u);
  const QString message = dialogs_->failures[0].text;
  EXPECT_TRUE(message.contains("100%2.png: the cell in row 4, column 6 holds “12”"))
      << message.toStdString();
  EXPECT_EQ(Contents(Path("100%2.png")), before);
  EXPECT_TRUE(dialogs_->questions.empty());  // a picture is not asked about as a grid file
}

}  // namespace
}  // namespace gridcode
