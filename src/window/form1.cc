#include "window/form1.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "encoder/cell_value.h"
#include "encoder/data_lines.h"
#include "encoder/listing_bank.h"
#include "format/cells_file.h"
#include "grid/value_colours.h"
#include "window/bank_player.h"
#include "window/clipboard.h"
#include "window/form1_layout.h"
#include "window/grid_picture_view.h"
#include "window/messages.h"
#include "window/paint_swatch.h"
#include "window/qt_dialogs.h"
#include "window/sprite_bank_view.h"
#include "window/tool_icons.h"

namespace gridcode {

Form1::Form1() : Form1(nullptr) {}

Form1::Form1(std::unique_ptr<Dialogs> dialogs) : dialogs_(std::move(dialogs)) {
  if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>(this);
  CreateControls();
  ShowSprite();
  ShowCount();
  connect(&model_, &BankModel::TextChanged, this, [this](std::size_t sprite, int field) {
    if (sprite == model_.shown()) ShowText(field);
  });
  connect(&model_, &BankModel::ShownChanged, this, &Form1::ShowSprite);
  connect(&model_, &BankModel::ShownChanged, this, &Form1::ShowCount);
  connect(&model_, &BankModel::SpritesChanged, this, &Form1::ShowCount);
  connect(&model_, &BankModel::FileChanged, this, &Form1::OfferDocumentFile);
  // Typing: every change of a field's text is offered to the history, which
  // makes a step only of a text the model does not hold already.
  for (int field = 0; field < kFieldCount; ++field) {
    connect(FieldEdit(field), &QLineEdit::textChanged, this,
            [this, field](const QString& text) { history_.Type(field, text.toStdString()); });
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
  // The painted cells hold a digit 0 to 3; the row codes and DATA lines wait
  // for Command1, as after typing.
  connect(picture_, &GridPictureView::Painted, this,
          [this](int stroke, const QList<int>& indices, int value) {
            player_->Stop();
            history_.Paint(stroke, {indices.begin(), indices.end()}, std::to_string(value));
          });
  CreateTools();
  CreateBank();
  CreatePlayer();
  CreateClipboard();
  CreatePalettes();
  Text1[0]->setFocus();
}

QAction* Form1::AddTool(const QString& name, ToolIcon icon, const QString& text,
                        const QList<QKeySequence>& keys, const QRect& geometry) {
  auto* action = new QAction(MakeToolIcon(icon), text, this);
  action->setShortcuts(keys);
  QStringList key_names;
  for (const QKeySequence& key : keys) key_names << key.toString(QKeySequence::NativeText);
  action->setToolTip(
      keys.isEmpty() ? text : tr("%1 (%2)").arg(text, key_names.join(QStringLiteral(", "))));
  addAction(action);
  tools_.append(action);
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setDefaultAction(action);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(geometry);
  button->setIconSize(form1_layout::ToolIconSize());
  button->setAccessibleName(text);
  return action;
}

void Form1::CreateTools() {
  namespace layout = form1_layout;
  int slot = 0;
  const auto add_tool = [this, &slot](const QString& name, ToolIcon icon, const QString& text,
                                      const QList<QKeySequence>& keys) {
    return AddTool(name, icon, text, keys, layout::ToolRect(slot++));
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
  connect(undo, &QAction::triggered, this, [this] { history_.Undo(); });
  connect(redo, &QAction::triggered, this, [this] { history_.Redo(); });
  struct ShapeTool {
    Shape shape;
    const char* name;
    ToolIcon icon;
    QString text;
    QList<QKeySequence> keys;
  };
  // Ctrl+Shift+V pastes, as in other programs, so the mirrors are on Alt and
  // Shift, beside the moves on Alt; Ctrl+Shift+H mirrors left to right too.
  const ShapeTool shape_tools[] = {
      {Shape::kMirrorLeftRight,
       "MirrorLeftRight",
       ToolIcon::kMirrorLeftRight,
       tr("Mirror left to right"),
       {QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_H),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)}},
      {Shape::kMirrorTopBottom,
       "MirrorTopBottom",
       ToolIcon::kMirrorTopBottom,
       tr("Mirror top to bottom"),
       {QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_V)}},
      {Shape::kMoveLeft,
       "MoveLeft",
       ToolIcon::kMoveLeft,
       tr("Move one cell left"),
       {QKeySequence(Qt::ALT | Qt::Key_Left)}},
      {Shape::kMoveRight,
       "MoveRight",
       ToolIcon::kMoveRight,
       tr("Move one cell right"),
       {QKeySequence(Qt::ALT | Qt::Key_Right)}},
      {Shape::kMoveUp,
       "MoveUp",
       ToolIcon::kMoveUp,
       tr("Move one cell up"),
       {QKeySequence(Qt::ALT | Qt::Key_Up)}},
      {Shape::kMoveDown,
       "MoveDown",
       ToolIcon::kMoveDown,
       tr("Move one cell down"),
       {QKeySequence(Qt::ALT | Qt::Key_Down)}},
  };
  for (const ShapeTool& tool : shape_tools) {
    QAction* action = add_tool(QLatin1String(tool.name), tool.icon, tool.text, tool.keys);
    connect(action, &QAction::triggered, this, [this, shape = tool.shape] { Reshape(shape); });
  }
}

