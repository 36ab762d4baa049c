// gridcode: fill a grid of 2-bit cells, get BASIC DATA lines.

#include <QApplication>
#include <QTimer>

#include "window/command_line.h"
#include "window/form1.h"
#include "window/translations.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(GRIDCODE_VERSION));
  QApplication::setDesktopFileName(QStringLiteral(GRIDCODE_APP_ID));
  gridcode::InstallTranslations(application);
  const QString file = gridcode::FileFromCommandLine(QApplication::arguments());
  gridcode::Form1 window;
  window.show();
  if (!file.isEmpty()) {
    // Opened once the window is on screen, so that a message stands over it.
    QTimer::singleShot(0, &window, [&window, file] { window.Open(file); });
  }
  return QApplication::exec();
}
