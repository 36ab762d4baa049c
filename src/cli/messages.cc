#include "cli/messages.h"

#include <array>
#include <cstring>
#include <ostream>
#include <variant>

#include "cli/gridcode_data.h"
#include "encoder/data_lines.h"
#include "text/message_text.h"

namespace gridcode {
namespace {

std::string Pixel(int x, int y) {
  return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string Size(int width, int height, std::string_view unit = " pixels") {
  return std::to_string(width) + " x " + std::to_string(height) + std::string(unit);
}

std::string Cell(int index) {
  return "the cell in row " + std::to_string(RowOf(index) + 1) + ", column " +
         std::to_string(ColumnOf(index) + 1);
}

}  // namespace

void Report(std::ostream& err, std::string_view place, std::string_view message) {
  err << kProgram << ": " << VisibleText(place) << ": " << message << '\n';
}

std::string GridPictureSize() {
  return std::to_string(kColumns) + "N x " + std::to_string(kRows) + "N";
}

std::string QuotedText(std::string_view text) { return '"' + QuotableText(text) + '"'; }

std::string DescribeFileError(const FileError& error) {
  std::string system = error.system_error != 0 ? std::strerror(error.system_error) : "";
  switch (error.kind) {
    case FileError::Kind::kCannotRead:
      return "cannot be read: " + system;
    case FileError::Kind::kCannotWrite:
      return "cannot be written: " + system.append(error.file_changed
                                                       ? " (the file may now be incomplete)"
                                                       : " (no file was changed)");
    case FileError::Kind::kIsDirectory:
      return "is a folder, not a file";
    case FileError::Kind::kNotRegularFile:
      return "is not a regular file";
    case FileError::Kind::kIsTerminal:
      return "is a terminal, and a picture is not written to one; give -o FILE, or a pipe";
  }
  return system;
}

std::string DescribeGridFileError(GridFileError error) {
  switch (error) {
    case GridFileError::kNothingToRead:
      return "is empty and holds no grid";
    case GridFileError::kUtf16WithNothingToRead:
      return "is UTF-16 text with no grid in it";
    case GridFileError::kUtf16WithoutByteOrderMark:
      return "is UTF-16 text without a byte order mark; save it as UTF-8, or as UTF-16 with one";
  }
  return {};
}

std::string DescribeImportError(const ImportError& error) {
  using Kind = ImportError::Kind;
  std::string message;
  switch (error.kind) {
    case Kind::kFileTooLarge:
      return "is over " + std::to_string(kImageByteLimit >> 20) +
             " MiB, too large for a grid picture";
    case Kind::kOtherFormat:
      return "is a " + std::string(FormatName(error.format)) +
             " picture; gridcode reads PNG pictures only";
    case Kind::kNotAPicture:
      return "is not a PNG picture";
    case Kind::kUnreadable:
      return "is a PNG picture that cannot be read (" + error.reason + ")";
    case Kind::kWrongSize:
      return "the picture is " + Size(error.width, error.height) + "; a grid picture is " +
             GridPictureSize() + " pixels for a whole N (" + Size(kColumns, kRows, "") + ", " +
             Size(2 * kColumns, 2 * kRows, "") + ", " + Size(3 * kColumns, 3 * kRows, "") +
             ", ...)";
    case Kind::kTooLarge:
      return "the picture is " + Size(error.width, error.height) + "; a grid picture has at most " +
             std::to_string(kLargestScale) + " x " + std::to_string(kLargestScale) +
             " pixels a cell (" + Size(kColumns * kLargestScale, kRows * kLargestScale) + ")";
    case Kind::kIndexPastPalette:
      return Pixel(error.x, error.y) + " has palette index " + std::to_string(error.index) +
             ", but the palette has only " + std::to_string(error.palette_size) + " entries";
    case Kind::kUnknownIndex:
      return Pixel(error.x, error.y) + " has palette index " + std::to_string(error.index) +
             "; a grid picture uses the indices 0 to 3";
    case Kind::kUnknownColour:
      message = Pixel(error.x, error.y) + " has the colour " + ColourText(error.colour);
      if (error.colour.alpha != 0xFFFF) {
        message += error.colour.alpha % 257 == 0
                       ? " at alpha " + std::to_string(error.colour.alpha / 257) + " of 255"
                       : " at alpha " + std::to_string(error.colour.alpha) + " of 65535";
      }
      message += ", none of the four grid colours";
      for (std::size_t value = 0; value < kValueColours.size(); ++value) {
        message.append(value == 0 ? " (" : ", ")
            .append(ColourText(kValueColours[value]))
            .append(" for ")
            .append(std::to_string(value));
      }
      return message + ")";
    case Kind::kMixedBlock:
      return Pixel(error.x, error.y) + " differs from the rest of its " +
             std::to_string(error.scale) + " x " + std::to_string(error.scale) + " block, " +
             Cell(error.cell_index()) + "; each cell must be one colour";
  }
  return message;
}

std::string DescribeCellsFileError(const CellsFileError& error) {
  if (const auto* file = std::get_if<FileError>(&error)) return DescribeFileError(*file);
  if (const auto* grid_file = std::get_if<GridFileError>(&error)) {
    return DescribeGridFileError(*grid_file);
  }
  return DescribeImportError(std::get<ImportError>(error));
}

std::string DescribeDecodeError(const DecodeError& error) {
  switch (error.kind) {
    case DecodeError::Kind::kTooFewRowCodes:
      return "the DATA statements hold no sprite: no " + std::to_string(kRows) +
             " row codes stand in a row (the longest run is " + std::to_string(error.count) + ")";
    case DecodeError::Kind::kLineTooLong:
      return "the line is longer than " + std::to_string(kLongestListingLine) +
             " bytes, which no listing has";
    case DecodeError::Kind::kNoSuchSprite:
      return "the DATA statements hold " + std::to_string(error.count) +
             (error.count == 1 ? " sprite" : " sprites") + " of " + std::to_string(kRows) +
             " row codes, so there is no sprite " + std::to_string(error.sprite);
    case DecodeError::Kind::kUtf16WithoutByteOrderMark:
      return "the listing is UTF-16 text without a byte order mark; save it as UTF-8, or as "
             "UTF-16 with one";
    case DecodeError::Kind::kListingTooLarge:
      return "the listing is over " + std::to_string(kListingByteLimit >> 20) +
             " MiB, more than is read of one";
    case DecodeError::Kind::kTooManySprites:
      return "sprite " + std::to_string(error.sprite) + " starts here, past the " +
             std::to_string(kListingSpriteLimit) + " sprites a listing may hold";
  }
  return {};
}

std::string DescribeNoPlaceForSprite(std::size_t sprites, long long place) {
  return "the listing holds " + std::to_string(sprites) + (sprites == 1 ? " sprite" : " sprites") +
         ", so --sprite takes 1 to " + std::to_string(sprites + 1) + " (" +
         std::to_string(sprites + 1) + " adds one), not " + std::to_string(place);
}

std::string DescribeListingSaveError(const ListingSaveError& error, const Cells& cells) {
  using Kind = ListingSaveError::Kind;
  const std::string lines = std::to_string(error.count) + " new DATA lines";
  const std::string between = error.next_label ? " between lines " + std::to_string(error.label) +
                                                     " and " + std::to_string(*error.next_label)
                                               : " after line " + std::to_string(error.label);
  switch (error.kind) {
    case Kind::kNamedLineLeftEmpty:
      return "line " + std::to_string(error.label) + " would be left empty and leave, but line " +
             std::to_string(error.named_by) + " of the listing names it";
    case Kind::kNoRoomForLines:
      return lines + " do not fit" + between + " by the listing's step of " +
             std::to_string(error.step) + "; give --renumber to number them by a smaller step";
    case Kind::kNoLineNumbersLeft:
      return lines + " do not fit" + between + " by any step";
    case Kind::kUnusualCell:
      return Cell(error.cell) + " holds " + QuotedText(cells[error.cell]) +
             ", not one digit 0 to 3, which a row code cannot hold";
    case Kind::kBadOrigin:
      return "sprite " + std::to_string(error.sprite + 1) +
             " names a sprite the listing does not hold, which is a fault of " +
             std::string(kProgram) + ", please report it";
    case Kind::kTooManySprites:
      return "the listing would hold " + std::to_string(error.count) + " sprites, past the " +
             std::to_string(kListingSpriteLimit) + " a listing may hold";
    case Kind::kReadsBackOtherwise:
      return "the change cannot be made in place: the listing would read back with sprite " +
             std::to_string(error.sprite + 1) +
             " changed, as row codes around it would join it; nothing was written";
  }
  return {};
}

std::string DescribeUnusualCell(const UnusualCell& error, const Cells& cells) {
  return Cell(error.cell) + " holds " + QuotedText(cells[error.cell]) +
         ", not one digit 0 to 3, which the row codes of a program cannot hold";
}

std::string DescribeUnexpectedOverflow(const Overflow& overflow) {
  return "row " + std::to_string(overflow.row + 1) + " could not be encoded, which no grid of " +
         "one character a cell causes: this is a fault of " + std::string(kProgram) +
         ", please report it";
}

std::string DescribeRenderError(const RenderError& error, const Cells& cells) {
  switch (error.kind) {
    case RenderError::Kind::kUnusualCell:
      return Cell(error.cell) + " holds " + QuotedText(cells[error.cell]) +
             ", not one digit 0 to 3, so it has no colour";
    case RenderError::Kind::kScaleOutOfRange:
      return "the picture cannot be made (the scale is not 1 to " + std::to_string(kLargestScale) +
             ")";
    case RenderError::Kind::kEncoderFailed:
      return "the picture cannot be made (" + error.reason + ")";
  }
  return {};
}

}  // namespace gridcode
