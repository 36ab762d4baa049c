// Benchmarks: the core encoding; one Command1, one click of paint, one undo or
// redo of a whole-grid step, and one mirror or move, through the real widgets;
// and loading grid files of 142 bytes and of 1 GB as LOAD does (paths from
// GRIDCODE_SMALL_FILE and GRIDCODE_HUGE_FILE, made by scripts/bench).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <cstdlib>
#include <memory>

#include "encoder/data_lines.h"
#include "format/cells_file.h"
#include "window/form1.h"

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