void Form1::CreateBank() {
  namespace layout = form1_layout;
  thumbnails_ = new SpriteBankView(model_, layout::BankRect(), this);
  connect(thumbnails_, &SpriteBankView::Chosen, &model_, &BankModel::SetShown);
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("SpriteCount"));
  count_->setGeometry(layout::BankCountRect());
  count_->setFont(layout::BankCountFont());
  count_->setAlignment(Qt::AlignCenter);

  int slot = 0;
  const auto add_button = [this, &slot](const char* name, ToolIcon icon, const QString& text) {
    return AddTool(QLatin1String(name), icon, text, {}, layout::BankButtonRect(slot++));
  };
  connect(add_button("NewSprite", ToolIcon::kNewSprite, tr("New sprite of 0 after the shown one")),
          &QAction::triggered, this, [this] { NewSprite(false); });
  connect(add_button("CopySprite", ToolIcon::kCopySprite, tr("Copy of the shown sprite after it")),
          &QAction::triggered, this, [this] { NewSprite(true); });
  QAction* remove =
      add_button("DeleteSprite", ToolIcon::kDeleteSprite, tr("Delete the shown sprite"));
  connect(remove, &QAction::triggered, this, &Form1::DeleteSprite);
  connect(&model_, &BankModel::SpritesChanged, remove,
          [this, remove] { remove->setEnabled(model_.bank().size() > 1); });
  remove->setEnabled(false);

  // Keys without buttons, which act whatever has the focus as the tools do.
  const auto add_key = [this](const QString& text, QKeyCombination key, auto operation) {
    auto* action = new QAction(text, this);
    action->setShortcut(QKeySequence(key));
    addAction(action);
    tools_.append(action);
    connect(action, &QAction::triggered, this, operation);
  };
  add_key(tr("Next sprite"), Qt::CTRL | Qt::Key_PageDown, [this] { Step(1); });
  add_key(tr("Previous sprite"), Qt::CTRL | Qt::Key_PageUp, [this] { Step(-1); });
  add_key(tr("Move the sprite later"), Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown,
          [this] { MoveShown(1); });
  add_key(tr("Move the sprite earlier"), Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp,
          [this] { MoveShown(-1); });
}

