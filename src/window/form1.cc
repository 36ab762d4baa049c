#include "window/form1.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <filesystem>
#include <limits>

#include "encoder/cell_value.h"
#include "encoder/data_lines.h"
#include "grid/message_text.h"
#include "picture/cells_file.h"
#include "picture/grid_picture.h"
#include "storage/file_io.h"
#include "storage/grid_file.h"
#include "window/grid_picture_view.h"
#include "window/paint_swatch.h"
#include "window/qt_dialogs.h"

namespace gridcode {
namespace {

// The layout is given in twips; at 96 dots per inch 15 twips make one pixel,
// and the toolkit scales these device-independent pixels on denser screens.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

constexpr int kClientWidth = 13635;
constexpr int kClientHeight = 9285;
constexpr int kCellSize = 375;
constexpr std::array<int, kColumns> kColumnLeft = {840,  1320, 1800, 2280, 2760, 3240, 3720,
                                                   4320, 4800, 5280, 5760, 6240, 6720, 7200};
constexpr std::array<int, kRows> kRowTop = {720,  1320, 1920, 2400, 2880,
                                            3480, 4080, 4680, 5160, 5640};
// Level with the grid rows, except row code 2, which stands 120 twips higher.
constexpr std::array<int, kRows> kRowCodeTop = {720,  1320, 1800, 2400, 2880,
                                                3480, 4080, 4680, 5160, 5640};

struct Box {
  int left, top, width, height;
  QRect Pixels() const { return {Px(left), Px(top), Px(width), Px(height)}; }
};
constexpr int kRowCodeLeft = 8040, kRowCodeWidth = 3255, kFieldHeight = 375;
constexpr Box kCommand1Box = {2880, 7200, 1335, 540};
constexpr std::array<Box, kDataLineCount> kDataLineBox = {Box{5040, 6720, 8175, 375},
                                                          Box{5040, 7200, 8175, 375}};
constexpr Box kSaveBox = {7800, 8280, 1815, 495};
constexpr Box kLoadBox = {10200, 8280, 1455, 495};
// The picture of the grid, level with the first DATA line, in line with grid
// column 0: 14 x 10 squares of 120 twips.
constexpr Box kPictureBox = {840, 6720, 1680, 1200};
// The swatches of the values 0 to 3 below the picture, in line with grid
// columns 0 to 3, level with the middle of SAVE: squares the size of a cell.
constexpr int kSwatchTop = 8340;

constexpr double kFontPoints = 14.25;
constexpr double kCommand1FontPoints = 9;

// The window's font: the Japanese proportional Gothic it was drawn with, or the
// closest that is installed.
QFont FormFont(double points) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                    QStringLiteral("TakaoPGothic"), QStringLiteral("Droid Sans Fallback")});
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// Returns `text` quoted for a message, cut short if long, controls shown.
QString Quoted(const std::string& text) {
  return QStringLiteral("“%1”").arg(ToQString(QuotableText(text)));
}

QString Number(double value) { return ToQString(NumberText(value)); }

// Returns `path` as the file system spells it.
std::filesystem::path FileSystemPath(const QString& path) {
  return {QFile::encodeName(path).toStdString()};
}

}  // namespace

Form1::Form1() : Form1(nullptr) {}

