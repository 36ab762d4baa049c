// Benchmarks: the core encoding; one Command1, one click of paint, one undo or
// redo of a whole-grid step, one mirror or move, one step to the next or the
// previous sprite and one keystroke in a cell, through the real widgets;
// opening a listing of 1,000 sprites into the shown window; and loading grid
// files of 142 bytes and of 1 GB as LOAD does (paths from GRIDCODE_LISTING_FILE,
// GRIDCODE_SMALL_FILE and GRIDCODE_HUGE_FILE, made by scripts/bench).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "encoder/data_lines.h"
#include "format/cells_file.h"
#include "window/bank_player.h"
#include "window/dialogs.h"
#include "window/form1.h"
#include "window/sprite_bank_view.h"

namespace {

gridcode::GridDocument SampleGrid() {
  gridcode::GridDocument document;
  for (int i = 0; i < gridcode::kCellCount; ++i) document.cells[i] = std::to_string(i % 4);
  return document;
}

void BM_CoreBuildDataLines(benchmark::State& state) {
  const gridcode::GridDocument sample = SampleGrid();
  for (auto _ : state) {
    gridcode::GridDocument document = sample;
    benchmark::DoNotOptimize(gridcode::BuildDataLines(document));
    benchmark::DoNotOptimize(document);
  }
}
BENCHMARK(BM_CoreBuildDataLines);

void BM_Command1ThroughTheWindow(benchmark::State& state) {
  gridcode::Form1 window;
  window.show();
  const gridcode::GridDocument sample = SampleGrid();
  for (int i = 0; i < gridcode::kCellCount; ++i) {
    window.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))
        ->setText(QString::fromStdString(sample.cells[i]));
  }
  auto* command1 = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  auto* data_line = window.findChild<QLineEdit*>(QStringLiteral("Text3_1"));
  for (auto _ : state) {
    data_line->clear();  // so that every click writes its results again
    command1->click();
  }
  if (data_line->text().isEmpty()) state.SkipWithError("Command1 wrote nothing");
}
BENCHMARK(BM_Command1ThroughTheWindow)->Unit(benchmark::kMicrosecond);

// From the press of a button on the picture to the picture repainted: the
// cell's field written, its mark cleared, the picture drawn again.
void BM_PaintClickThroughTheWindow(benchmark::State& state) {
  gridcode::Form1 window;
  window.show();
  auto* picture = window.findChild<QWidget*>(QStringLiteral("Picture"));
  auto* cell = window.findChild<QLineEdit*>(QStringLiteral("Text1_0"));
  const QPointF middle(5, 5);  // in the first cell
  bool left = true;
  for (auto _ : state) {
    // Left and right in turn, so that every click changes the cell.
    const Qt::MouseButton button = left ? Qt::LeftButton : Qt::RightButton;
    QMouseEvent press(QEvent::MouseButtonPress, middle, picture->mapToGlobal(middle), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(picture, &press);
    picture->repaint();
    state.PauseTiming();
    QMouseEvent release(QEvent::MouseButtonRelease, middle, picture->mapToGlobal(middle), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &release);
    left = !left;
    state.ResumeTiming();
  }
  if (cell->text() != QStringLiteral("0") && cell->text() != QStringLiteral("3")) {
    state.SkipWithError("the click painted nothing");
  }
}
BENCHMARK(BM_PaintClickThroughTheWindow)->Unit(benchmark::kMicrosecond);

// A window whose cells all change when mirrored left to right: cell (row,
// column) holds (row + column) mod 4.
std::unique_ptr<gridcode::Form1> AsymmetricWindow() {
  auto window = std::make_unique<gridcode::Form1>();
  window->show();
  for (int i = 0; i < gridcode::kCellCount; ++i) {
    window->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))
        ->setText(QString::number((gridcode::RowOf(i) + gridcode::ColumnOf(i)) % 4));
  }
  return window;
}

