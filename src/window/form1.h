// `Form1`, gridcode's one window: the grid of 140 cells, the ten row codes,
// the two DATA lines, the buttons `Command1`, `Save` and `LOAD`, and the
// picture of the grid.
//
// The texts of the fields are the state. Each button reads all the field texts
// into a `GridDocument`, runs one operation of the core on it, and writes the
// texts back; failures are shown in a message box and the window goes on.

#ifndef GRIDCODE_WINDOW_FORM1_H_
#define GRIDCODE_WINDOW_FORM1_H_

#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "grid/grid_document.h"
#include "storage/file_io.h"
#include "window/dialogs.h"

class QLineEdit;
class QPushButton;

namespace gridcode {

struct Overflow;
struct ImportError;
class GridPictureView;

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
  // Writes every text of `document` into its field.
  void WriteFields(const GridDocument& document);

  // The button operations.
  void EncodeGrid();
  void SaveGrid();
  void LoadGrid();

  // Shows how the cells were read: the marks of unusual cells and the picture.
  void ShowReadings(const Cells& cells);
  // Reads the cells of a grid file, or of a PNG picture, at `path`; on failure
  // returns nullopt and sets `reason`.
  std::optional<Cells> ReadCellsFile(const std::filesystem::path& path, QString& reason) const;
  // Tints and explains each cell whose text is not one digit 0 to 3, and
  // clears the mark of the others.
  void MarkUnusualCells(const Cells& cells);
  QString OverflowMessage(const Overflow& overflow, const Cells& cells) const;
  QString FileErrorReason(const FileError& error) const;
  QString ImportErrorReason(const ImportError& error) const;
  QString RoundTripQuestion(const std::vector<int>& indices, const Cells& cells) const;

  std::array<QLineEdit*, kCellCount> Text1{};
  std::array<QLineEdit*, kRows> Text2{};
  std::array<QLineEdit*, kDataLineCount> Text3{};
  QPushButton* Command1 = nullptr;
  QPushButton* Save = nullptr;
  QPushButton* LOAD = nullptr;
  GridPictureView* picture_ = nullptr;
  std::unique_ptr<Dialogs> dialogs_;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FORM1_H_