Form1::Form1(std::unique_ptr<Dialogs> dialogs) : dialogs_(std::move(dialogs)) {
  if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>(this);
  CreateControls();
  // The load event: the grid starts with "0" in every cell.
  GridDocument document = ReadFields();
  ResetGrid(document);
  WriteFields(document);
  picture_->Show(document.Text1);
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setFont(FormFont(kFontPoints));
  setFixedSize(Px(kClientWidth), Px(kClientHeight));

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
    const int row = RowOf(i), column = ColumnOf(i);
    Text1[i] = make_field(QStringLiteral("Text1_%1").arg(i),
                          tr("Cell row %1, column %2").arg(row + 1).arg(column + 1),
                          Box{kColumnLeft[column], kRowTop[row], kCellSize, kCellSize}.Pixels());
    Text1[i]->setAlignment(Qt::AlignCenter);
  }
  for (int row = 0; row < kRows; ++row) {
    Text2[row] =
        make_field(QStringLiteral("Text2_%1").arg(row), tr("Row code %1").arg(row + 1),
                   Box{kRowCodeLeft, kRowCodeTop[row], kRowCodeWidth, kFieldHeight}.Pixels());
  }
  const auto make_button = [this](const QString& name, const QString& caption, const Box& box) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(box.Pixels());
    button->setAutoDefault(false);
    return button;
  };
  Command1 = make_button(QStringLiteral("Command1"), QStringLiteral("Command1"), kCommand1Box);
  Command1->setFont(FormFont(kCommand1FontPoints));
  for (int line = 0; line < kDataLineCount; ++line) {
    Text3[line] = make_field(QStringLiteral("Text3_%1").arg(line), tr("DATA line %1").arg(line + 1),
                             kDataLineBox[line].Pixels());
  }
  Save = make_button(QStringLiteral("Save"), QStringLiteral("SAVE"), kSaveBox);
  LOAD = make_button(QStringLiteral("LOAD"), QStringLiteral("LOAD"), kLoadBox);
  picture_ = new GridPictureView(kPictureBox.Pixels(), this);
  swatches_ = new QButtonGroup(this);
  for (int value = 0; value < static_cast<int>(kValueColours.size()); ++value) {
    const Box box = {kColumnLeft[value], kSwatchTop, kCellSize, kCellSize};
    swatches_->addButton(new PaintSwatch(value, box.Pixels(), this), value);
  }
  // The darkest value is chosen at start-up.
  const int chosen = static_cast<int>(kValueColours.size()) - 1;
  swatches_->button(chosen)->setChecked(true);
  picture_->SetPaintValue(chosen);

  connect(Command1, &QPushButton::clicked, this, &Form1::EncodeGrid);
  connect(Save, &QPushButton::clicked, this, &Form1::SaveGrid);
  connect(LOAD, &QPushButton::clicked, this, &Form1::LoadGrid);
  connect(swatches_, &QButtonGroup::idClicked, picture_, &GridPictureView::SetPaintValue);
  connect(picture_, &GridPictureView::Painted, this, &Form1::PaintCells);
  Text1[0]->setFocus();
}

GridDocument Form1::ReadFields() const {
  GridDocument document;
  document.Text1 = CellTexts();
  for (int i = 0; i < kRows; ++i) document.Text2[i] = Text2[i]->text().toStdString();
  for (int i = 0; i < kDataLineCount; ++i) document.Text3[i] = Text3[i]->text().toStdString();
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
  for (int i = 0; i < kCellCount; ++i) write(Text1[i], document.Text1[i]);
  for (int i = 0; i < kRows; ++i) write(Text2[i], document.Text2[i]);
  for (int i = 0; i < kDataLineCount; ++i) write(Text3[i], document.Text3[i]);
}

void Form1::EncodeGrid() {
  GridDocument document = ReadFields();
  const std::optional<Overflow> overflow = BuildDataLines(document);
  WriteFields(document);
  ShowReadings(document.Text1);
  if (overflow) dialogs_->ShowFailure(tr("Overflow"), OverflowMessage(*overflow, document.Text1));
}

void Form1::ShowReadings(const Cells& cells) {
  MarkUnusualCells(cells);
  picture_->Show(cells);
}

