// Form1's files: SAVE and LOAD, a file named on the command line or dropped
// on the window, and the listing that SAVE rewrites in place.

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "encoder/basic_program.h"
#include "encoder/listing_bank.h"
#include "format/cells_file.h"
#include "storage/file_io.h"
#include "window/bank_player.h"
#include "window/file_drop.h"
#include "window/file_names.h"
#include "window/form1.h"
#include "window/messages.h"

namespace gridcode {
namespace {

bool NamesAProgram(const QString& path) {
  return path.endsWith(QStringLiteral(".bas"), Qt::CaseInsensitive);
}

}  // namespace

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
  player_->Stop();
  const QString path = dialogs_->SaveFileName();
  if (path.isEmpty()) return;  // cancelled
  dialog_file_ = path;         // the dialog offers the name chosen
  SaveAt(QFileInfo(path).absoluteFilePath());
}

void Form1::SaveAt(const QString& path) {
  const DocumentFile& file = model_.file();
  if (file.listing && path == file.listing_path) {
    SaveListingInPlace(path);
    return;
  }
  // A bank of one sprite saves as a grid file whatever the name, as the
  // window always has.
  if (NamesAProgram(path) && model_.bank().size() > 1) {
    SaveProgram(path);
    return;
  }
  const Cells& cells = model_.shown_texts().cells;
  const std::filesystem::path target = FileSystemPath(path);
  // A new picture is written in the chosen palette; a replaced one keeps its own.
  const Expected<CellsFileBytes, RenderError> bytes =
      MakeCellsFile(target, cells, {.new_picture_palette = PictureColours(palette_)});
  if (!bytes) {
    Show(Form1Messages::CannotSavePicture(path, bytes.error(), cells));
    return;
  }
  if (!bytes->will_not_load_back.empty()) {
    const Message question = Form1Messages::WillNotLoadBack(bytes->will_not_load_back, cells);
    if (!dialogs_->Confirm(question.title, question.text)) return;
  }
  if (const std::optional<FileError> error = SaveFile(target, bytes->bytes)) {
    Show(Form1Messages::CannotSave(path, *error));
    return;
  }
  DocumentFile saved = file;
  saved.path = path;
  model_.SetFile(std::move(saved));
}

void Form1::SaveListingInPlace(const QString& path) {
  const Listing& listing = *model_.file().listing;
  const std::vector<ListingEntry> entries = ListingEntries(model_.bank(), listing);
  ListingConsent consent;
  for (;;) {
    const Expected<std::string, ListingSaveError> bytes = RewriteListing(listing, entries, consent);
    if (bytes) {
      WriteListing(path, *bytes);
      return;
    }
    const ListingSaveError& error = bytes.error();
    if (!error.needs_consent()) {
      Show(Form1Messages::CannotSaveListing(path, error));
      return;
    }
    const Message question = Form1Messages::ListingConsentQuestion(path, error);
    if (!dialogs_->Confirm(question.title, question.text)) return;
    if (error.kind == ListingSaveError::Kind::kNamedLineLeftEmpty) {
      consent.drop_named_lines = true;
    } else {
      consent.renumber = true;
    }
  }
}

void Form1::SaveProgram(const QString& path) {
  std::vector<Cells> sprites;
  sprites.reserve(model_.bank().size());
  for (const BankSprite& sprite : model_.bank().sprites()) sprites.push_back(sprite.texts.cells);
  const Expected<std::string, UnusualCell> program = BasicProgram(sprites, {});
  if (!program) {
    const ListingSaveError refusal{.kind = ListingSaveError::Kind::kUnusualCell,
                                   .sprite = program.error().sprite,
                                   .cell = program.error().cell};
    Show(Form1Messages::CannotSaveListing(path, refusal));
    return;
  }
  WriteListing(path, *program);
}

bool Form1::WriteListing(const QString& path, const std::string& bytes) {
  Expected<Listing, DecodeError> written = ReadListing(bytes);
  if (!written) {  // a bank the listing reader would refuse is not written
    Show(Form1Messages::CannotOpen(path, written.error()));
    return false;
  }
  if (const std::optional<FileError> error = SaveFile(FileSystemPath(path), bytes)) {
    Show(Form1Messages::CannotSave(path, *error));
    return false;
  }
  model_.SavedAsListing({path, path, std::make_shared<const Listing>(std::move(*written))});
  return true;
}

void Form1::LoadGrid() {
  player_->Stop();
  const QString path = dialogs_->OpenFileName();
  if (path.isEmpty()) return;  // cancelled
  dialog_file_ = path;         // the dialog offers the name chosen
  Load(path);
}

void Form1::Open(const QString& path) { Load(path); }

void Form1::Load(const QString& path) {
  player_->Stop();
  const QString absolute = QFileInfo(path).absoluteFilePath();
  Expected<LoadedFile, LoadedFileError> file = LoadCellsOrListing(
      FileSystemPath(path), Readable::kRegularFilesOnly, AcceptedFiles::kGridFilesAndPictures);
  if (!file) {
    // The document and its file stay; SAVE offers that file's name, if any,
    // and not this one's.
    OfferDocumentFile();
    Show(Form1Messages::CannotOpen(path, file.error()));
    return;
  }
  if (auto* listing = std::get_if<Listing>(&*file)) {
    SpriteBank bank(ListingSprites(*listing));  // before the listing moves into the file
    history_.ReplaceBank(std::move(bank), {absolute, absolute,
                                           std::make_shared<const Listing>(std::move(*listing))});
    return;
  }
  // A grid file or a picture fills the shown sprite's cells; its row codes
  // and DATA lines stay until Command1.
  NotePicture(std::get<LoadedCells>(*file));
  GridDocument after = model_.shown_texts();
  after.cells = std::get<LoadedCells>(*file).cells;
  DocumentFile document = model_.file();
  document.path = absolute;
  history_.Change(after, document);
}

}  // namespace gridcode
