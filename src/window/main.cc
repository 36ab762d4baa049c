// gridcode: fill a grid of 2-bit cells, get BASIC DATA lines.

#include <QApplication>

#include "window/form1.h"
#include "window/translations.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(GRIDCODE_APP_ID));
  gridcode::InstallTranslations(application);
  gridcode::Form1 window;
  window.show();
  return application.exec();
}
