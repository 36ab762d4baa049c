#include "window/bank_history.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QToolButton>
#include <functional>

#include "form1_fixture.h"
#include "grid/shape_tools.h"
#include "window/grid_picture_view.h"

namespace gridcode {
namespace {

// One table of the changes a user makes to the cells. Each is one step, which
// the keys undo and redo with the focus in a cell: the texts come back exactly,
// odd ones included, the picture and the cells' marks follow them at once, and
// the row codes and DATA lines wait for Command1.
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
      {"mirror top to bottom", [] { Press(Qt::Key_V, Qt::AltModifier | Qt::ShiftModifier); },
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
      EXPECT_EQ(Cell(i)->toolTip().isEmpty(), TwoBitValue(before[i].toStdString()).has_value())
          << i;
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
TEST(BankHistoryTest, KeepsTheNewestStepsWithinItsLimits) {
  BankModel model;
  BankHistory history(model);
  const auto cell = [&model] { return model.shown_texts().cells[0]; };
  history.Type(5, "01");
  history.Type(5, "0");
  EXPECT_EQ(history.stack().count(), 0);
  for (int step = 0; step < 150; ++step)
    history.Paint(step, {step % kCellCount}, "x" + std::to_string(step));
  EXPECT_EQ(history.stack().count(), BankHistory::kStepLimit);
  const std::string large(BankHistory::kTextBudget / 5, 'x');
  for (int step = 0; step < 5; ++step)
    history.Paint(1000 + step, {0}, large + std::to_string(step));
  EXPECT_EQ(history.stack().count(), 2);  // each holds two large texts
  history.Undo();
  EXPECT_EQ(cell(), large + "3");
  history.Undo();
  EXPECT_EQ(cell(), large + "2");
  EXPECT_FALSE(history.stack().canUndo());
  history.Redo();
  history.Redo();
  EXPECT_EQ(cell(), large + "4");
}

// Random sequences of every kind of change, undo and redo, against a model of
// the history as a list of banks: every step changes the bank, keystrokes in
// one field and the cells of one stroke join one step (and none when they come
// back to where they began), and undo and redo walk the list exactly.
TEST(BankHistoryTest, WalksTheHistoryOfARandomSequenceOfChanges) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    // The toolkit's generator: in the static Windows build a std::mt19937 of
    // the program's own takes the place of the one Qt's global generator uses.
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) {
      return static_cast<int>(random.bounded(static_cast<quint32>(count)));
    };
    BankModel model;
    BankHistory history(model);
    std::vector<std::vector<BankSprite>> banks = {model.bank().sprites()};
    std::size_t at = 0;
    enum class Join { kNone, kTyping, kStroke } open = Join::kNone;
    int open_field = -1, open_stroke = 0, strokes = 0;
    std::size_t open_sprite = 0;
    enum class Made { kNothing, kStep, kDropped };
    // Follows a change that made `sprites`, joining the step before when `join`.
    const auto follow = [&](const std::vector<BankSprite>& sprites, bool join) {
      if (sprites == banks[at]) return Made::kNothing;
      banks.resize(at + 1);
      if (join && at > 0) {
        banks[at] = sprites;
        if (banks[at] != banks[at - 1]) return Made::kStep;
        banks.pop_back();
        --at;
        return Made::kDropped;
      }
      banks.push_back(sprites);
      ++at;
      if (at > BankHistory::kStepLimit) {  // the oldest step goes
        banks.erase(banks.begin());
        --at;
      }
      return Made::kStep;
    };
    // Follows a change that joins nothing.
    const auto step = [&](const std::vector<BankSprite>& sprites) {
      if (follow(sprites, false) != Made::kNothing) open = Join::kNone;
    };
    for (int action = 0; action < 300; ++action) {
      const std::size_t shown = model.shown();
      std::vector<BankSprite> sprites = model.bank().sprites();
      const std::string text = std::string(1, "0123x"[pick(5)]);
      const int kind = pick(9);
      switch (kind) {
        case 0:
        case 1: {  // a keystroke, often retyping what is there
          const int field = pick(4) == 0 ? kCellCount + pick(kRows + 2) : pick(3);
          const bool join = open == Join::kTyping && open_field == field && open_sprite == shown;
          FieldText(sprites[shown].texts, field) = text;
          history.Type(field, text);
          const Made made = follow(sprites, join);
          if (made == Made::kStep) {
            open = Join::kTyping;
            open_field = field;
            open_sprite = shown;
          } else if (made == Made::kDropped) {
            open = Join::kNone;
          }
          break;
        }
        case 2:
          history.EndTyping();
          open = Join::kNone;
          break;
        case 3: {  // a stroke goes on, or a new one starts
          const bool join = open == Join::kStroke && open_sprite == shown && pick(2) == 0;
          const int stroke = join ? open_stroke : ++strokes;
          const std::vector<int> cells = {pick(4), pick(4)};
          for (const int cell : cells) sprites[shown].texts.cells[cell] = text;
          history.Paint(stroke, cells, text);
          const Made made = follow(sprites, join);
          if (made == Made::kStep) {
            open = Join::kStroke;
            open_stroke = stroke;
            open_sprite = shown;
          } else if (made == Made::kDropped) {
            open = Join::kNone;
          }
          break;
        }
        case 4: {
          GridDocument texts = sprites[shown].texts;
          texts.cells = Reshaped(texts.cells, static_cast<Shape>(pick(6)));
          sprites[shown].texts = texts;
          history.Change(texts);
          step(sprites);
          break;
        }
        case 5: {
          const BankSprite sprite = pick(2) == 0 ? ZeroSprite() : sprites[shown];
          sprites.insert(sprites.begin() + static_cast<std::ptrdiff_t>(shown) + 1, sprite);
          history.InsertSprite(shown + 1, sprite);
          step(sprites);
          break;
        }
        case 6:
          if (sprites.size() > 1) {
            sprites.erase(sprites.begin() + static_cast<std::ptrdiff_t>(shown));
          }
          history.RemoveSprite(shown);
          step(sprites);
          break;
        case 7: {
          const auto to = static_cast<std::size_t>(pick(static_cast<int>(sprites.size())));
          SpriteBank moved(sprites, shown);
          moved.Move(shown, to);
          history.MoveSprite(shown, to);
          step(moved.sprites());
          model.SetShown(static_cast<std::size_t>(pick(static_cast<int>(model.bank().size()))));
          break;
        }
        default:
          if (pick(2) == 0 && at > 0) {
            history.Undo();
            --at;
            open = Join::kNone;
          } else if (at + 1 < banks.size()) {
            history.Redo();
            ++at;
            open = Join::kNone;
          }
          break;
      }
      ASSERT_EQ(model.bank().sprites(), banks[at]) << "action " << action << " kind " << kind;
      ASSERT_EQ(history.stack().index(), static_cast<int>(at))
          << "action " << action << " kind " << kind;
      ASSERT_EQ(history.stack().count(), static_cast<int>(banks.size()) - 1)
          << "action " << action << " kind " << kind;
    }
  }
}

}  // namespace
}  // namespace gridcode
