// What the window says when something fails or needs asking: the wording of
// every message box and of the marks on unusual cells. Quoted cell texts are
// cut short and shown visibly, so that no text can swamp or break a message.
//
// The sentences are in Form1's translation context, where their translations
// stand.

#ifndef GRIDCODE_WINDOW_MESSAGES_H_
#define GRIDCODE_WINDOW_MESSAGES_H_

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "encoder/listing.h"
#include "format/cells_file.h"
#include "format/grid_file.h"
#include "format/grid_picture.h"
#include "grid/grid_document.h"
#include "storage/file_io.h"

namespace gridcode {

// Returns the core's UTF-8 `text` as the toolkit's string.
QString ToQString(std::string_view text);

// A message box's title and text.
struct Message {
  QString title;
  QString text;
};

class Form1Messages {
  Q_DECLARE_TR_FUNCTIONS(gridcode::Form1)

 public:
  // Command1 stopped at `overflow` in `cells`.
  static Message Overflowed(const Overflow& overflow, const Cells& cells);

  // SAVE could not write the file at `path`.
  static Message CannotSave(const QString& path, const FileError& error);

  // SAVE could not make a picture of `cells` for the file at `path`.
  static Message CannotSavePicture(const QString& path, const RenderError& error,
                                   const Cells& cells);

  // LOAD could not read cells from the file at `path`.
  static Message CannotLoad(const QString& path, const CellsFileError& error);

  // LOAD or an open could not read a grid, a picture or a listing from the
  // file at `path`.
  static Message CannotOpen(const QString& path, const LoadedFileError& error);

  // SAVE could not write the bank into the listing at `path`, for a reason no
  // consent overcomes.
  static Message CannotSaveListing(const QString& path, const ListingSaveError& error);

  // SAVE asks before writing the bank into the listing at `path` with the
  // consent that `error` names (error.needs_consent()).
  static Message ListingConsentQuestion(const QString& path, const ListingSaveError& error);

  // The sprite of `cells` could not be made a picture for the clipboard.
  static Message CannotCopy(const RenderError& error, const Cells& cells);
  // The clipboard's contents break a rule of what is read.
  static Message CannotPaste(const LoadedFileError& error);
  // The clipboard holds no picture and no text.
  static Message NothingToPaste();

  // `count` files, more than one, were dropped on the window.
  static Message OneFileAtATime(int count);

  // A drop on the window held `link`, which names no file of this computer.
  static Message NotALocalFile(const QString& link);

  // SAVE asks before writing a grid file in which the cells `indices` of
  // `cells` will not load back as they are.
  static Message WillNotLoadBack(const std::vector<int>& indices, const Cells& cells);

  // The mark of a cell that does not hold one digit 0 to 3 and reads as
  // `value` (nullopt: beyond the double range).
  static QString UnusualCell(std::optional<double> value);

  // Why a file gives no cells, or a listing no sprites, as the end of a
  // sentence.
  static QString Reason(const CellsFileError& error);
  static QString Reason(const FileError& error);
  static QString Reason(const ImportError& error);
  static QString Reason(const DecodeError& error);

 private:
  // Why a bank cannot be written into a listing, as the end of a sentence.
  static QString Reason(const ListingSaveError& error);
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_MESSAGES_H_
