#include "cli/gridcode_data.h"

#include <cassert>
#include <charconv>
#include <cstring>
#include <iostream>
#include <iterator>

#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "grid/message_text.h"
#include "storage/grid_file.h"

#ifndef GRIDCODE_VERSION
#define GRIDCODE_VERSION "unknown"
#endif

namespace gridcode {
namespace {

// The largest picture render writes: 64 x 64 pixels a cell.
constexpr int kMaxScale = 64;

constexpr std::string_view kUsage =
    "Usage:\n"
    "  gridcode-data encode [--rows] [FILE.dat|-]\n"
    "  gridcode-data decode [-o OUT.dat] [FILE|-]\n"
    "  gridcode-data render [--scale N] [FILE.dat|-] -o OUT.png\n"
    "  gridcode-data import [IMAGE|-] [-o OUT.dat]\n"
    "  gridcode-data --help | --version\n"
    "\n"
    "encode  reads a grid file as gridcode's LOAD does and prints the two DATA\n"
    "        lines that Command1 shows; with --rows, the ten row codes instead.\n"
    "decode  reads DATA statements (gridcode's two lines, or a BASIC listing with\n"
    "        line numbers), takes the first ten row codes and writes the grid\n"
    "        file: to standard output, or with -o to OUT.dat.\n"
    "render  reads a grid file of the digits 0 to 3 and writes its picture, an\n"
    "        indexed PNG of 14N x 10N pixels (N = --scale, 1 to 64, default 1)\n"
    "        whose palette index is the cell's value.\n"
    "import  reads a picture of 14N x 10N pixels, each N x N block one of the\n"
    "        four colours (or palette indices 0 to 3), and writes the grid file.\n"
    "\n"
    "FILE defaults to standard input, OUT to standard output where it may be\n"
    "left out. Exit status: 0 success, 1 bad input, 2 bad usage.\n";

int Encode(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<Cells> cells = ReadGridInput(line, in, err);
  if (!cells) return kExitBadInput;
  GridDocument document;
  document.Text1 = *cells;
  // A grid file gives each cell one character, which reads as at most 9, so a
  // pair is at most 4 x 9 + 9 = 45 and never overflows.
  [[maybe_unused]] const bool encoded = !BuildDataLines(document).has_value();
  assert(encoded);
  if (line.rows) {
    for (const std::string& code : document.Text2) out << code << '\n';
  } else {
    for (const std::string& data_line : document.Text3) out << data_line << '\n';
  }
  return kExitSuccess;
}

int Decode(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string text;
  if (line.input == kStandardStream) {
    text.assign(std::istreambuf_iterator<char>(in), {});
  } else {
    InputFile file;
    std::optional<FileError> error = file.Open(line.input, Readable::kAnything);
    if (!error) {
      text.assign(std::istreambuf_iterator<char>(file.stream()), {});
      error = file.read_error();
    }
    if (error) {
      err << kProgram << ": " << line.input << ": " << DescribeFileError(*error) << '\n';
      return kExitBadInput;
    }
  }
  const DecodedGrid decoded = DecodeDataStatements(text);
  if (decoded.error) {
    const DecodeError& error = *decoded.error;
    err << InputName(line) << ':' << error.position.line << ':' << error.position.column << ": ";
    if (error.kind == DecodeError::Kind::kNotARowCode) {
      err << "row code " << QuotedText(error.text) << " is not seven hexadecimal digits\n";
    } else {
      err << "the DATA statements end after " << error.count << " of the " << kRows
          << " row codes a grid needs\n";
    }
    return kExitBadInput;
  }
  return WriteOutput(line, GridFileText(decoded.cells), out, err);
}

}  // namespace

bool IsPictureCommand(std::string_view command) {
  return command == "render" || command == "import";
}

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments,
                                            CommandLine& line) {
  std::size_t i = 0;
  if (arguments.empty()) return "no command given";
  line.command = arguments[i++];
  const std::string& command = line.command;
  if (command != "encode" && command != "decode" && !IsPictureCommand(command)) {
    return "unknown command '" + command + "'";
  }
  bool have_input = false;
  for (; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--rows" && command == "encode") {
      line.rows = true;
    } else if ((argument == "-o" || argument == "--output") && command != "encode") {
      if (++i == arguments.size()) return argument + " needs a file name";
      line.output = arguments[i];
    } else if (argument == "--scale" && command == "render") {
      if (++i == arguments.size()) return argument + " needs a number";
      const std::string& number = arguments[i];
      const auto [end, error] =
          std::from_chars(number.data(), number.data() + number.size(), line.scale);
      if (error != std::errc() || end != number.data() + number.size() || line.scale < 1 ||
          line.scale > kMaxScale) {
        return std::string("--scale takes a whole number from 1 to 64, not '")
            .append(number)
            .append("'");
      }
    } else if (argument.size() > 1 && argument[0] == '-') {
      return std::string("unknown option '").append(argument).append("' for ").append(command);
    } else if (have_input) {
      return "more than one input file";
    } else {
      line.input = argument;
      have_input = true;
    }
  }
  if (command == "render" && !line.output) return "render needs -o OUT.png";
  return std::nullopt;
}

int UsageError(std::string_view problem, std::ostream& err) {
  err << kProgram << ": " << problem << "\n\n" << kUsage;
  return kExitUsage;
}

std::string InputName(const CommandLine& line) {
  return line.input == kStandardStream ? "<stdin>" : line.input;
}

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
    case FileError::Kind::kNothingToRead:
      return "is empty and holds no grid";
  }
  return system;
}

std::string QuotedText(std::string_view text) {
  std::string quoted = "\"";
  quoted.append(ShortenedText(text)).push_back('"');
  return quoted;
}

std::optional<Cells> ReadGridInput(const CommandLine& line, std::istream& in, std::ostream& err) {
  const LoadedCells loaded = line.input == kStandardStream
                                 ? ReadGridFile(in)
                                 : LoadGridFile(line.input, Readable::kAnything);
  if (loaded.error) {
    err << kProgram << ": " << InputName(line) << ": " << DescribeFileError(*loaded.error) << '\n';
    return std::nullopt;
  }
  return loaded.cells;
}

int WriteOutput(const CommandLine& line, std::string_view contents, std::ostream& out,
                std::ostream& err) {
  if (!line.output || *line.output == kStandardStream) {
    out << contents;
    return kExitSuccess;
  }
  if (const std::optional<FileError> error = SaveFile(*line.output, contents)) {
    err << kProgram << ": " << *line.output << ": " << DescribeFileError(*error) << '\n';
    return kExitBadInput;
  }
  return kExitSuccess;
}

int RunGridcodeData(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    return kExitSuccess;
  }
  if (!arguments.empty() && arguments[0] == "--version") {
    out << kProgram << ' ' << GRIDCODE_VERSION << '\n';
    return kExitSuccess;
  }
  CommandLine line;
  if (const std::optional<std::string> problem = ParseCommandLine(arguments, line)) {
    return UsageError(*problem, err);
  }
  if (line.command == "encode") return Encode(line, in, out, err);
  if (line.command == "decode") return Decode(line, in, out, err);
  return UsageError(line.command + " is run by gridcode-data-picture", err);
}

}  // namespace gridcode
