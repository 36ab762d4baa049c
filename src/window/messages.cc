#include "window/messages.h"

#include <QDir>
#include <QStringList>
#include <cstring>
#include <string>
#include <variant>

#include "encoder/pair_text.h"
#include "text/message_text.h"

namespace gridcode {
namespace {

// Returns `text` quoted for a message, cut short if long, controls shown.
QString Quoted(const std::string& text) {
  return QStringLiteral("“%1”").arg(ToQString(QuotableText(text)));
}

QString Number(double value) { return ToQString(NumberText(value)); }

}  // namespace

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Message Form1Messages::Overflowed(const Overflow& overflow, const Cells& cells) {
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
      // The cell texts are filled in last, in one pass, so that a "%" in them stays.
      message = tr("Row %1 cannot be encoded: the cells in columns %2 and %3 hold %4 and %5, "
                   "whose pair value 4 × left + right = %6 lies outside the range "
                   "%7 to %8.")
                    .arg(row)
                    .arg(column)
                    .arg(column + 1)
                    .arg(Quoted(text), Quoted(cells[overflow.cell_index() + 1]),
                         Number(overflow.pair_value), QString::number(kSmallestPairValue),
                         QString::number(kLargestPairValue));
      break;
  }
  const QString kept = overflow.row == 0
                           ? tr("The row codes and the DATA lines are unchanged.")
                           : tr("The rows above it show their new codes; row %1, the rows "
                                "below it and the DATA lines are unchanged.")
                                 .arg(row);
  return {tr("Overflow"), message + QStringLiteral("\n\n") + kept};
}

Message Form1Messages::CannotSave(const QString& path, const FileError& error) {
  const QString outcome = error.file_changed
                              ? tr("The file may now hold only part of the grid; the grid "
                                   "in the window is unchanged, so save it again.")
                              : tr("No file was changed.");
  return {tr("Cannot save"), tr("The grid could not be saved to %1: %2.\n\n%3")
                                 .arg(QDir::toNativeSeparators(path), Reason(error), outcome)};
}

Message Form1Messages::CannotSavePicture(const QString& path, const RenderError& error,
                                         const Cells& cells) {
  if (error.kind == RenderError::Kind::kUnusualCell) {
    return {tr("Cannot save"),
            tr("The grid cannot be saved as a picture to %1: the cell in row %2, column %3 "
               "holds %4, and a picture holds only the digits 0 to 3.\n\nNo file was changed.")
                .arg(QDir::toNativeSeparators(path), QString::number(RowOf(error.cell) + 1),
                     QString::number(ColumnOf(error.cell) + 1), Quoted(cells[error.cell]))};
  }
  const QString reason = error.kind == RenderError::Kind::kScaleOutOfRange
                             ? QStringLiteral("the scale is not 1 to %1").arg(kLargestScale)
                             : ToQString(error.reason);
  return {tr("Cannot save"),
          tr("The picture could not be made (%1).\n\nNo file was changed.").arg(reason)};
}

Message Form1Messages::CannotLoad(const QString& path, const CellsFileError& error) {
  return {tr("Cannot load"),
          tr("The grid could not be loaded from %1: %2.\n\nThe grid is unchanged.")
              .arg(QDir::toNativeSeparators(path), Reason(error))};
}

Message Form1Messages::CannotOpen(const QString& path, const LoadedFileError& error) {
  if (const auto* file = std::get_if<FileError>(&error)) return CannotLoad(path, *file);
  if (const auto* grid_file = std::get_if<GridFileError>(&error)) {
    return CannotLoad(path, *grid_file);
  }
  if (const auto* picture = std::get_if<ImportError>(&error)) return CannotLoad(path, *picture);
  return {tr("Cannot load"),
          tr("The sprites could not be loaded from the listing %1: %2.\n\nThe sprites in the "
             "window are unchanged.")
              .arg(QDir::toNativeSeparators(path), Reason(std::get<DecodeError>(error)))};
}

Message Form1Messages::CannotSaveListing(const QString& path, const ListingSaveError& error) {
  return {tr("Cannot save"),
          tr("The sprites could not be saved into the listing %1: %2.\n\nNo file was changed.")
              .arg(QDir::toNativeSeparators(path), Reason(error))};
}

Message Form1Messages::ListingConsentQuestion(const QString& path, const ListingSaveError& error) {
  const QString question = error.kind == ListingSaveError::Kind::kNamedLineLeftEmpty
                               ? tr("Remove that line anyway?")
                               : tr("Number them by a smaller step?");
  return {tr("Save listing"), tr("If the sprites were saved into the listing %1, %2.\n\n%3")
                                  .arg(QDir::toNativeSeparators(path), Reason(error), question)};
}