// An undo or a redo, in turn, of a step that changed all 140 cells, by their
// buttons: the fields written, their marks cleared, the picture drawn again.
void BM_UndoOrRedoAllCellsThroughTheWindow(benchmark::State& state) {
  const std::unique_ptr<gridcode::Form1> window = AsymmetricWindow();
  auto* picture = window->findChild<QWidget*>(QStringLiteral("Picture"));
  auto* cell = window->findChild<QLineEdit*>(QStringLiteral("Text1_0"));
  const QString before = cell->text();
  window->findChild<QToolButton*>(QStringLiteral("MirrorLeftRight"))->click();
  const QString after = cell->text();
  auto* undo = window->findChild<QToolButton*>(QStringLiteral("Undo"));
  auto* redo = window->findChild<QToolButton*>(QStringLiteral("Redo"));
  bool undoing = true;
  for (auto _ : state) {
    (undoing ? undo : redo)->click();
    picture->repaint();
    if (cell->text() != (undoing ? before : after)) state.SkipWithError("the cells did not change");
    undoing = !undoing;
  }
}
BENCHMARK(BM_UndoOrRedoAllCellsThroughTheWindow)->Unit(benchmark::kMicrosecond);

// One mirror or move by its button, the six in turn, each changing all 140
// cells and recorded as a step, the picture drawn again.
void BM_MirrorOrMoveThroughTheWindow(benchmark::State& state) {
  const std::unique_ptr<gridcode::Form1> window = AsymmetricWindow();
  auto* picture = window->findChild<QWidget*>(QStringLiteral("Picture"));
  QList<QToolButton*> tools;
  for (const char* name :
       {"MirrorLeftRight", "MirrorTopBottom", "MoveLeft", "MoveRight", "MoveUp", "MoveDown"}) {
    tools << window->findChild<QToolButton*>(QLatin1String(name));
  }
  qsizetype next = 0;
  for (auto _ : state) {
    tools[next]->click();
    picture->repaint();
    next = (next + 1) % tools.size();
  }
}
BENCHMARK(BM_MirrorOrMoveThroughTheWindow)->Unit(benchmark::kMicrosecond);

// Counts the frames that paint a widget.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }

  // Runs the event loop until the widget has been painted since the last
  // call, as the window's next frame paints it; returns false if it is not.
  bool WaitForPaint() {
    for (int round = 0; !painted_ && round < 1000; ++round) QCoreApplication::processEvents();
    return std::exchange(painted_, false);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_ = true;
    return false;
  }

 private:
  bool painted_ = false;
};

