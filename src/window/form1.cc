#include "window/form1.h"

#include <QAction>
#include <QButtonGroup>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <filesystem>
#include <limits>
#include <utility>

#include "encoder/cell_value.h"
#include "encoder/data_lines.h"
#include "format/cells_file.h"
#include "grid/value_colours.h"
#include "storage/file_io.h"
#include "window/file_drop.h"
#include "window/file_names.h"
#include "window/form1_layout.h"
#include "window/grid_picture_view.h"
#include "window/messages.h"
#include "window/paint_swatch.h"
#include "window/qt_dialogs.h"
#include "window/tool_icons.h"

namespace gridcode {

Form1::Form1() : Form1(nullptr) {}

Form1::Form1(std::unique_ptr<Dialogs> dialogs)
    : dialogs_(std::move(dialogs)),
      history_([this](const std::vector<CellText>& texts) { WriteCells(texts); }) {
  if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>(this);
  CreateControls();
  // The grid starts with "0" in every cell.
  GridDocument document = ReadFields();
  ResetGrid(document);
  WriteFields(document);
  picture_->Show(document.cells);
  // From here on every change of a cell's text is followed.
  for (int i = 0; i < kCellCount; ++i) {
    cell_texts_[i] = Text1[i]->text();
    connect(Text1[i], &QLineEdit::textChanged, this,
            [this, i](const QString& text) { CellChanged(i, text); });
  }
}

Form1::~Form1() {
  // The picture is hidden with the window as it goes, and must not report a
  // stroke to it then.
  picture_->disconnect(this);
}

void Form1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  namespace layout = form1_layout;
  setFont(layout::FormFont());
  setFixedSize(layout::ClientSize());
  setAcceptDrops(true);

  // Controls are made in tab order, which is the toolkit's default focus chain.
  const auto make_field = [this](const QString& name, const QString& accessible_name,
                                 const QRect& geometry) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(accessible_name);
    field->setGeometry(geometry);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->installEventFilter(this);
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
  connect(picture_, &GridPictureView::StrokeEnded, this, &Form1::RecordStroke);
  CreateTools();
  Text1[0]->setFocus();
}

