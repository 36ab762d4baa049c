#include "cli/gridcode_data.h"

#include <cassert>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>

#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "grid/message_text.h"
#include "storage/file_io.h"
#include "storage/grid_file.h"

#ifndef GRIDCODE_VERSION
#define GRIDCODE_VERSION "unknown"
#endif

namespace gridcode {
namespace {

constexpr std::string_view kProgram = "gridcode-data";
constexpr std::string_view kStandardInput = "-";
constexpr std::string_view kUsage =
    "Usage:\n"
    "  gridcode-data encode [--rows] [FILE.dat|-]\n"
    "  gridcode-data decode [-o OUT.dat] [FILE|-]\n"
    "  gridcode-data --help | --version\n"
    "\n"
    "encode  reads a grid file as gridcode's LOAD does and prints the two DATA\n"
    "        lines that Command1 shows; with --rows, the ten row codes instead.\n"
    "decode  reads DATA statements (gridcode's two lines, or a BASIC listing with\n"
    "        line numbers), takes the first ten row codes and writes the grid\n"
    "        file: to standard output, or with -o to OUT.dat.\n"
    "\n"
    "FILE defaults to standard input. Exit status: 0 success, 1 bad input, 2 bad usage.\n";

struct Options {
  std::string command;
  std::string input = std::string(kStandardInput);
  std::optional<std::string> output;
  bool rows = false;
};

// The name of the input in messages.
std::string InputName(const Options& options) {
  return options.input == kStandardInput ? "<stdin>" : options.input;
}

}  // namespace

std::string DescribeFileError(const FileError& error) {
  const std::string system = error.system_error != 0 ? std::strerror(error.system_error) : "";
  switch (error.kind) {
    case FileError::Kind::kCannotRead:
      return "cannot be read: " + system;
    case FileError::Kind::kCannotWrite:
      return "cannot be written: " + system +
             (error.file_changed ? " (the file may now be incomplete)" : " (no file was changed)");
    case FileError::Kind::kIsDirectory:
      return "is a folder, not a file";
    case FileError::Kind::kNotRegularFile:
      return "is not a regular file";
    case FileError::Kind::kNothingToRead:
      return "is empty and holds no grid";
  }
  return system;
}

std::string QuotedText(std::string_view text) { return "\"" + ShortenedText(text) + "\""; }

namespace {

// Parses the command line; returns a usage error message, or nullopt.
std::optional<std::string> Parse(const std::vector<std::string>& arguments, Options& options) {
  std::size_t i = 0;
  if (arguments.empty()) return "no command given";
  options.command = arguments[i++];
  if (options.command != "encode" && options.command != "decode") {
    return "unknown command '" + options.command + "'";
  }
  bool have_input = false;
  for (; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--rows" && options.command == "encode") {
      options.rows = true;
    } else if ((argument == "-o" || argument == "--output") && options.command == "decode") {
      if (++i == arguments.size()) return argument + " needs a file name";
      options.output = arguments[i];
    } else if (argument.size() > 1 && argument[0] == '-') {
      return "unknown option '" + argument + "' for " + options.command;
    } else if (have_input) {
      return "more than one input file";
    } else {
      options.input = argument;
      have_input = true;
    }
  }
  return std::nullopt;
}

int Encode(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const LoadedCells loaded = options.input == kStandardInput
                                 ? ReadGridFile(in)
                                 : LoadGridFile(options.input, Readable::kAnything);
  if (loaded.error) {
    err << kProgram << ": " << InputName(options) << ": " << DescribeFileError(*loaded.error)
        << '\n';
    return kExitBadInput;
  }
  GridDocument document;
  document.Text1 = loaded.cells;
  // A grid file gives each cell one character, which reads as at most 9, so a
  // pair is at most 4 x 9 + 9 = 45 and never overflows.
  [[maybe_unused]] const bool encoded = !BuildDataLines(document).has_value();
  assert(encoded);
  if (options.rows) {
    for (const std::string& code : document.Text2) out << code << '\n';
  } else {
    for (const std::string& line : document.Text3) out << line << '\n';
  }
  return kExitSuccess;
}

int Decode(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string text;
  if (options.input == kStandardInput) {
    text.assign(std::istreambuf_iterator<char>(in), {});
  } else {
    InputFile file;
    if (const std::optional<FileError> error = file.Open(options.input, Readable::kAnything)) {
      err << kProgram << ": " << options.input << ": " << DescribeFileError(*error) << '\n';
      return kExitBadInput;
    }
    text.assign(std::istreambuf_iterator<char>(file.stream()), {});
    if (const std::optional<FileError> error = file.read_error()) {
      err << kProgram << ": " << options.input << ": " << DescribeFileError(*error) << '\n';
      return kExitBadInput;
    }
  }
  const DecodedGrid decoded = DecodeDataStatements(text);
  if (decoded.error) {
    const DecodeError& error = *decoded.error;
    err << InputName(options) << ':' << error.position.line << ':' << error.position.column << ": ";
    if (error.kind == DecodeError::Kind::kNotARowCode) {
      err << "row code " << QuotedText(error.text) << " is not seven hexadecimal digits\n";
    } else {
      err << "the DATA statements end after " << error.count << " of the " << kRows
          << " row codes a grid needs\n";
    }
    return kExitBadInput;
  }
  const std::string contents = GridFileText(decoded.cells);
  if (!options.output) {
    out << contents;
    return kExitSuccess;
  }
  if (const std::optional<FileError> error = SaveFile(*options.output, contents)) {
    err << kProgram << ": " << *options.output << ": " << DescribeFileError(*error) << '\n';
    return kExitBadInput;
  }
  return kExitSuccess;
}

}  // namespace

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
  Options options;
  if (const std::optional<std::string> problem = Parse(arguments, options)) {
    err << kProgram << ": " << *problem << "\n\n" << kUsage;
    return kExitUsage;
  }
  return options.command == "encode" ? Encode(options, in, out, err)
                                     : Decode(options, in, out, err);
}

}  // namespace gridcode
