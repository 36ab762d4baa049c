// Starts the application with the gridcode window ("gridcode"), with a bare
// one-widget window ("bare"), with the same window at gridcode's client size
// ("bare-sized") or with a window of gridcode's size holding only its 152
// text fields, in its font and with its first texts ("fields"), and exits at
// once after the first frame is painted, so that the wall time of the process
// is its time to first frame. "bare-sized" is what any window of that size
// costs, "fields" what any window with those fields costs, whatever it does
// besides.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "grid/grid_document.h"
#include "window/form1.h"
#include "window/form1_layout.h"

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

// A window of gridcode's size with its fields where it has them: the cells
// centred and holding "0", the row codes and the DATA lines empty.
std::unique_ptr<QWidget> FieldsOnly() {
  namespace layout = gridcode::form1_layout;
  auto window = std::make_unique<QWidget>();
  window->setFont(layout::FormFont());
  window->setFixedSize(layout::ClientSize());
  const auto add_field = [&window](const QRect& geometry) {
    auto* field = new QLineEdit(window.get());
    field->setGeometry(geometry);
    return field;
  };
  for (int i = 0; i < gridcode::kCellCount; ++i) {
    QLineEdit* cell = add_field(layout::CellRect(i));
    cell->setAlignment(Qt::AlignCenter);
    cell->setText(QStringLiteral("0"));
  }
  for (int row = 0; row < gridcode::kRows; ++row) add_field(layout::RowCodeRect(row));
  for (int line = 0; line < gridcode::kDataLineCount; ++line) add_field(layout::DataLineRect(line));
  return window;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);  // takes the toolkit's options (-style) out of argv
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_probe gridcode|bare|bare-sized|fields [-style STYLE]\n");
    return 2;
  }
  std::unique_ptr<QWidget> window;
  if (std::strcmp(argv[1], "gridcode") == 0) {
    window = std::make_unique<gridcode::Form1>();
  } else if (std::strcmp(argv[1], "fields") == 0) {
    window = FieldsOnly();
  } else {
    window = std::make_unique<QLabel>(QStringLiteral("bare"));
    if (std::strcmp(argv[1], "bare-sized") == 0) {
      window->setFixedSize(gridcode::form1_layout::ClientSize());
    }
  }
  ExitAfterFirstPaint exit_after_first_paint;
  window->installEventFilter(&exit_after_first_paint);
  window->show();
  return application.exec();
}