void Form1::MarkUnusualCells(const Cells& cells) {
  for (int i = 0; i < kCellCount; ++i) {
    QString explanation;
    if (!TwoBitValue(cells[i])) {
      const std::optional<double> value = CellValue(cells[i]);
      explanation =
          value
              ? tr("A cell holds one digit from 0 to 3; this one reads as %1.").arg(Number(*value))
              : tr("A cell holds one digit from 0 to 3; this one holds a number "
                   "too large to encode.");
    }
    MarkCell(i, explanation);
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

QString Form1::OverflowMessage(const Overflow& overflow, const Cells& cells) const {
  const int row = overflow.row + 1, column = overflow.column + 1;
  const std::string& text = cells[overflow.cell_index()];
  QString message;
  switch (overflow.cause) {
    case Overflow::Cause::kCellBeyondDoubleRange:
      message = tr("Row %1 cannot be encoded: the cell in column %2 holds %3, a number too "
                   "large to encode.")
                    .arg(row)
                    .arg(column)
                    .arg(Quoted(text));
      break;
    case Overflow::Cause::kProductBeyondDoubleRange:
      message = tr("Row %1 cannot be encoded: the cell in column %2 holds %3, and four times "
                   "that number is too large to encode.")
                    .arg(row)
                    .arg(column)
                    .arg(Quoted(text));
      break;
    case Overflow::Cause::kPairBeyond32Bits:
      message = tr("Row %1 cannot be encoded: the cells in columns %2 and %3 hold %4 and %5, "
                   "whose pair value 4 × left + right = %6 lies outside the range "
                   "-2147483648 to 2147483647.")
                    .arg(row)
                    .arg(column)
                    .arg(column + 1)
                    .arg(Quoted(text), Quoted(cells[overflow.cell_index() + 1]),
                         Number(overflow.pair_value));
      break;
  }
  const QString kept = overflow.row == 0
                           ? tr("The row codes and the DATA lines are unchanged.")
                           : tr("The rows above it show their new codes; row %1, the rows "
                                "below it and the DATA lines are unchanged.")
                                 .arg(row);
  return message + QStringLiteral("\n\n") + kept;
}

void Form1::SaveGrid() {
  // The file's contents are made from the cells as they are when SAVE is pressed.
  const Cells cells = CellTexts();
  const QString path = dialogs_->SaveFileName();
  if (path.isEmpty()) return;  // cancelled
  const std::optional<std::string> contents = SavedContents(path, cells);
  if (!contents) return;
  if (const std::optional<FileError> error = SaveFile(FileSystemPath(path), *contents)) {
    const QString outcome = error->file_changed
                                ? tr("The file may now hold only part of the grid; the grid "
                                     "in the window is unchanged, so save it again.")
                                : tr("No file was changed.");
    dialogs_->ShowFailure(tr("Cannot save"), tr("The grid could not be saved to %1: %2.\n\n%3")
                                                 .arg(QDir::toNativeSeparators(path),
                                                      FileErrorReason(*error), outcome));
  }
}

std::optional<std::string> Form1::SavedContents(const QString& path, const Cells& cells) {
  // A picture that LOAD reads keeps its scale and colours when it is replaced.
  const CellsFile existing =
      LoadCells(FileSystemPath(path), Readable::kRegularFilesOnly, Accepted::kGridFilesAndPictures);
  const bool picture = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ||
                       existing.format == PictureFormat::kPng;
  if (!picture) {
    const std::vector<int> will_change = CellsThatWillNotLoadBack(cells);
    if (!will_change.empty() &&
        !dialogs_->Confirm(tr("Save grid"), RoundTripQuestion(will_change, cells))) {
      return std::nullopt;
    }
    return GridFileText(cells);
  }
  const PictureStyle style = existing.format == PictureFormat::kPng && !existing.failed()
                                 ? existing.style
                                 : PictureStyle{};
  RenderedPng rendered = RenderPng(cells, style);
  if (rendered.unusual_cell) {
    const int index = *rendered.unusual_cell;
    dialogs_->ShowFailure(
        tr("Cannot save"),
        tr("The grid cannot be saved as a picture to %1: the cell in row %2, column %3 holds %4, "
           "and a picture holds only the digits 0 to 3.\n\nNo file was changed.")
            .arg(QDir::toNativeSeparators(path), QString::number(RowOf(index) + 1),
                 QString::number(ColumnOf(index) + 1), Quoted(cells[index])));
    return std::nullopt;
  }
  if (rendered.png.empty()) {
    dialogs_->ShowFailure(tr("Cannot save"),
                          tr("The picture could not be made (%1).\n\nNo file was changed.")
                              .arg(ToQString(rendered.failure)));
    return std::nullopt;
  }
  return std::move(rendered.png);
}

void Form1::LoadGrid() {
  const QString path = dialogs_->OpenFileName();
  if (path.isEmpty()) return;  // cancelled
  CellsFile file =
      LoadCells(FileSystemPath(path), Readable::kRegularFilesOnly, Accepted::kGridFilesAndPictures);
  if (file.failed()) {
    // SAVE must not offer this file's name: the grid in the window is not its grid.
    dialogs_->ForgetFileName();
    dialogs_->ShowFailure(tr("Cannot load"),
                          tr("The grid could not be loaded from %1: %2.\n\nThe grid is unchanged.")
                              .arg(QDir::toNativeSeparators(path), ReadFailureReason(file)));
    return;
  }
  // Only the cells change; the row codes and DATA lines stay until Command1.
  GridDocument document = ReadFields();
  document.Text1 = std::move(file.cells);
  WriteFields(document);
  ShowReadings(document.Text1);
}

QString Form1::ReadFailureReason(const CellsFile& file) const {
  return file.file_error ? FileErrorReason(*file.file_error)
                         : ImportErrorReason(*file.picture_error);
}

QString Form1::FileErrorReason(const FileError& error) const {
  QString system_reason = QString::fromLocal8Bit(std::strerror(error.system_error));
  switch (error.kind) {
    case FileError::Kind::kCannotRead:
      return tr("the file cannot be read (%1)").arg(system_reason);
    case FileError::Kind::kCannotWrite:
      return tr("the file cannot be written (%1)").arg(system_reason);
    case FileError::Kind::kIsDirectory:
      return tr("it is a folder, not a file");
    case FileError::Kind::kNotRegularFile:
      return tr("it is not a regular file (a pipe, socket or device)");
    case FileError::Kind::kNothingToRead:
      return tr("the file is empty and holds no grid");
  }
  return system_reason;
}

QString Form1::ImportErrorReason(const ImportError& error) const {
  const auto pixel = [&] { return tr("pixel (%1, %2)").arg(error.x).arg(error.y); };
  switch (error.kind) {
    case ImportError::Kind::kFileTooLarge:
      return tr("the picture is over %1 MiB, too large for a grid picture")
          .arg(kImageByteLimit >> 20);
    case ImportError::Kind::kOtherFormat:
      return tr("it is a %1 picture, and gridcode reads PNG pictures only")
          .arg(ToQString(std::string(FormatName(error.format))));
    case ImportError::Kind::kNotAPicture:
      return tr("it is not a PNG picture");
    case ImportError::Kind::kUnreadable:
      return tr("it begins like a PNG picture but cannot be read (%1)")
          .arg(ToQString(error.reason));
    case ImportError::Kind::kWrongSize:
      return tr("the picture is %1 × %2 pixels, but a grid picture is 14N × 10N pixels for a "
                "whole N (14 × 10, 28 × 20, 42 × 30, …)")
          .arg(error.width)
          .arg(error.height);
    case ImportError::Kind::kTooLarge:
      return tr("the picture is %1 × %2 pixels, but a grid picture has at most %3 × %3 pixels "
                "a cell (%4 × %5)")
          .arg(error.width)
          .arg(error.height)
          .arg(kLargestScale)
          .arg(kColumns * kLargestScale)
          .arg(kRows * kLargestScale);
    case ImportError::Kind::kIndexPastPalette:
      return tr("%1 has palette index %2, but the palette has only %n entries", nullptr,
                error.palette_size)
          .arg(pixel())
          .arg(error.index);
    case ImportError::Kind::kUnknownIndex:
      return tr("%1 has palette index %2, but a grid picture uses only the indices 0 to 3")
          .arg(pixel())
          .arg(error.index);
    case ImportError::Kind::kUnknownColour:
      return tr("%1 has the colour %2, which is none of the four grid colours")
          .arg(pixel(), ToQString(ColourText(error.colour)));
    case ImportError::Kind::kMixedBlock:
      return tr("%1 differs from the rest of its %2 × %2 block, the cell in row %3, column %4; "
                "each cell of a grid picture is one colour")
          .arg(pixel())
          .arg(error.scale)
          .arg(RowOf(error.cell_index()) + 1)
          .arg(ColumnOf(error.cell_index()) + 1);
  }
  return {};
}

QString Form1::RoundTripQuestion(const std::vector<int>& indices, const Cells& cells) const {
  constexpr std::size_t kListed = 5;
  QStringList listed;
  for (std::size_t i = 0; i < indices.size() && i < kListed; ++i) {
    const int index = indices[i];
    const QString where = tr("row %1, column %2").arg(RowOf(index) + 1).arg(ColumnOf(index) + 1);
    listed << (cells[index].empty() ? tr("%1 is empty").arg(where)
                                    : tr("%1 holds %2").arg(where, Quoted(cells[index])));
  }
  if (indices.size() > kListed)
    listed << tr("and %n more", nullptr, static_cast<int>(indices.size() - kListed));
  return tr("A grid file gives each cell one character, so after loading, the cells from the "
            "first of these on will not be as they are now:\n\n%1\n\nSave anyway?")
      .arg(listed.join(QLatin1Char('\n')));
}

}  // namespace gridcode
