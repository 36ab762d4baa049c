#include "cli/picture_commands.h"

#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/gridcode_data.h"
#include "picture/grid_picture.h"
#include "storage/grid_file.h"

namespace gridcode {
namespace {

std::string Hex(QRgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", qRed(colour), qGreen(colour), qBlue(colour));
  return text;
}

std::string Place(int x, int y) {
  std::string place = "pixel (";
  place.append(std::to_string(x)).append(", ").append(std::to_string(y)).push_back(')');
  return place;
}

std::string Describe(const ImportError& error) {
  std::ostringstream message;
  switch (error.kind) {
    case ImportError::Kind::kTooLarge:
      message << "is over " << (kImageByteLimit >> 20) << " MiB, too large for a grid picture";
      break;
    case ImportError::Kind::kNotAnImage:
      message << "is not an image that can be read (" << error.reason << ")";
      break;
    case ImportError::Kind::kWrongSize:
      message << "the image is " << error.size.width() << " x " << error.size.height()
              << " pixels; a grid picture is 14N x 10N pixels for a whole N"
              << " (14 x 10, 28 x 20, 42 x 30, ...)";
      break;
    case ImportError::Kind::kUnknownIndex:
      message << Place(error.x, error.y) << " has palette index " << error.index
              << "; a grid picture uses the indices 0 to 3";
      break;
    case ImportError::Kind::kUnknownColour:
      message << Place(error.x, error.y) << " has the colour " << Hex(error.colour);
      if (qAlpha(error.colour) != 255) message << " at alpha " << qAlpha(error.colour);
      message << ", none of the four grid colours";
      for (std::size_t value = 0; value < kValueColours.size(); ++value) {
        message << (value == 0 ? " (" : ", ") << Hex(kValueColours[value]) << " for " << value;
      }
      message << ")";
      break;
    case ImportError::Kind::kMixedBlock:
      message << Place(error.x, error.y) << " differs from the rest of its " << error.scale << " x "
              << error.scale << " block, the cell in row " << RowOf(error.cell_index()) + 1
              << ", column " << ColumnOf(error.cell_index()) + 1
              << "; each cell must be one colour";
      break;
  }
  return message.str();
}

int Render(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<Cells> cells = ReadGridInput(line, in, err);
  if (!cells) return kExitBadInput;
  const RenderedPng rendered = RenderPng(*cells, line.scale);
  if (rendered.unusual_cell) {
    const int index = *rendered.unusual_cell;
    err << InputName(line) << ": the cell in row " << RowOf(index) + 1 << ", column "
        << ColumnOf(index) + 1 << " holds " << QuotedText((*cells)[index])
        << ", not one digit 0 to 3, so it has no colour\n";
    return kExitBadInput;
  }
  return WriteOutput(
      line, {rendered.png.constData(), static_cast<std::size_t>(rendered.png.size())}, out, err);
}

int Import(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  ImportedCells imported;
  if (line.input == kStandardStream) {
    imported = ImportImage(in);
  } else {
    InputFile file;
    std::optional<FileError> error = file.Open(line.input, Readable::kAnything);
    if (!error) {
      imported = ImportImage(file.stream());
      error = file.read_error();
    }
    if (error) {
      err << InputName(line) << ": " << DescribeFileError(*error) << '\n';
      return kExitBadInput;
    }
  }
  if (imported.error) {
    err << InputName(line) << ": " << Describe(*imported.error) << '\n';
    return kExitBadInput;
  }
  return WriteOutput(line, GridFileText(imported.cells), out, err);
}

}  // namespace

int RunPictureCommand(const std::vector<std::string>& arguments, std::istream& in,
                      std::ostream& out, std::ostream& err) {
  CommandLine line;
  if (const std::optional<std::string> problem = ParseCommandLine(arguments, line)) {
    return UsageError(*problem, err);
  }
  if (line.command == "render") return Render(line, in, out, err);
  if (line.command == "import") return Import(line, in, out, err);
  return UsageError(line.command + " is run by gridcode-data", err);
}

}  // namespace gridcode
