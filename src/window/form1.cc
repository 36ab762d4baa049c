#include "window/form1.h"

#include <QButtonGroup>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <limits>

#include "encoder/cell_value.h"
#include "encoder/data_lines.h"
#include "format/cells_file.h"
#include "grid/value_colours.h"
#include "storage/file_io.h"
#include "window/form1_layout.h"
#include "window/grid_picture_view.h"
#include "window/messages.h"
#include "window/paint_swatch.h"
#include "window/qt_dialogs.h"

namespace gridcode {
namespace {

// Returns `path` as the file system spells it.
std::filesystem::path FileSystemPath(const QString& path) {
  return {QFile::encodeName(path).toStdString()};
}

}  // namespace

Form1::Form1() : Form1(nullptr) {}

Form1::Form1(std::unique_ptr<Dialogs> dialogs) : dialogs_(std::move(dialogs)) {
  if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>(this);
  CreateControls();
  // The grid starts with "0" in every cell.
  GridDocument document = ReadFields();
  ResetGrid(document);
  WriteFields(document);
  picture_->Show(document.cells);
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  namespace layout = form1_layout;
  setFont(layout::FormFont());
  setFixedSize(layout::ClientSize());

  // Controls are made in tab order, which is the toolkit's default focus chain.
  const auto make_field = [this](const QString& name, const QString& accessible_name,
                                 const QRect& geometry) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(accessible_name);
    field->setGeometry(geometry);
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
  };
  for (int i = 0; i < kCellCount; ++i) {
    Text1[i] = make_field(QStringLiteral("Text1_%1").arg(i),
                          tr("Cell row %1, column %2").arg(RowOf(i) + 1).arg(ColumnOf(i) + 1),
                          layout::CellRect(i));
    Text1[i]->setAlignment(Qt::AlignCenter);
  }
  for (int row = 0; row < kRows; ++row) {
    Text2[row] = make_field(QStringLiteral("Text2_%1").arg(row), tr("Row code %1").arg(row + 1),
                            layout::RowCodeRect(row));
  }
  const auto make_button = [this](const QString& name, const QString& caption,
                                  const QRect& geometry) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
  };
  Command1 =
      make_button(QStringLiteral("Command1"), QStringLiteral("Command1"), layout::Command1Rect());
  Command1->setFont(layout::Command1Font());
  for (int line = 0; line < kDataLineCount; ++line) {
    Text3[line] = make_field(QStringLiteral("Text3_%1").arg(line), tr("DATA line %1").arg(line + 1),
                             layout::DataLineRect(line));
  }
  Save = make_button(QStringLiteral("Save"), QStringLiteral("SAVE"), layout::SaveRect());
  LOAD = make_button(QStringLiteral("LOAD"), QStringLiteral("LOAD"), layout::LoadRect());
  picture_ = new GridPictureView(layout::PictureRect(), this);
  swatches_ = new QButtonGroup(this);
  for (int value = 0; value < static_cast<int>(kValueColours.size()); ++value) {
    swatches_->addButton(new PaintSwatch(value, layout::SwatchRect(value), this), value);
  }
  swatches_->button(picture_->paint_value())->setChecked(true);

  connect(Command1, &QPushButton::clicked, this, &Form1::EncodeGrid);
  connect(Save, &QPushButton::clicked, this, &Form1::SaveGrid);
  connect(LOAD, &QPushButton::clicked, this, &Form1::LoadGrid);
  connect(swatches_, &QButtonGroup::idClicked, picture_, &GridPictureView::SetPaintValue);
  connect(picture_, &GridPictureView::Painted, this, &Form1::PaintCells);
  Text1[0]->setFocus();
}

GridDocument Form1::ReadFields() const {
  GridDocument document;
  document.cells = CellTexts();
  for (int i = 0; i < kRows; ++i) document.row_codes[i] = Text2[i]->text().toStdString();
  for (int i = 0; i < kDataLineCount; ++i) {
    document.data_lines[i] = Text3[i]->text().toStdString();
  }
  return document;
}

Cells Form1::CellTexts() const {
  Cells cells;
  for (int i = 0; i < kCellCount; ++i) cells[i] = Text1[i]->text().toStdString();
  return cells;
}

