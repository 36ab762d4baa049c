#include "window/bank_player.h"

#include <gtest/gtest.h>

#include <QSpinBox>
#include <QToolButton>
#include <functional>

#include "form1_fixture.h"

namespace gridcode {
namespace {

// The bank plays in the picture, in order and back, changing no field and no
// history; each kind of change stops it first, and the picture shows the
// shown sprite again.
TEST_F(Form1FileTest, PlayingShowsEachSpriteAndEveryChangeStopsIt) {
  const auto tool = [this](const char* name) { return window_->findChild<QToolButton*>(name); };
  for (int sprite = 1; sprite <= 3; ++sprite) {
    if (sprite > 1) tool("NewSprite")->click();
    Type(Cell(0), QString::number(sprite));
  }
  window_->findChild<QSpinBox*>("PlayRate")->setValue(60);
  Write(Path("grid.dat"), "2\r\n");
  struct Case {
    const char* name;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"typing", [&] { Type(Cell(5), "1"); }},
      {"a click on the picture", [&] { Stroke(Qt::LeftButton, {Middle(9, 9)}); }},
      {"Command1", [&] { Click("Command1"); }},
      {"a mirror", [] { Press(Qt::Key_H, Qt::AltModifier | Qt::ShiftModifier); }},
      {"the sprite before", [] { Press(Qt::Key_PageUp, Qt::ControlModifier); }},
      {"a new sprite", [&] { tool("NewSprite")->click(); }},
      {"undo", [] { Press(Qt::Key_Z, Qt::ControlModifier); }},
      {"LOAD",
       [&] {
         dialogs_->SetNextFileName(Path("grid.dat"));
         Click("LOAD");
       }},
      {"SAVE", [&] { Click("Save"); }},  // cancelled, and it stops all the same
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Cell(1)->setFocus();
    const QStringList texts = AllTexts();
    const int steps = tool("Undo")->isEnabled() ? 1 : 0;
    Press(Qt::Key_F5);
    ASSERT_TRUE(tool("Play")->isChecked());
    QList<int> seen;  // value of cell 0 in each frame drawn
    for (int tick = 0; tick < 200 && seen.size() < 6; ++tick) {
      QTest::qWait(5);
      if (seen.isEmpty() || seen.back() != Drawn(0)) seen << Drawn(0);
    }
    EXPECT_GE(seen.size(), 3) << "too few frames";
    EXPECT_EQ(AllTexts(), texts);
    EXPECT_EQ(tool("Undo")->isEnabled() ? 1 : 0, steps);
    c.change();
    EXPECT_FALSE(tool("Play")->isChecked());
    EXPECT_EQ(Drawn(0), Cell(0)->text().toInt());
  }
}

// Back and forth shows the ends once each; one sprite shows without pause.
TEST(BankPlayerTest, VisitsTheRangeInOrder) {
  BankPlayer player;
  std::vector<std::size_t> frames;
  QObject::connect(&player, &BankPlayer::Frame,
                   [&](std::size_t sprite) { frames.push_back(sprite); });
  player.SetRate(60);
  for (const auto mode : {BankPlayer::Mode::kLoop, BankPlayer::Mode::kBackAndForth}) {
    frames.clear();
    player.SetMode(mode);
    player.Play(3, 1);
    while (frames.size() < 8) QTest::qWait(5);
    player.Stop();
    frames.resize(8);
    EXPECT_EQ(frames, mode == BankPlayer::Mode::kLoop
                          ? std::vector<std::size_t>({1, 2, 3, 1, 2, 3, 1, 2})
                          : std::vector<std::size_t>({1, 2, 3, 2, 1, 2, 3, 2}));
  }
}

}  // namespace
}  // namespace gridcode
