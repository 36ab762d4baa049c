// `Form1`, gridcode's one window: the grid of 140 cells, the ten row codes,
// the two DATA lines, the buttons `Command1`, `Save` and `LOAD`, the picture
// of the grid with the four swatches to paint it with, the tool buttons
// (undo, redo, the two mirrors and the four moves), and the bank of sprites:
// a thumbnail of each, "K / N", and buttons for a new sprite, a copy and a
// deletion.
//
// The document lives in one model (BankModel); the fields show the texts of
// its shown sprite, the picture and the cells' marks follow them, and the
// thumbnails show every sprite. Every change the user makes is a step of one
// undo history (BankHistory): typing in any field, a stroke of paint, a
// loaded file, a mirror or a move, a sprite added, copied, deleted or moved.
// Command1 writes the shown sprite's row codes and DATA lines; failures are
// shown in a message box and the window goes on.
//
// The keys of the tools and of the bank act whatever has the focus, a text
// field included. A file dropped on the window, or named on the command line,
// opens as with LOAD: a listing fills the bank, a grid file or a picture the
// shown sprite.

#ifndef GRIDCODE_WINDOW_FORM1_H_
#define GRIDCODE_WINDOW_FORM1_H_

#include <QList>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "grid/grid_document.h"
#include "grid/palettes.h"
#include "grid/shape_tools.h"
#include "window/bank_history.h"
#include "window/bank_model.h"
#include "window/dialogs.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QSpinBox;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gridcode {

class BankPlayer;
struct LoadedCells;
class GridPictureView;
enum class ToolIcon;
class SpriteBankView;
struct Message;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // A window that asks its questions with the toolkit's dialogs.
  Form1();
  // A window that asks its questions through `dialogs`.
  explicit Form1(std::unique_ptr<Dialogs> dialogs);
  ~Form1() override;

  // Opens the file at `path` as LOAD does once its dialog has chosen it.
  void Open(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  // Makes a tool: an action of the window, whose keys work whatever has the
  // focus, shown by a button out of the Tab chain at `geometry`.
  QAction* AddTool(const QString& name, ToolIcon icon, const QString& text,
                   const QList<QKeySequence>& keys, const QRect& geometry);
  // Makes the tool buttons and their actions.
  void CreateTools();
  // Makes the bank's thumbnails, its count, buttons and keys.
  void CreateBank();
  // Makes the play button, its rate, way and range, and the player.
  void CreatePlayer();
  // Makes the buttons and keys that copy and paste the shown sprite.
  void CreateClipboard();
  // Makes the choice of palette and of the colours of a palette that has them.
  void CreatePalettes();
  // Makes the choices of the C64 colours of the values 1 to 3.
  void CreateColourChoices();
  // Draws the picture, the thumbnails and the swatches in the chosen palette.
  void ChoosePalette();
  // Returns the field of `field` (sprite_bank.h's numbering).
  QLineEdit* FieldEdit(int field) const;

  // Following the model.
  // Shows the text of `field` of the shown sprite in its field, its mark and
  // the picture.
  void ShowText(int field);
  // Shows the text of `field` of the shown sprite in its field and mark.
  void SetFieldText(int field);
  // Shows every text of the shown sprite.
  void ShowSprite();
  // Shows "K / N".
  void ShowCount();
  // Makes the file dialog offer the document's file, when it offers another.
  void OfferDocumentFile();

  // The button operations.
  void EncodeGrid();
  void SaveGrid();
  void LoadGrid();
  // Saves the document at `path`: the whole bank into a listing, or the
  // shown sprite as a grid file or picture.
  void SaveAt(const QString& path);
  // Writes the bank into the document's listing at `path`, in place.
  void SaveListingInPlace(const QString& path);
  // Writes the bank as a new program at `path`.
  void SaveProgram(const QString& path);
  // Writes the listing `bytes` at `path`, and follows the bank's now being
  // that listing; returns whether it did.
  bool WriteListing(const QString& path, const std::string& bytes);
  // Opens the file at `path`, or says why it cannot.
  void Load(const QString& path);
  // Moves the cells' texts of the shown sprite by the shape tool `shape`.
  void Reshape(Shape shape);
  // The bank's operations on the shown sprite.
  void Step(int by);
  void MoveShown(int by);
  void NewSprite(bool copy);
  void DeleteSprite();
  // Plays the marked sprites, or stops.
  void Play(bool on);
  // Draws sprite `sprite` in the picture, as a frame of the animation.
  void ShowFrame(std::size_t sprite);
  // Puts the shown sprite on the clipboard, as a picture and as DATA lines.
  void CopySprite();
  // Takes a picture, DATA statements or a grid-file line from the clipboard.
  void PasteSprite();
  // Follows a picture read, whose scale copies keep.
  void NotePicture(const LoadedCells& loaded);

  // Takes `event` if it drags links, wherever in the window: files from a
  // file manager are opened once dropped, and any other link is refused with
  // a message; returns whether it takes it.
  bool TakeFileDrop(QDropEvent* event);
  // Opens the one file of `paths`, dropped on the window.
  void OpenDropped(const QStringList& paths);

  // Sets the tint and explanation of the cell `index` from its text.
  void MarkCell(int index);
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
  SpriteBankView* thumbnails_ = nullptr;
  QLabel* count_ = nullptr;
  BankPlayer* player_ = nullptr;
  QAction* play_ = nullptr;
  QSpinBox* rate_ = nullptr;
  QComboBox* play_mode_ = nullptr;
  std::array<QSpinBox*, 2> play_range_{};  // the first and last sprite played, from 1
  QComboBox* palette_choice_ = nullptr;
  std::array<QComboBox*, 3> colour_choice_{};  // the C64 colours of the values 1 to 3
  QList<QAction*> tools_;
  std::unique_ptr<Dialogs> dialogs_;

  BankModel model_;
  BankHistory history_{model_};
  QString dialog_file_;      // the name the file dialog offers, as far as the window knows
  int picture_scale_ = 1;    // that of the picture last loaded or pasted
  Palette palette_;          // the chosen one, in which sprites are drawn and new pictures written
  Palette picture_palette_;  // that of the picture last loaded or pasted, if any
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_FORM1_H_
