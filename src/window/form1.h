// `Form1`, gridcode's one window: the grid of 140 cells, the ten row codes,
// the two DATA lines, the buttons `Command1`, `Save` and `LOAD`, the picture
// of the grid with the four swatches to paint it with, and the tool buttons:
// undo, redo, the two mirrors and the four moves.
//
// The texts of the fields are the state. Each button reads all the field texts
// into a `GridDocument`, runs one operation of the core on it, and writes the
// texts back; failures are shown in a message box and the window goes on.
// Painting on the picture writes the painted cells' fields, as typing would.
//
// Every change of the cells' texts is one step of one undo history: a stroke
// of paint, a typed edit of one cell, a loaded file, a mirror or a move. The
// keys of the tools act whatever has the focus, a text field included. A file
// dropped on the window, or named on the command line, loads as with LOAD.

#ifndef GRIDCODE_WINDOW_FORM1_H_
#define GRIDCODE_WINDOW_FORM1_H_

#include <QList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "grid/grid_document.h"
#include "grid/shape_tools.h"
#include "window/cell_history.h"
#include "window/dialogs.h"

class QAction;
class QButtonGroup;
class QDropEvent;
class QLineEdit;
class QPushButton;

namespace gridcode {

class GridPictureView;
struct Message;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // A window that asks its questions with the toolkit's dialogs.
  Form1();
  // A window that asks its questions through `dialogs`.
  explicit Form1(std::unique_ptr<Dialogs> dialogs);
  ~Form1() override;

  // Loads the file at `path` as LOAD does once its dialog has chosen it, and
  // makes SAVE offer it.
  void Open(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  // Makes the tool buttons and their actions.
  void CreateTools();
  // Reads every field text into a document.
  GridDocument ReadFields() const;
  // Reads the texts of the grid cells.
  Cells ReadCells() const;
  // Writes every text of `document` into its field.
  void WriteFields(const GridDocument& document);

  // The button operations.
  void EncodeGrid();
  void SaveGrid();
  void LoadGrid();
  // Loads the file at `path` into the cells, or says why it cannot; returns
  // whether it did.
  bool Load(const QString& path);
  // Writes `value` into the cells `indices`, painted on the picture.
  void PaintCells(const QList<int>& indices, int value);
  // Records the stroke of paint that ended as one step.
  void RecordStroke();
  // Moves the cells' texts by the shape tool `shape`.
  void Reshape(Shape shape);

  // Writes `texts` into their cells, clears the marks of those cells and
  // draws the picture again.
  void WriteCells(const std::vector<CellText>& texts);
  // Gives the cells the texts `after` and records the change as one step.
  void ChangeCells(const CellTexts& after);
  // Follows the text of the cell `index` changing to `text`: a typed edit
  // unless the window is writing the cells itself.
  void CellChanged(int index, const QString& text);
  // Takes `event` if it drags links, wherever in the window: files from a
  // file manager are opened once dropped, and any other link is refused with
  // a message; returns whether it takes it.
  bool TakeFileDrop(QDropEvent* event);
  // Opens the one file of `paths`, dropped on the window.
  void OpenDropped(const QStringList& paths);

  // Marks the unusual cells of `cells` (MarkUnusualCells) and draws them in the picture.
  void MarkAndDrawCells(const Cells& cells);
  // Tints and explains each cell whose text is not one digit 0 to 3, and
  // clears the mark of the others.
  void MarkUnusualCells(const Cells& cells);
  // Sets the tint and explanation of the cell `index`: none for an empty `explanation`.
  void MarkCell(int index, const QString& explanation);
  // Shows `failure` in a message box.
  void Show(const Message& failure);

  std::array<QLineEdit*, kCellCount> Text1{};
  std::array<QLineEdit*, kRows> Text2{};
  std::array<QLineEdit*, kDataLineCount> Text3{};
  QPushButton* Command1 = nullptr;
  QPushButton* Save = nullptr;
  QPushButton* LOAD = nullptr;
  GridPictureView* picture_ = nullptr;
  QButtonGroup* swatches_ = nullptr;
  QList<QAction*> tools_;
  std::unique_ptr<Dialogs> dialogs_;

  CellHistory history_;
  CellTexts cell_texts_;                    // the cells' texts as they stand
  std::optional<CellTexts> stroke_before_;  // the texts before the stroke under way
  bool writing_cells_ = false;              // the window itself is writing cells
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FORM1_H_
