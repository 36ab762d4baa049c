// Starts the application with the gridcode window ("gridcode") or with a bare
// one-widget window ("bare") and exits at once after the first frame is
// painted, so that the wall time of the process is its time to first frame.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "window/form1.h"

namespace {

class ExitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      // Let the paint finish and reach the screen, then leave without teardown.
      QMetaObject::invokeMethod(
          watched,
          [] {
            std::fflush(nullptr);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);  // takes the toolkit's options (-style) out of argv
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_probe gridcode|bare [-style STYLE]\n");
    return 2;
  }
  std::unique_ptr<QWidget> window;
  if (std::strcmp(argv[1], "gridcode") == 0) {
    window = std::make_unique<gridcode::Form1>();
  } else {
    window = std::make_unique<QLabel>(QStringLiteral("bare"));
  }
  ExitAfterFirstPaint exit_after_first_paint;
  window->installEventFilter(&exit_after_first_paint);
  window->show();
  return application.exec();
}
