#include "window/cell_history.h"

#include <gtest/gtest.h>

#include <QToolButton>
#include <functional>

#include "form1_fixture.h"
#include "grid/shape_tools.h"
#include "window/grid_picture_view.h"

namespace gridcode {
namespace {

// One table of the changes a user makes to the cells. Each is one step, which
// the keys undo and redo with the focus in a cell: the texts come back exactly,
// odd ones included, the picture is drawn again at once, the cells changed lose
// their marks, and the row codes and DATA lines wait for Command1.
TEST_F(Form1FileTest, EachChangeIsOneStepThatTheKeysUndoAndRedo) {
  const auto tool = [this](const char* name) { return window_->findChild<QToolButton*>(name); };
  EXPECT_FALSE(tool("Undo")->isEnabled());
  EXPECT_FALSE(tool("Redo")->isEnabled());
  for (int i = 0; i < kCellCount; ++i) Cell(i)->setText(QString::number(i % 4));
  Cell(CellIndex(2, 3))->setText("x");
  Cell(CellIndex(7, 12))->setText("12");
  Click("Command1");  // marks the two odd cells
  for (int row = 0; row < kRows; ++row) RowCode(row)->setText("kept");
  const QStringList codes = Codes();
  Write(Path("sprite.dat"), QByteArray("3210").repeated(35) + "\r\n");

  const auto set = [](const std::vector<std::pair<int, QString>>& cells) {
    return [cells](CellTexts texts) {
      for (const auto& [index, text] : cells) texts[index] = text;
      return texts;
    };
  };
  const auto reshaped = [](Shape shape) {
    return [shape](const CellTexts& texts) { return Reshaped(texts, shape); };
  };
  struct Case {
    const char* name;
    std::function<void()> change;
    std::function<CellTexts(const CellTexts&)> expected;
  };
  const Case cases[] = {
      {"stroke",
       [&] {
         Stroke(Qt::LeftButton, {Middle(9, 0), Middle(9, 2)});
       },
       set({{CellIndex(9, 0), "3"}, {CellIndex(9, 1), "3"}, {CellIndex(9, 2), "3"}})},
      {"typed edit", [&] { Type(Cell(50), "21"); }, set({{50, "21"}})},
      {"LOAD",
       [&] {
         dialogs_->SetNextFileName(Path("sprite.dat"));
         Click("LOAD");
       },
       [](const CellTexts&) {
         CellTexts texts;
         for (int i = 0; i < kCellCount; ++i) texts[i] = QString::number(3 - i % 4);
         return texts;
       }},
      {"mirror left to right", [] { Press(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier); },
       reshaped(Shape::kMirrorLeftRight)},
      {"mirror top to bottom", [] { Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier); },
       reshaped(Shape::kMirrorTopBottom)},
      {"move left", [] { Press(Qt::Key_Left, Qt::AltModifier); }, reshaped(Shape::kMoveLeft)},
      {"move right", [] { Press(Qt::Key_Right, Qt::AltModifier); }, reshaped(Shape::kMoveRight)},
      {"move up", [] { Press(Qt::Key_Up, Qt::AltModifier); }, reshaped(Shape::kMoveUp)},
      {"move down", [] { Press(Qt::Key_Down, Qt::AltModifier); }, reshaped(Shape::kMoveDown)},
  };
  const auto shown = [this](const CellTexts& texts) {
    Cells cells;
    for (int i = 0; i < kCellCount; ++i) cells[i] = texts[i].toStdString();
    return Picture()->image() == CellsImage(cells);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Cell(77)->setFocus();
    const CellTexts before = Texts();
    c.change();
    const CellTexts after = Texts();
    ASSERT_EQ(after, c.expected(before));
    ASSERT_NE(after, before);
    // The focus stays in the cell typed in, and goes back to a cell from LOAD.
    if (!QApplication::focusWidget()->objectName().startsWith("Text1_")) Cell(77)->setFocus();
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(shown(before));
    for (int i = 0; i < kCellCount; ++i) {
      EXPECT_TRUE(before[i] == after[i] || Cell(i)->toolTip().isEmpty()) << i;
    }
    EXPECT_TRUE(tool("Redo")->isEnabled());
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Texts(), after);
    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Texts(), after);
    EXPECT_TRUE(shown(after));
    EXPECT_EQ(Codes(), codes);
  }
  // A change after an undo drops what could have been redone.
  Press(Qt::Key_Z, Qt::ControlModifier);
  Stroke(Qt::RightButton, {Middle(0, 1)});
  EXPECT_FALSE(tool("Redo")->isEnabled());
  EXPECT_TRUE(tool("Undo")->isEnabled());
}

// Typing that ends where it began makes no step. The history keeps 100 steps,
// and fewer when their texts outgrow its budget, the newest always; those it
// keeps still undo exactly.
TEST(CellHistoryTest, KeepsTheNewestStepsWithinItsLimits) {
  CellTexts cells;
  cells.fill(QStringLiteral("0"));
  CellHistory history([&cells](const std::vector<CellText>& texts) {
    for (const CellText& cell : texts) cells[cell.index] = cell.text;
  });
  history.RecordTyping(5, "0", "01");
  history.RecordTyping(5, "01", "0");
  EXPECT_EQ(history.stack().count(), 0);
  const auto change = [&](int index, const QString& text) {
    const CellTexts before = cells;
    cells[index] = text;
    history.Record(before, cells);
  };
  for (int step = 0; step < 150; ++step) change(step % kCellCount, QString::number(step));
  EXPECT_EQ(history.stack().count(), CellHistory::kStepLimit);
  const QString large(CellHistory::kTextBudget / 5, QLatin1Char('x'));
  for (int step = 0; step < 5; ++step) change(0, large + QString::number(step));
  EXPECT_EQ(history.stack().count(), 2);  // each holds two large texts
  history.Undo();
  EXPECT_EQ(cells[0], large + "3");
  history.Undo();
  EXPECT_EQ(cells[0], large + "2");
  EXPECT_FALSE(history.stack().canUndo());
  history.Redo();
  history.Redo();
  EXPECT_EQ(cells[0], large + "4");
}

}  // namespace
}  // namespace gridcode
