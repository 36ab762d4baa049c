// Renders the window with a sample grid encoded, in a bank of three sprites,
// to the PNG file named by the first argument, in the palette named by the
// second one (gridcode-data's names), if given. Run with QT_SCALE_FACTOR=2 for the high-density
// picture.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "fake_dialogs.h"
#include "grid/palettes.h"
#include "window/form1.h"
#include "window/sprite_bank_view.h"

int main(int argc, char* argv[]) {
  if (argc != 2 && argc != 3) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  gridcode::Form1 window(std::make_unique<gridcode::FakeDialogs>());
  // A heart drawn with the four values.
  const char* rows[] = {"00000000000000", "00110000001100", "01221100112210", "12332211223321",
                        "12333322333321", "01233333333210", "00123333332100", "00012333321000",
                        "00001233210000", "00000122100000"};
  for (int row = 0; row < 10; ++row) {
    for (int column = 0; column < 14; ++column) {
      window.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(row * 14 + column))
          ->setText(QString(QChar::fromLatin1(rows[row][column])));
    }
  }
  window.findChild<QLineEdit*>(QStringLiteral("Text1_13"))->setText(QStringLiteral("x"));
  window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  // Two more sprites: the heart beating, one cell lower and then mirrored.
  const auto click = [&window](const char* name) {
    window.findChild<QToolButton*>(QLatin1String(name))->click();
  };
  click("CopySprite");
  click("MoveDown");
  click("CopySprite");
  click("MirrorTopBottom");
  if (argc == 3) {
    const std::vector<gridcode::Palette>& palettes = gridcode::FixedPalettes();
    const auto named = std::find_if(palettes.begin(), palettes.end(),
                                    [&](const gridcode::Palette& p) { return p.name == argv[2]; });
    if (named == palettes.end()) return 2;
    window.findChild<QComboBox*>(QStringLiteral("Palette"))
        ->setCurrentIndex(static_cast<int>(named - palettes.begin()));
  }
  window.show();
  application.processEvents();
  // The first sprite shown, as a click on its thumbnail shows it.
  auto* bank = window.findChild<gridcode::SpriteBankView*>(QStringLiteral("SpriteBank"));
  const QPointF first = bank->ThumbnailRect(0).center();
  QMouseEvent press(QEvent::MouseButtonPress, first, bank->viewport()->mapToGlobal(first),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bank->viewport(), &press);
  application.processEvents();
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