// Shows `window` and makes it the active one, so that keys reach the field
// with the focus and the window's shortcuts.
bool Activate(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// One step to the next sprite and one back, in turn, by Ctrl+PageDown and
// Ctrl+PageUp pressed in the focused cell: two sprites whose cells all
// differ, so that every step writes all 140 fields, their marks and the
// picture, and moves the thumbnails' highlight. Timed as the other window
// cases are, up to the widgets holding the new sprite (argument 0), and up
// to the frame painted, which repaints all 140 fields (argument 1).
void BM_StepToTheNextOrPreviousSpriteThroughTheWindow(benchmark::State& state) {
  const std::unique_ptr<gridcode::Form1> window = AsymmetricWindow();
  if (!Activate(*window)) {
    state.SkipWithError("the window did not become active");
    return;
  }
  auto* picture = window->findChild<QWidget*>(QStringLiteral("Picture"));
  auto* cell = window->findChild<QLineEdit*>(QStringLiteral("Text1_0"));
  window->findChild<QToolButton*>(QStringLiteral("NewSprite"))->click();  // shows the new one
  for (int i = 0; i < gridcode::kCellCount; ++i) {
    window->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))
        ->setText(QString::number((gridcode::RowOf(i) + gridcode::ColumnOf(i) + 1) % 4));
  }
  const QString second = cell->text();
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) {
    state.SkipWithError("no field has the focus");
    return;
  }
  PaintWatch painted(picture);
  QTest::keyClick(focused, Qt::Key_PageUp, Qt::ControlModifier);
  painted.WaitForPaint();
  const QString first = cell->text();
  bool forward = true;
  const bool to_frame = state.range(0) == 1;
  for (auto _ : state) {
    QTest::keyClick(focused, forward ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
    if (!to_frame) state.PauseTiming();
    if (!painted.WaitForPaint()) state.SkipWithError("the picture was not painted");
    if (!to_frame) state.ResumeTiming();
    if (cell->text() != (forward ? second : first)) state.SkipWithError("no other sprite shown");
    forward = !forward;
  }
  state.SetLabel(to_frame ? "a step, to the frame painted" : "a step; target < 1 ms");
}
BENCHMARK(BM_StepToTheNextOrPreviousSpriteThroughTheWindow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// One keystroke in a cell, a digit typed into it and Backspace in turn, timed
// up to the frame that paints the cell, its mark, the picture and the
// thumbnail following it.
void BM_KeystrokeInACellThroughTheWindow(benchmark::State& state) {
  gridcode::Form1 window;
  if (!Activate(window)) {
    state.SkipWithError("the window did not become active");
    return;
  }
  auto* picture = window.findChild<QWidget*>(QStringLiteral("Picture"));
  auto* cell = window.findChild<QLineEdit*>(QStringLiteral("Text1_0"));
  cell->setFocus();
  cell->clear();
  PaintWatch painted(picture);
  painted.WaitForPaint();
  bool typing = true;
  for (auto _ : state) {
    if (typing) {
      QTest::keyClick(cell, '3');
    } else {
      QTest::keyClick(cell, Qt::Key_Backspace);
    }
    if (!painted.WaitForPaint()) state.SkipWithError("the picture was not painted");
    if (cell->text() != (typing ? QStringLiteral("3") : QString())) {
      state.SkipWithError("the keystroke changed nothing");
    }
    typing = !typing;
  }
  state.SetLabel("a keystroke; target < 1 ms");
}
BENCHMARK(BM_KeystrokeInACellThroughTheWindow)->Unit(benchmark::kMicrosecond);

// Dialogs that are never shown: failures are kept for the benchmark to
// report, and every question is answered no.
class QuietDialogs : public gridcode::Dialogs {
 public:
  QString SaveFileName() override { return {}; }
  QString OpenFileName() override { return {}; }
  void ForgetFileName() override {}
  void OfferFileName(const QString& /*path*/) override {}
  void ShowFailure(const QString& title, const QString& message) override {
    failures << title + QStringLiteral(": ") + message;
  }
  bool Confirm(const QString& /*title*/, const QString& /*question*/) override { return false; }

  QStringList failures;
};

// Opening a listing of 1,000 sprites among code and other DATA, as a file
// named on the command line or dropped on the window opens: read, its bank
// made and shown, up to the frame that paints the fields, the picture and
// the thumbnails. Each run opens it into a new window, shown and painted
// before the timing starts.
void BM_OpenListingThroughTheWindow(benchmark::State& state) {
  const char* path = std::getenv("GRIDCODE_LISTING_FILE");
  if (path == nullptr) {
    state.SkipWithError("file not given");
    return;
  }
  const QString listing = QString::fromLocal8Bit(path);
  std::string failure;  // the message the window showed, for as long as the results need it
  for (auto _ : state) {
    state.PauseTiming();
    auto dialogs = std::make_unique<QuietDialogs>();
    QuietDialogs& answered = *dialogs;
    auto window = std::make_unique<gridcode::Form1>(std::move(dialogs));
    window->show();
    PaintWatch picture(window->findChild<QWidget*>(QStringLiteral("Picture")));
    PaintWatch thumbnails(window->findChild<gridcode::SpriteBankView*>()->viewport());
    picture.WaitForPaint();
    thumbnails.WaitForPaint();
    state.ResumeTiming();

    window->Open(listing);
    if (!picture.WaitForPaint() || !thumbnails.WaitForPaint()) {
      state.SkipWithError("the window was not painted");
    }

    state.PauseTiming();
    if (!answered.failures.isEmpty()) {
      failure = answered.failures.first().toStdString();
      state.SkipWithError(failure.c_str());
    }
    if (window->findChild<QLabel*>(QStringLiteral("SpriteCount"))->text() ==
        QStringLiteral("1 / 1")) {
      state.SkipWithError("the listing opened no bank");
    }
    window.reset();
    state.ResumeTiming();
  }
  state.SetLabel("1,000 sprites; target < 100 ms");
}
BENCHMARK(BM_OpenListingThroughTheWindow)->Unit(benchmark::kMillisecond);

// A frame of the animation: two sprites whose cells all differ, shown in
// turn as the player shows them, with the picture and the thumbnails'
// playing mark drawn. Target < 2 ms, so that 60 frames a second leave the
// window responsive.
void BM_AnimationFrameThroughTheWindow(benchmark::State& state) {
  const std::unique_ptr<gridcode::Form1> window = AsymmetricWindow();
  window->findChild<QToolButton*>(QStringLiteral("CopySprite"))->click();
  window->findChild<QToolButton*>(QStringLiteral("MirrorLeftRight"))->click();
  window->show();
  auto* player = window->findChild<gridcode::BankPlayer*>();
  auto* picture = window->findChild<QWidget*>(QStringLiteral("Picture"));
  auto* bank = window->findChild<gridcode::SpriteBankView*>(QStringLiteral("SpriteBank"));
  std::size_t frame = 0;
  for (auto _ : state) {
    player->Play(frame, frame);  // shows that frame at once
    picture->repaint();
    bank->viewport()->repaint();
    frame = 1 - frame;
  }
  player->Stop();
  state.SetLabel("a frame; target < 2 ms");
}
BENCHMARK(BM_AnimationFrameThroughTheWindow)->Unit(benchmark::kMicrosecond);

// Copy of the shown sprite, as a picture and DATA lines, by its button; and
// paste of such a copy, alternating two sprites, by its button. Target < 5 ms
// each.
void BM_CopyOrPasteSpriteThroughTheWindow(benchmark::State& state) {
  const std::unique_ptr<gridcode::Form1> window = AsymmetricWindow();
  window->show();
  auto* copy = window->findChild<QToolButton*>(QStringLiteral("CopyPicture"));
  auto* paste = window->findChild<QToolButton*>(QStringLiteral("PastePicture"));
  auto* mirror = window->findChild<QToolButton*>(QStringLiteral("MirrorLeftRight"));
  QClipboard* clipboard = QGuiApplication::clipboard();
  const auto copied = [&] {
    copy->click();
    auto copy_of = std::make_unique<QMimeData>();
    for (const QString& format : clipboard->mimeData()->formats()) {
      copy_of->setData(format, clipboard->mimeData()->data(format));
    }
    return copy_of;
  };
  const std::unique_ptr<QMimeData> sprites[] = {copied(), (mirror->click(), copied())};
  const bool pasting = state.range(0) == 1;
  std::size_t next = 0;
  for (auto _ : state) {
    if (pasting) {
      state.PauseTiming();
      auto* data = new QMimeData;  // the clipboard takes it
      for (const QString& format : sprites[next]->formats()) {
        data->setData(format, sprites[next]->data(format));
      }
      clipboard->setMimeData(data);
      next = 1 - next;
      state.ResumeTiming();
      paste->click();
    } else {
      copy->click();
    }
  }
  state.SetLabel(pasting ? "a paste; target < 5 ms" : "a copy; target < 5 ms");
}
BENCHMARK(BM_CopyOrPasteSpriteThroughTheWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LoadCells(benchmark::State& state, const char* variable) {
  const char* path = std::getenv(variable);
  if (path == nullptr) {
    state.SkipWithError("file not given");
    return;
  }
  for (auto _ : state) {
    // As LOAD reads the file the user chose.
    auto loaded = gridcode::LoadCells(path, gridcode::Readable::kRegularFilesOnly,
                                      gridcode::AcceptedFiles::kGridFilesAndPictures);
    if (!loaded) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK_CAPTURE(BM_LoadCells, 142_bytes, "GRIDCODE_SMALL_FILE")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadCells, 1_GB, "GRIDCODE_HUGE_FILE")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
