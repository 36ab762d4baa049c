// `Form1`, gridcode's one window: the grid of 140 cells, the ten row codes,
// the two DATA lines, the buttons `Command1`, `Save` and `LOAD`, and the
// picture of the grid with the four swatches to paint it with.
//
// The texts of the fields are the state. Each button reads all the field texts
// into a `GridDocument`, runs one operation of the core on it, and writes the
// texts back; failures are shown in a message box and the window goes on.
// Painting on the picture writes the painted cells' fields, as typing would.

#ifndef GRIDCODE_WINDOW_FORM1_H_
#define GRIDCODE_WINDOW_FORM1_H_

#include <QList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "grid/grid_document.h"
#include "window/dialogs.h"

class QButtonGroup;
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

 private:
  void CreateControls();
  // Reads every field text into a document.
  GridDocument ReadFields() const;
  // Reads the texts of the grid cells.
  Cells CellTexts() const;
  // Writes every text of `document` into its field.
  void WriteFields(const GridDocument& document);

  // The button operations.
  void EncodeGrid();
  void SaveGrid();
  void LoadGrid();
  // Writes `value` into the cells `indices`, painted on the picture.
  void PaintCells(const QList<int>& indices, int value);

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
  std::unique_ptr<Dialogs> dialogs_;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FORM1_H_