Message Form1Messages::CannotCopy(const RenderError& error, const Cells& cells) {
  if (error.kind == RenderError::Kind::kUnusualCell) {
    return {tr("Cannot copy"),
            tr("The sprite cannot be copied as a picture: the cell in row %1, column %2 holds "
               "%3, and a picture holds only the digits 0 to 3.")
                .arg(QString::number(RowOf(error.cell) + 1),
                     QString::number(ColumnOf(error.cell) + 1), Quoted(cells[error.cell]))};
  }
  return {tr("Cannot copy"),
          tr("The picture could not be made (%1).").arg(ToQString(error.reason))};
}

Message Form1Messages::CannotPaste(const LoadedFileError& error) {
  const QString reason = std::visit([](const auto& why) { return Reason(why); }, error);
  return {tr("Cannot paste"),
          tr("What the clipboard holds cannot be pasted: %1.\n\nThe sprites are unchanged.")
              .arg(reason)};
}

Message Form1Messages::NothingToPaste() {
  return {tr("Cannot paste"), tr("The clipboard holds no picture and no text to paste.")};
}

Message Form1Messages::OneFileAtATime(int count) {
  return {tr("Cannot load"), tr("%1 files were dropped, and gridcode opens one file at a time."
                                "\n\nThe grid is unchanged.")
                                 .arg(count)};
}

Message Form1Messages::NotALocalFile(const QString& link) {
  return {tr("Cannot load"), tr("%1 is not a file on this computer, and gridcode opens only "
                                "files.\n\nThe grid is unchanged.")
                                 .arg(Quoted(link.toStdString()))};
}

Message Form1Messages::WillNotLoadBack(const std::vector<int>& indices, const Cells& cells) {
  constexpr std::size_t kListed = 5;
  QStringList listed;
  for (std::size_t i = 0; i < indices.size() && i < kListed; ++i) {
    const int index = indices[i];
    const QString where = tr("row %1, column %2").arg(RowOf(index) + 1).arg(ColumnOf(index) + 1);
    listed << (cells[index].empty() ? tr("%1 is empty").arg(where)
                                    : tr("%1 holds %2").arg(where, Quoted(cells[index])));
  }
  if (indices.size() > kListed) {
    listed << tr("and %n more", nullptr, static_cast<int>(indices.size() - kListed));
  }
  return {tr("Save grid"),
          tr("A grid file gives each cell one character, so after loading, the cells from the "
             "first of these on will not be as they are now:\n\n%1\n\nSave anyway?")
              .arg(listed.join(QLatin1Char('\n')))};
}

QString Form1Messages::UnusualCell(std::optional<double> value) {
  return value ? tr("A cell holds one digit from 0 to 3; this one reads as %1.").arg(Number(*value))
               : tr("A cell holds one digit from 0 to 3; this one holds a number "
                    "too large to encode.");
}

QString Form1Messages::Reason(const CellsFileError& error) {
  if (const auto* file = std::get_if<FileError>(&error)) return Reason(*file);
  if (const auto* grid_file = std::get_if<GridFileError>(&error)) {
    switch (*grid_file) {
      case GridFileError::kNothingToRead:
        return tr("the file is empty and holds no grid");
      case GridFileError::kUtf16WithNothingToRead:
        return tr("the file is UTF-16 text with no grid in it");
      case GridFileError::kUtf16WithoutByteOrderMark:
        return tr(
            "the file is UTF-16 text without a byte order mark; save it as UTF-8, or "
            "as UTF-16 with one");
    }
    return {};
  }
  return Reason(std::get<ImportError>(error));
}

QString Form1Messages::Reason(const FileError& error) {
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
    case FileError::Kind::kIsTerminal:
      return tr("it is a terminal");
  }
  return system_reason;
}