void Form1::CreatePlayer() {
  namespace layout = form1_layout;
  player_ = new BankPlayer(this);
  play_ = AddTool(QStringLiteral("Play"), ToolIcon::kPlay, tr("Play the sprites"),
                  {QKeySequence(Qt::Key_F5)}, layout::PlayRect());
  play_->setCheckable(true);
  const auto small = [this](QWidget* control, const char* name, const QString& text,
                            const QRect& geometry) {
    control->setObjectName(QLatin1String(name));
    control->setFont(layout::StripFont());
    control->setGeometry(geometry);
    control->setFocusPolicy(Qt::NoFocus);
    control->setToolTip(text);
    control->setAccessibleName(text);
  };
  rate_ = new QSpinBox(this);
  small(rate_, "PlayRate", tr("Frames a second"), layout::RateRect());
  rate_->setRange(BankPlayer::kSlowestRate, BankPlayer::kFastestRate);
  rate_->setValue(BankPlayer::kDefaultRate);
  rate_->setSuffix(tr(" /s"));
  play_mode_ = new QComboBox(this);
  small(play_mode_, "PlayMode", tr("How the sprites are played"), layout::PlayModeRect());
  play_mode_->addItem(tr("Loop"));
  play_mode_->addItem(tr("Back and forth"));
  const QString ends[] = {tr("First sprite played"), tr("Last sprite played")};
  for (int end = 0; end < 2; ++end) {
    play_range_[end] = new QSpinBox(this);
    small(play_range_[end], end == 0 ? "PlayFrom" : "PlayTo", ends[end],
          layout::PlayRangeRect(end));
    play_range_[end]->setRange(1, 1);
  }
  // The last sprite played follows the bank's last while it is that one.
  connect(&model_, &BankModel::SpritesChanged, this, [this] {
    const int count = static_cast<int>(model_.bank().size());
    const bool to_last = play_range_[1]->value() == play_range_[1]->maximum();
    for (QSpinBox* end : play_range_) end->setMaximum(count);
    if (to_last) play_range_[1]->setValue(count);
  });

  connect(play_, &QAction::toggled, this, &Form1::Play);
  connect(rate_, &QSpinBox::valueChanged, player_, &BankPlayer::SetRate);
  connect(play_mode_, &QComboBox::currentIndexChanged, player_, [this](int mode) {
    player_->SetMode(mode == 1 ? BankPlayer::Mode::kBackAndForth : BankPlayer::Mode::kLoop);
  });
  connect(player_, &BankPlayer::Frame, this, &Form1::ShowFrame);
  connect(player_, &BankPlayer::Stopped, this, [this] {
    play_->setChecked(false);
    thumbnails_->SetPlaying(std::nullopt);
    picture_->Show(model_.shown_texts().cells);
  });
  // Any change of the document stops the animation first.
  connect(&model_, &BankModel::TextChanged, player_, &BankPlayer::Stop);
  connect(&model_, &BankModel::ShownChanged, player_, &BankPlayer::Stop);
  connect(&model_, &BankModel::SpritesChanged, player_, &BankPlayer::Stop);
  connect(&model_, &BankModel::FileChanged, player_, &BankPlayer::Stop);
}

