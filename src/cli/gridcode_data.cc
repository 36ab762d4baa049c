#include "cli/gridcode_data.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "storage/file_io.h"

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
    "        file: to standard output, or with -o atomically to OUT.dat.\n"
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

std::string Describe(const FileError& error) {
  std::string system = error.system_error != 0 ? std::strerror(error.system_error) : "";
  switch (error.kind) {
    case FileError::Kind::kCannotOpen:
      return "cannot be opened: " + system;
    case FileError::Kind::kIsDirectory:
      return "is a folder, not a file";
    case FileError::Kind::kNothingToRead:
      return "is empty and holds no grid";
    case FileError::Kind::kCannotWrite:
      return "cannot be written: " + system;
  }
  return system;
}

// Returns `text` for a message, cut short if long.
std::string Quoted(const std::string& text) {
  constexpr std::size_t kLimit = 40;
  return "\"" + (text.size() > kLimit ? text.substr(0, kLimit) + "..." : text) + "\"";
}

std::string DescribeOverflow(const Overflow& overflow, const Cells& cells) {
  std::ostringstream message;
  const int row = overflow.row + 1, column = overflow.column + 1;
  const std::string& text = cells[overflow.cell_index()];
  message << "overflow in row " << row << ", column " << column << ": ";
  switch (overflow.cause) {
    case Overflow::Cause::kCellBeyondDoubleRange:
      message << Quoted(text) << " is a number too large to encode";
      break;
    case Overflow::Cause::kProductBeyondDoubleRange:
      message << "four times " << Quoted(text) << " is too large to encode";
      break;
    case Overflow::Cause::kPairBeyond32Bits:
      message << "the pair " << Quoted(text) << ", " << Quoted(cells[overflow.cell_index() + 1])
              << " has the value " << overflow.pair_value << ", outside -2147483648 to 2147483647";
      break;
  }
  return message.str();
}

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
  LoadedCells loaded;
  if (options.input == kStandardInput) {
    loaded = ReadGridFile(in);
  } else {
    loaded = LoadGridFile(options.input);
  }
  if (loaded.error) {
    err << kProgram << ": " << InputName(options) << ": " << Describe(*loaded.error) << '\n';
    return kExitBadInput;
  }
  GridDocument document;
  document.Text1 = loaded.cells;
  if (const std::optional<Overflow> overflow = BuildDataLines(document)) {
    err << kProgram << ": " << InputName(options) << ": "
        << DescribeOverflow(*overflow, document.Text1) << '\n';
    return kExitBadInput;
  }
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
    std::ifstream file;
    if (const std::optional<FileError> error = OpenForReading(options.input, file)) {
      err << kProgram << ": " << options.input << ": " << Describe(*error) << '\n';
      return kExitBadInput;
    }
    text.assign(std::istreambuf_iterator<char>(file), {});
  }
  const DecodedGrid decoded = DecodeDataStatements(text);
  if (decoded.error) {
    const DecodeError& error = *decoded.error;
    err << InputName(options) << ':' << error.position.line << ':' << error.position.column << ": ";
    if (error.kind == DecodeError::Kind::kNotARowCode) {
      err << "row code " << Quoted(error.text) << " is not seven hexadecimal digits\n";
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
  if (const std::optional<FileError> error = WriteFileAtomically(*options.output, contents)) {
    err << kProgram << ": " << *options.output << ": " << Describe(*error) << '\n';
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