void Form1::CreateTools() {
  namespace layout = form1_layout;
  // A tool is an action of the window, so that its keys work whatever has
  // the focus, shown by a button out of the Tab chain.
  int slot = 0;
  const auto add_tool = [this, &slot](const QString& name, ToolIcon icon, const QString& text,
                                      const QList<QKeySequence>& keys) {
    auto* action = new QAction(MakeToolIcon(icon), text, this);
    action->setShortcuts(keys);
    QStringList key_names;
    for (const QKeySequence& key : keys) key_names << key.toString(QKeySequence::NativeText);
    action->setToolTip(tr("%1 (%2)").arg(text, key_names.join(QStringLiteral(", "))));
    addAction(action);
    tools_.append(action);
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(layout::ToolRect(slot++));
    button->setIconSize(layout::ToolIconSize());
    button->setAccessibleName(text);
    return action;
  };
  QUndoStack& stack = history_.stack();
  QAction* undo = add_tool(QStringLiteral("Undo"), ToolIcon::kUndo, tr("Undo"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  QAction* redo = add_tool(
      QStringLiteral("Redo"), ToolIcon::kRedo, tr("Redo"),
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  // A stroke under way is a step of its own, ended before the history moves.
  connect(undo, &QAction::triggered, this, [this] {
    picture_->EndStroke();
    history_.Undo();
  });
  connect(redo, &QAction::triggered, this, [this] {
    picture_->EndStroke();
    history_.Redo();
  });
  struct ShapeTool {
    Shape shape;
    const char* name;
    ToolIcon icon;
    QString text;
    QKeySequence key;
  };
  const ShapeTool shape_tools[] = {
      {Shape::kMirrorLeftRight, "MirrorLeftRight", ToolIcon::kMirrorLeftRight,
       tr("Mirror left to right"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
      {Shape::kMirrorTopBottom, "MirrorTopBottom", ToolIcon::kMirrorTopBottom,
       tr("Mirror top to bottom"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
      {Shape::kMoveLeft, "MoveLeft", ToolIcon::kMoveLeft, tr("Move one cell left"),
       QKeySequence(Qt::ALT | Qt::Key_Left)},
      {Shape::kMoveRight, "MoveRight", ToolIcon::kMoveRight, tr("Move one cell right"),
       QKeySequence(Qt::ALT | Qt::Key_Right)},
      {Shape::kMoveUp, "MoveUp", ToolIcon::kMoveUp, tr("Move one cell up"),
       QKeySequence(Qt::ALT | Qt::Key_Up)},
      {Shape::kMoveDown, "MoveDown", ToolIcon::kMoveDown, tr("Move one cell down"),
       QKeySequence(Qt::ALT | Qt::Key_Down)},
  };
  for (const ShapeTool& tool : shape_tools) {
    QAction* action = add_tool(QLatin1String(tool.name), tool.icon, tool.text, {tool.key});
    connect(action, &QAction::triggered, this, [this, shape = tool.shape] { Reshape(shape); });
  }
}

GridDocument Form1::ReadFields() const {
  GridDocument document;
  document.cells = ReadCells();
  for (int i = 0; i < kRows; ++i) document.row_codes[i] = Text2[i]->text().toStdString();
  for (int i = 0; i < kDataLineCount; ++i) {
    document.data_lines[i] = Text3[i]->text().toStdString();
  }
  return document;
}

Cells Form1::ReadCells() const {
  Cells cells;
  for (int i = 0; i < kCellCount; ++i) cells[i] = Text1[i]->text().toStdString();
  return cells;
}

void Form1::WriteFields(const GridDocument& document) {
  // Only changed texts are set, so unchanged fields keep their cursor and undo.
  const QScopedValueRollback writing(writing_cells_, true);
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
  if (!stroke_before_) stroke_before_ = cell_texts_;
  const QString digit = QString::number(value);
  std::vector<CellText> texts;
  texts.reserve(indices.size());
  for (const int index : indices) texts.push_back({index, digit});
  WriteCells(texts);
}

void Form1::RecordStroke() {
  if (!stroke_before_) return;
  history_.Record(*stroke_before_, cell_texts_);
  stroke_before_.reset();
}

void Form1::Reshape(Shape shape) { ChangeCells(Reshaped(cell_texts_, shape)); }

void Form1::WriteCells(const std::vector<CellText>& texts) {
  {
    const QScopedValueRollback writing(writing_cells_, true);
    for (const CellText& cell : texts) {
      if (Text1[cell.index]->text() != cell.text) Text1[cell.index]->setText(cell.text);
      MarkCell(cell.index, QString());
    }
  }
  picture_->Show(ReadCells());
}

void Form1::ChangeCells(const CellTexts& after) {
  picture_->EndStroke();
  const CellTexts before = cell_texts_;
  std::vector<CellText> texts;
  for (int i = 0; i < kCellCount; ++i) {
    if (after[i] != before[i]) texts.push_back({i, after[i]});
  }
  if (texts.empty()) return;
  WriteCells(texts);
  history_.Record(before, cell_texts_);
}

void Form1::CellChanged(int index, const QString& text) {
  if (writing_cells_) {
    cell_texts_[index] = text;
    return;
  }
  picture_->EndStroke();
  const QString before = std::exchange(cell_texts_[index], text);
  history_.RecordTyping(index, before, text);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A text field claims the keys of its own undo and redo before the
      // window's actions see them; the grid's history answers them instead.
      const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
      for (const QAction* tool : std::as_const(tools_)) {
        if (tool->shortcuts().contains(key)) {
          event->ignore();
          return true;
        }
      }
      break;
    }
    case QEvent::FocusOut:
      history_.EndTyping();
      break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      if (TakeFileDrop(static_cast<QDropEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) { TakeFileDrop(event); }
void Form1::dragMoveEvent(QDragMoveEvent* event) { TakeFileDrop(event); }
void Form1::dropEvent(QDropEvent* event) { TakeFileDrop(event); }

bool Form1::TakeFileDrop(QDropEvent* event) {
  const DropContents drop = ReadDrop(*event->mimeData());
  if (drop.kind == DropContents::Kind::kNoLinks) return false;
  // Links that are not all files are taken as well, so that no cell types
  // them in, and refused when they are dropped.
  event->acceptProposedAction();
  if (event->type() != QEvent::Drop) return true;
  // Opened, or refused, after the drop, so that a message does not keep the
  // file manager waiting for the drop to end.
  if (drop.kind == DropContents::Kind::kNotLocalFile) {
    event->ignore();
    QMetaObject::invokeMethod(
        this, [this, link = drop.link] { Show(Form1Messages::NotALocalFile(link)); },
        Qt::QueuedConnection);
    return true;
  }
  QMetaObject::invokeMethod(
      this, [this, paths = drop.paths] { OpenDropped(paths); }, Qt::QueuedConnection);
  return true;
}

void Form1::OpenDropped(const QStringList& paths) {
  if (paths.size() != 1) {
    Show(Form1Messages::OneFileAtATime(static_cast<int>(paths.size())));
    return;
  }
  Open(paths.first());
}

void Form1::SaveGrid() {
  // The file's contents are made from the cells as they are when SAVE is pressed.
  const Cells cells = ReadCells();
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
  Load(path);
}

void Form1::Open(const QString& path) {
  if (Load(path)) dialogs_->OfferFileName(QFileInfo(path).absoluteFilePath());
}

bool Form1::Load(const QString& path) {
  const Expected<LoadedCells, CellsFileError> file = LoadCells(
      FileSystemPath(path), Readable::kRegularFilesOnly, AcceptedFiles::kGridFilesAndPictures);
  if (!file) {
    // SAVE must not offer this file's name: the grid in the window is not its grid.
    dialogs_->ForgetFileName();
    Show(Form1Messages::CannotLoad(path, file.error()));
    return false;
  }
  // Only the cells change; the row codes and DATA lines stay until Command1.
  CellTexts texts;
  for (int i = 0; i < kCellCount; ++i) texts[i] = ToQString(file->cells[i]);
  ChangeCells(texts);
  MarkAndDrawCells(file->cells);
  return true;
}

void Form1::Show(const Message& failure) { dialogs_->ShowFailure(failure.title, failure.text); }

}  // namespace gridcode