void Form1::CreateClipboard() {
  namespace layout = form1_layout;
  QAction* copy =
      AddTool(QStringLiteral("CopyPicture"), ToolIcon::kCopyToClipboard,
              tr("Copy the sprite as a picture and as DATA lines"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, layout::ClipboardButtonRect(0));
  QAction* paste =
      AddTool(QStringLiteral("PastePicture"), ToolIcon::kPasteFromClipboard,
              tr("Paste a picture, DATA lines or a grid line"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, layout::ClipboardButtonRect(1));
  connect(copy, &QAction::triggered, this, &Form1::CopySprite);
  connect(paste, &QAction::triggered, this, &Form1::PasteSprite);
  // On the picture, once a click has given it the focus, the usual keys too;
  // in a text field they copy and paste its text.
  picture_->setFocusPolicy(Qt::ClickFocus);
  const auto on_picture = [this](const QKeySequence& key, void (Form1::*operation)()) {
    auto* action = new QAction(picture_);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    picture_->addAction(action);
    connect(action, &QAction::triggered, this, operation);
  };
  on_picture(QKeySequence::Copy, &Form1::CopySprite);
  on_picture(QKeySequence::Paste, &Form1::PasteSprite);
}

void Form1::CreatePalettes() {
  namespace layout = form1_layout;
  palette_choice_ = new QComboBox(this);
  palette_choice_->setObjectName(QStringLiteral("Palette"));
  palette_choice_->setFont(layout::StripFont());
  palette_choice_->setGeometry(layout::PaletteRect());
  palette_choice_->setFocusPolicy(Qt::NoFocus);
  const QString text = tr("The palette the sprites are shown in");
  palette_choice_->setToolTip(text);
  palette_choice_->setAccessibleName(text);
  for (const Palette& palette : FixedPalettes()) {
    palette_choice_->addItem(QString::fromStdString(palette.short_name));
  }
  // The last entry, the palette of the picture last loaded, waits for one.
  palette_choice_->addItem(tr("Picture loaded"));
  palette_choice_->setItemData(palette_choice_->count() - 1, 0, Qt::UserRole - 1);
  palette_ = FixedPalettes().front();
  connect(palette_choice_, &QComboBox::currentIndexChanged, this, &Form1::ChoosePalette);
}

void Form1::CreateColourChoices() {
  namespace layout = form1_layout;
  for (int slot = 0; slot < 3; ++slot) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(QStringLiteral("Colour%1").arg(slot + 1));
    choice->setFont(layout::StripFont());
    choice->setGeometry(layout::ColourChoiceRect(slot));
    choice->setFocusPolicy(Qt::NoFocus);
    const QString text = tr("The machine's colour of value %1").arg(slot + 1);
    choice->setToolTip(text);
    choice->setAccessibleName(text);
    for (const NamedColour& colour : kC64Colours) {
      QPixmap sample(12, 12);
      sample.fill(QColor::fromRgba(colour.colour));
      choice->addItem(QIcon(sample), QString::fromUtf8(colour.name.data(),
                                                       static_cast<qsizetype>(colour.name.size())));
    }
    choice->setCurrentIndex(kC64DefaultColours[slot]);
    connect(choice, &QComboBox::currentIndexChanged, this, &Form1::ChoosePalette);
    colour_choice_[slot] = choice;
  }
}

void Form1::ChoosePalette() {
  const auto chosen = static_cast<std::size_t>(palette_choice_->currentIndex());
  const std::vector<Palette>& fixed = FixedPalettes();
  const bool c64 = chosen < fixed.size() && fixed[chosen].name == "c64";
  // The colour choices are made when first needed, not before the first frame.
  if (c64 && colour_choice_[0] == nullptr) CreateColourChoices();
  for (QComboBox* colour : colour_choice_) {
    if (colour != nullptr) colour->setVisible(c64);
  }
  if (c64) {
    palette_ = *C64Palette({colour_choice_[0]->currentIndex(), colour_choice_[1]->currentIndex(),
                            colour_choice_[2]->currentIndex()});
  } else {
    palette_ = chosen < fixed.size() ? fixed[chosen] : picture_palette_;
  }
  picture_->SetPalette(palette_);
  thumbnails_->SetPalette(palette_);
  const std::array<Argb, 4> colours = PictureColours(palette_);
  for (int value = 0; value < 4; ++value) {
    static_cast<PaintSwatch*>(swatches_->button(value))
        ->SetColour(colours[value], value == 0 && palette_.transparent_zero);
  }
}

QLineEdit* Form1::FieldEdit(int field) const {
  if (field < kCellCount) return Text1[field];
  if (field < DataLineField(0)) return Text2[field - kCellCount];
  return Text3[field - DataLineField(0)];
}

void Form1::ShowText(int field) {
  SetFieldText(field);
  if (field < kCellCount) picture_->ShowCell(field, model_.shown_texts().cells[field]);
}

void Form1::SetFieldText(int field) {
  QLineEdit* edit = FieldEdit(field);
  // Only a changed text is set, so that the field being typed in keeps its
  // cursor and its own undo.
  const QString text = ToQString(FieldText(model_.shown_texts(), field));
  if (edit->text() != text) edit->setText(text);
  if (field < kCellCount) MarkCell(field);
}

void Form1::ShowSprite() {
  for (int field = 0; field < kFieldCount; ++field) SetFieldText(field);
  picture_->Show(model_.shown_texts().cells);
}

void Form1::ShowCount() {
  count_->setText(QStringLiteral("%1 / %2").arg(model_.shown() + 1).arg(model_.bank().size()));
}

void Form1::OfferDocumentFile() {
  const QString& path = model_.file().path;
  if (path == dialog_file_) return;
  dialog_file_ = path;
  if (path.isEmpty()) {
    dialogs_->ForgetFileName();
  } else {
    dialogs_->OfferFileName(path);
  }
}

void Form1::EncodeGrid() {
  player_->Stop();
  // The row codes and DATA lines follow the cells as Command1 computes them;
  // this is no step of the history, as typing in them is, and it ends the
  // typing under way.
  history_.EndTyping();
  GridDocument document = model_.shown_texts();
  const std::optional<Overflow> overflow = BuildDataLines(document);
  const std::size_t shown = model_.shown();
  for (int field = kCellCount; field < kFieldCount; ++field) {
    model_.SetText(shown, field, FieldText(document, field));
  }
  if (overflow) Show(Form1Messages::Overflowed(*overflow, document.cells));
}

void Form1::MarkCell(int index) {
  const std::string& text = model_.shown_texts().cells[index];
  const QString explanation =
      TwoBitValue(text) ? QString() : Form1Messages::UnusualCell(CellValue(text));
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

void Form1::Reshape(Shape shape) {
  GridDocument after = model_.shown_texts();
  after.cells = Reshaped(after.cells, shape);
  history_.Change(after);
}

void Form1::Step(int by) {
  const auto last = static_cast<long long>(model_.bank().size()) - 1;
  const long long to = std::clamp(static_cast<long long>(model_.shown()) + by, 0LL, last);
  model_.SetShown(static_cast<std::size_t>(to));
}

void Form1::MoveShown(int by) {
  const auto last = static_cast<long long>(model_.bank().size()) - 1;
  const long long to = std::clamp(static_cast<long long>(model_.shown()) + by, 0LL, last);
  history_.MoveSprite(model_.shown(), static_cast<std::size_t>(to));
}

void Form1::NewSprite(bool copy) {
  BankSprite sprite = copy ? model_.bank().sprite(model_.shown()) : ZeroSprite();
  sprite.origin.reset();  // a copy takes no sprite's place in a listing
  history_.InsertSprite(model_.shown() + 1, std::move(sprite));
}

void Form1::DeleteSprite() { history_.RemoveSprite(model_.shown()); }

void Form1::Play(bool on) {
  if (!on) {
    player_->Stop();
    return;
  }
  const auto last = model_.bank().size() - 1;
  const auto end = [&](int at) {
    return std::min(static_cast<std::size_t>(play_range_[at]->value() - 1), last);
  };
  player_->Play(end(0), end(1));
}

void Form1::ShowFrame(std::size_t sprite) {
  picture_->Show(model_.bank().texts(sprite).cells);
  thumbnails_->SetPlaying(sprite);
}

void Form1::CopySprite() {
  const Cells& cells = model_.shown_texts().cells;
  const PictureStyle style{.scale = picture_scale_, .palette = PictureColours(palette_)};
  Expected<std::unique_ptr<QMimeData>, RenderError> data = SpriteMimeData(cells, style);
  if (!data) {
    Show(Form1Messages::CannotCopy(data.error(), cells));
    return;
  }
  QGuiApplication::clipboard()->setMimeData(data->release());
}

void Form1::PasteSprite() {
  player_->Stop();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  Expected<LoadedFile, PasteError> pasted =
      data != nullptr ? ReadPaste(*data) : Unexpected<PasteError>(std::nullopt);
  if (!pasted) {
    Show(pasted.error() ? Form1Messages::CannotPaste(*pasted.error())
                        : Form1Messages::NothingToPaste());
    return;
  }
  if (const auto* listing = std::get_if<Listing>(&*pasted)) {
    // The sprites of DATA statements come as new sprites after the shown one.
    std::vector<BankSprite> sprites = model_.bank().sprites();
    const std::size_t at = model_.shown() + 1;
    std::vector<BankSprite> pasted_sprites = ListingSprites(*listing);
    for (BankSprite& sprite : pasted_sprites) sprite.origin.reset();  // no place in the listing
    sprites.insert(sprites.begin() + static_cast<std::ptrdiff_t>(at), pasted_sprites.begin(),
                   pasted_sprites.end());
    history_.ReplaceBank(SpriteBank(std::move(sprites), at), model_.file());
    return;
  }
  // A picture or a grid-file line fills the shown sprite's cells, as LOAD.
  const auto& cells = std::get<LoadedCells>(*pasted);
  NotePicture(cells);
  GridDocument after = model_.shown_texts();
  after.cells = cells.cells;
  history_.Change(after);
}

void Form1::NotePicture(const LoadedCells& loaded) {
  if (loaded.format != PictureFormat::kPng) return;
  picture_scale_ = loaded.style.scale;
  picture_palette_ = PictureEntriesPalette(loaded.style.palette);
  const int last = palette_choice_->count() - 1;
  palette_choice_->setItemData(last, QVariant(), Qt::UserRole - 1);  // can be chosen
  if (palette_choice_->currentIndex() == last) ChoosePalette();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A text field claims the keys of its own undo and redo, and of moving
      // its cursor, before the window's actions see them; the window's
      // history and bank answer them instead.
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

void Form1::Show(const Message& failure) { dialogs_->ShowFailure(failure.title, failure.text); }

}  // namespace gridcode