QString Form1Messages::Reason(const ImportError& error) {
  const auto pixel = [&] { return tr("pixel (%1, %2)").arg(error.x).arg(error.y); };
  switch (error.kind) {
    case ImportError::Kind::kFileTooLarge:
      return tr("the picture is over %1 MiB, too large for a grid picture")
          .arg(kImageByteLimit >> 20);
    case ImportError::Kind::kOtherFormat:
      return tr("it is a %1 picture, and gridcode reads PNG pictures only")
          .arg(ToQString(FormatName(error.format)));
    case ImportError::Kind::kNotAPicture:
      return tr("it is not a PNG picture");
    case ImportError::Kind::kUnreadable:
      return tr("it begins like a PNG picture but cannot be read (%1)")
          .arg(ToQString(error.reason));
    case ImportError::Kind::kWrongSize:
      return tr("the picture is %1 × %2 pixels, but a grid picture is %3N × %4N pixels for a "
                "whole N (%3 × %4, %5 × %6, %7 × %8, …)")
          .arg(error.width)
          .arg(error.height)
          .arg(kColumns)
          .arg(kRows)
          .arg(2 * kColumns)
          .arg(2 * kRows)
          .arg(3 * kColumns)
          .arg(3 * kRows);
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

QString Form1Messages::Reason(const DecodeError& error) {
  switch (error.kind) {
    case DecodeError::Kind::kTooFewRowCodes:
      return tr("its DATA statements hold no sprite: no %1 row codes stand in a row (the longest "
                "run is %2)")
          .arg(kRows)
          .arg(error.count);
    case DecodeError::Kind::kLineTooLong:
      return tr("line %1 is longer than %2 bytes, which no listing has")
          .arg(error.position.line)
          .arg(kLongestListingLine);
    case DecodeError::Kind::kNoSuchSprite:
      return tr("its DATA statements hold %n sprites of %1 row codes, so there is no sprite %2",
                nullptr, error.count)
          .arg(kRows)
          .arg(error.sprite);
    case DecodeError::Kind::kUtf16WithoutByteOrderMark:
      return tr(
          "it is UTF-16 text without a byte order mark; save it as UTF-8, or as UTF-16 "
          "with one");
    case DecodeError::Kind::kListingTooLarge:
      return tr("it is over %1 MiB, more than gridcode reads of a listing")
          .arg(kListingByteLimit >> 20);
    case DecodeError::Kind::kTooManySprites:
      return tr("sprite %1 starts at line %2, column %3, past the %4 sprites a listing may hold")
          .arg(error.sprite)
          .arg(error.position.line)
          .arg(error.position.column)
          .arg(kListingSpriteLimit);
  }
  return {};
}

QString Form1Messages::Reason(const ListingSaveError& error) {
  using Kind = ListingSaveError::Kind;
  const int lines = static_cast<int>(error.count);
  const auto between = [&] {
    if (!error.next_label) return tr("after the line numbered %1").arg(error.label);
    // New lines before the first numbered line have none before them.
    if (error.label < 0) return tr("before the line numbered %1").arg(*error.next_label);
    return tr("between the lines numbered %1 and %2").arg(error.label).arg(*error.next_label);
  };
  const std::size_t sprite = error.sprite + 1;
  switch (error.kind) {
    case Kind::kNamedLineLeftEmpty:
      return tr("the line numbered %1 (line %2 of the file) would be left with no DATA and "
                "removed, but line %3 of the file names it (with GOTO, GOSUB or RESTORE, say)")
          .arg(error.label)
          .arg(error.position.line)
          .arg(error.named_by);
    case Kind::kNoRoomForLines:
      return tr("%n new DATA lines would not fit %1 by the listing's step of %2", nullptr, lines)
          .arg(between())
          .arg(error.step);
    case Kind::kNoLineNumbersLeft:
      return tr("%n new DATA lines would not fit %1 by any step", nullptr, lines).arg(between());
    case Kind::kUnusualCell:
      return tr("the cell in row %1, column %2 of sprite %3 is not one digit 0 to 3, which a row "
                "code cannot hold")
          .arg(RowOf(error.cell) + 1)
          .arg(ColumnOf(error.cell) + 1)
          .arg(sprite);
    case Kind::kBadOrigin:
      return tr("sprite %1 stands for a sprite the listing does not hold, which is a fault of "
                "gridcode; please report it")
          .arg(sprite);
    case Kind::kTooManySprites:
      return tr("the listing would hold %1 sprites, past the %2 a listing may hold")
          .arg(error.count)
          .arg(kListingSpriteLimit);
    case Kind::kReadsBackOtherwise:
      // A sprite that is new has no place in the listing, and the error the
      // start of the text, where no row code can stand.
      if (error.position == TextPosition{}) {
        return tr("sprite %1 would read back changed, as row codes around it would join it, so "
                  "the change cannot be made in place")
            .arg(sprite);
      }
      return tr("sprite %1, at line %2, column %3, would read back changed, as row codes around "
                "it would join it, so the change cannot be made in place")
          .arg(sprite)
          .arg(error.position.line)
          .arg(error.position.column);
  }
  return {};
}

}  // namespace gridcode