void Form1::WriteFields(const GridDocument& document) {
  // Only changed texts are set, so unchanged fields keep their cursor and undo.
  const auto write = [](QLineEdit* field, const std::string& text) {
    const QString new_text = ToQString(text);
    if (field->text() != new_text) field->setText(new_text);
  };
  for (int i = 0; i < kCellCount; ++i) write(Text1[i], document.cells[i]);
  for (int i = 0; i < kRows; ++i) write(Text2[i], document.row_codes[i]);
  for (int i = 0; i < kDataLineCount; ++i) write(Text3[i], document.data_lines[i]);
}

void Form1::EncodeGrid() {
  GridDocument document = ReadFields();
  const std::optional<Overflow> overflow = BuildDataLines(document);
  WriteFields(document);
  MarkAndDrawCells(document.cells);
  if (overflow) Show(Form1Messages::Overflowed(*overflow, document.cells));
}

void Form1::MarkAndDrawCells(const Cells& cells) {
  MarkUnusualCells(cells);
  picture_->Show(cells);
}

void Form1::MarkUnusualCells(const Cells& cells) {
  for (int i = 0; i < kCellCount; ++i) {
    MarkCell(i,
             TwoBitValue(cells[i]) ? QString() : Form1Messages::UnusualCell(CellValue(cells[i])));
  }
}

void Form1::MarkCell(int index, const QString& explanation) {
  QLineEdit* cell = Text1[index];
  if (explanation == cell->toolTip()) return;
  if (explanation.isEmpty()) {
    cell->setPalette(QPalette());  // back to the window's palette
  } else {
    QPalette tinted = cell->palette();
    tinted.setColor(QPalette::Base, QColor::fromRgba(kUnusualColour));
    tinted.setColor(QPalette::Text, Qt::black);
    cell->setPalette(tinted);
  }
  cell->setToolTip(explanation);
  cell->setAccessibleDescription(explanation);
}

void Form1::PaintCells(const QList<int>& indices, int value) {
  // The painted cells hold a digit 0 to 3, so their marks go; the row codes
  // and DATA lines wait for Command1, as after typing.
  const QString digit = QString::number(value);
  for (const int index : indices) {
    if (Text1[index]->text() != digit) Text1[index]->setText(digit);
    MarkCell(index, QString());
  }
  picture_->Show(CellTexts());
}

void Form1::SaveGrid() {
  // The file's contents are made from the cells as they are when SAVE is pressed.
  const Cells cells = CellTexts();
  const QString path = dialogs_->SaveFileName();
  if (path.isEmpty()) return;  // cancelled
  const std::filesystem::path target = FileSystemPath(path);
  const Expected<CellsFileBytes, RenderError> file = MakeCellsFile(target, cells);
  if (!file) {
    Show(Form1Messages::CannotSavePicture(path, file.error(), cells));
    return;
  }
  if (!file->will_not_load_back.empty()) {
    const Message question = Form1Messages::WillNotLoadBack(file->will_not_load_back, cells);
    if (!dialogs_->Confirm(question.title, question.text)) return;
  }
  if (const std::optional<FileError> error = SaveFile(target, file->bytes)) {
    Show(Form1Messages::CannotSave(path, *error));
  }
}

void Form1::LoadGrid() {
  const QString path = dialogs_->OpenFileName();
  if (path.isEmpty()) return;  // cancelled
  Expected<LoadedCells, CellsFileError> file = LoadCells(
      FileSystemPath(path), Readable::kRegularFilesOnly, AcceptedFiles::kGridFilesAndPictures);
  if (!file) {
    // SAVE must not offer this file's name: the grid in the window is not its grid.
    dialogs_->ForgetFileName();
    Show(Form1Messages::CannotLoad(path, file.error()));
    return;
  }
  // Only the cells change; the row codes and DATA lines stay until Command1.
  GridDocument document = ReadFields();
  document.cells = std::move(file->cells);
  WriteFields(document);
  MarkAndDrawCells(document.cells);
}

void Form1::Show(const Message& failure) { dialogs_->ShowFailure(failure.title, failure.text); }

}  // namespace gridcode
