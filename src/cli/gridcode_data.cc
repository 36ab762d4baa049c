#include "cli/gridcode_data.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <limits>
#include <ostream>
#include <variant>

#include "cli/messages.h"
#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "encoder/listing.h"
#include "format/cells_file.h"
#include "format/listing_file.h"
#include "storage/file_io.h"
#include "text/message_text.h"
#include "text/text_input.h"

#ifndef GRIDCODE_VERSION
#define GRIDCODE_VERSION "unknown"
#endif

namespace gridcode {
namespace {

// The usage text; {program} stands for the program's name, {size} for the
// size of a grid picture and {largest} for the largest scale.
constexpr std::string_view kUsageTemplate =
    "Usage:\n"
    "  {program} encode [--rows] [--number START[,STEP]] [--program] [FILE|-]...\n"
    "  {program} decode [--sprite K] [-o OUT.dat] [FILE|-]\n"
    "  {program} render [--scale N] [--palette NAME] [FILE|-] -o OUT.png\n"
    "  {program} import [PICTURE.png|-] [-o OUT.dat]\n"
    "  {program} update LISTING --sprite K [--renumber] FILE [-o OUT]\n"
    "  {program} --help | --version\n"
    "\n"
    "encode  reads grid files, or grid pictures, as gridcode's LOAD does and\n"
    "        prints the two DATA lines that Command1 shows for each, in order;\n"
    "        with --rows, the ten row codes instead. --number numbers the lines\n"
    "        from START on by STEP (default 10). --program prints a whole BASIC\n"
    "        program, numbered from 10 or START, whose DATA lines hold the\n"
    "        sprites and whose loader prints each one as ten rows of digits.\n"
    "decode  reads DATA statements (gridcode's two lines, or a BASIC listing),\n"
    "        takes the first sprite, ten row codes in a row among the DATA items,\n"
    "        or with --sprite K the K-th, and writes the grid file: to standard\n"
    "        output, or with -o to OUT.dat.\n"
    "render  reads a grid file (or picture) of the digits 0 to 3 and writes its\n"
    "        picture, an indexed PNG of {size} pixels (N = --scale, 1 to {largest};\n"
    "        default that of the picture replaced, else 1) whose palette index is\n"
    "        the cell's value; --palette draws it in the palette NAME instead of\n"
    "        gridcode's colours or the replaced picture's (--palette help lists\n"
    "        them).\n"
    "import  reads a PNG picture of {size} pixels (N up to {largest}), each N x N\n"
    "        block one of the four colours (or palette indices 0 to 3), and\n"
    "        writes the grid file.\n"
    "update  puts the sprite of FILE (a grid file or picture) at place K of the\n"
    "        BASIC listing LISTING (K = N + 1 adds one after its N sprites),\n"
    "        changing only that sprite's row codes, or adding DATA lines in the\n"
    "        listing's style; --renumber lets new lines take a smaller step\n"
    "        where the line numbers leave no room. Rewrites LISTING, or writes\n"
    "        OUT.\n"
    "\n"
    "FILE defaults to standard input, OUT to standard output where it may be\n"
    "left out. An OUT named *.png, or a PNG picture it replaces, gets a picture\n"
    "in the replaced picture's scale and colours; any other a grid file.\n"
    "Exit status: 0 success, 1 input or output failed, 2 bad usage,\n"
    "70 internal error.\n"
    "\n"
    "Examples:\n"
    "  {program} encode --number 1000 heart.dat ship.png\n"
    "  {program} encode --program heart.dat ship.png > sprites.bas\n"
    "  {program} decode --sprite 2 sprites.bas -o ship.dat\n"
    "  {program} update game.bas --sprite 2 ship.dat\n";

std::string Usage() {
  std::string usage(kUsageTemplate);
  const std::pair<std::string_view, std::string> values[] = {
      {"{program}", std::string(kProgram)},
      {"{size}", GridPictureSize()},
      {"{largest}", std::to_string(kLargestScale)}};
  for (const auto& [name, value] : values) {
    for (std::size_t at = usage.find(name); at != std::string::npos;
         at = usage.find(name, at + value.size())) {
      usage.replace(at, name.size(), value);
    }
  }
  return usage;
}

// Returns what --palette help prints: each palette's name, its colours for
// the values 0 to 3 and whether 0 is transparent, then the C64's colours.
std::string PaletteHelp() {
  constexpr std::size_t kNameWidth = 11;
  const auto padded = [](std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
  };
  std::string help;
  for (const Palette& palette : FixedPalettes()) {
    help += padded(palette.name, kNameWidth);
    for (const Argb colour : palette.colours) help += ColourText(colour) + ' ';
    help += palette.transparent_zero ? "0 transparent\n" : "0 opaque\n";
  }
  help += padded("c64:A,B,C", kNameWidth) + "c64 with the C64's colours A, B and C for 1 to 3:\n";
  // Two colours a line.
  for (std::size_t number = 0; number < kC64Colours.size(); ++number) {
    const NamedColour& colour = kC64Colours[number];
    const bool left = number % 2 == 0;
    help += std::string(left ? kNameWidth : 4, ' ') + padded(std::to_string(number), 3) +
            padded(std::string(colour.name), 12) + ColourText(colour.colour) + (left ? "" : "\n");
  }
  return help;
}

// The name of an input in messages: its path, or "<stdin>".
std::string InputName(const std::string& input) {
  return input == kStandardStream ? "<stdin>" : input;
}

std::string InputName(const CommandLine& line) { return InputName(line.input); }

// Reads the input that `line` names, or `in` for "-", with `read`; reports a
// failure on `err`, in words that `describe` gives, and returns nullopt.
template <typename Read, typename Describe>
auto ReadInput(const CommandLine& line, std::istream& in, Read read, Describe describe)
    -> std::optional<typename decltype(read(in))::value_type> {
  auto result = line.input == kStandardStream
                    ? ReadStream(in, read)
                    : ReadFile(PathFromUtf8(line.input), Readable::kAnything, read);
  if (!result) {
    describe(result.error());
    return std::nullopt;
  }
  return std::move(*result);
}

// Reads the cells of the input, a grid file or a picture, as LOAD does.
std::optional<Cells> ReadCellsInput(const CommandLine& line, AcceptedFiles accepted,
                                    std::istream& in, std::ostream& err) {
  std::optional<LoadedCells> file = ReadInput(
      line, in, [accepted](std::istream& input) { return ReadCells(input, accepted); },
      [&](const CellsFileError& error) {
        Report(err, InputName(line), DescribeCellsFileError(error));
      });
  if (!file) return std::nullopt;
  return std::move(file->cells);
}

// Writes the file of `cells` that the writer makes for the -o file of
// `line`, or for `out`; a picture goes to no terminal. Reports a failure on
// `err`. Returns the exit status.
int WriteOutput(const CommandLine& line, const Cells& cells, const WriteRequest& request,
                std::ostream& out, std::ostream& err) {
  const bool to_out = !line.output || *line.output == kStandardStream;
  const std::optional<std::filesystem::path> target =
      to_out ? std::nullopt : std::optional(PathFromUtf8(*line.output));
  // Its cells come from a listing or a picture, one digit each, so a grid
  // file always loads back and there is nothing to confirm.
  const Expected<CellsFileBytes, RenderError> file = MakeCellsFile(target, cells, request);
  if (!file) {
    Report(err, InputName(line), DescribeRenderError(file.error(), cells));
    return kExitFailure;
  }
  const Writable writable =
      file->format == PictureFormat::kNone ? Writable::kAnything : Writable::kAnythingButTerminals;
  std::optional<FileError> error;
  if (!to_out) {
    error = SaveFile(*target, file->bytes, writable);
  } else if (writable == Writable::kAnythingButTerminals && OutputFile::IsTerminal(out)) {
    error = FileError{FileError::Kind::kIsTerminal};
  } else {
    out << file->bytes;
  }
  if (error) {
    Report(err, to_out ? "standard output" : *line.output, DescribeFileError(*error));
    return kExitFailure;
  }
  return kExitSuccess;
}

// Prints the lines of every input, a grid file or a picture, in order: the
// DATA lines or row codes as Command1 makes them, numbered or not, or the
// program that holds them. Prints nothing unless every input is encoded.
int Encode(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  std::vector<std::string> names = {line.input};
  names.insert(names.end(), line.more_inputs.begin(), line.more_inputs.end());
  CommandLine one = line;
  one.more_inputs.clear();
  std::vector<Cells> sprites;
  for (const std::string& name : names) {
    one.input = name;
    std::optional<Cells> cells = ReadCellsInput(one, AcceptedFiles::kGridFilesAndPictures, in, err);
    if (!cells) return kExitFailure;
    sprites.push_back(std::move(*cells));
  }
  if (line.program) {
    const Expected<std::string, UnusualCell> program =
        BasicProgram(sprites, line.numbering.value_or(LineNumbering{}));
    if (!program) {
      const UnusualCell& error = program.error();
      Report(err, InputName(names[error.sprite]),
             DescribeUnusualCell(error, sprites[error.sprite]));
      return kExitFailure;
    }
    out << *program;
    return kExitSuccess;
  }
  std::vector<std::string> lines;
  for (std::size_t sprite = 0; sprite < sprites.size(); ++sprite) {
    GridDocument document;
    document.cells = sprites[sprite];
    // A grid file gives each cell one character, which reads as at most 9, so
    // a pair is at most 4 x 9 + 9 = 45 and never overflows; a picture's cells
    // are 0 to 3. An overflow is a fault of this program, not of the input.
    if (const std::optional<Overflow> overflow = BuildDataLines(document)) {
      Report(err, InputName(names[sprite]), DescribeUnexpectedOverflow(*overflow));
      return kExitInternalError;
    }
    if (line.rows) {
      lines.insert(lines.end(), document.row_codes.begin(), document.row_codes.end());
    } else {
      lines.insert(lines.end(), document.data_lines.begin(), document.data_lines.end());
    }
  }
  if (line.numbering) {
    out << NumberLines(lines, *line.numbering);
  } else {
    for (const std::string& text : lines) out << text << '\n';
  }
  return kExitSuccess;
}

// The place of `position` in the listing `name`: "NAME:LINE:COLUMN", or
// "NAME:LINE" for a failure of the whole line.
std::string ListingPlace(const std::string& name, const DecodeError& error) {
  std::string place = name + ':' + std::to_string(error.position.line);
  if (error.kind != DecodeError::Kind::kLineTooLong &&
      error.kind != DecodeError::Kind::kUtf16WithoutByteOrderMark) {
    place.append(":").append(std::to_string(error.position.column));
  }
  return place;
}

int Decode(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  using DecodeFailure = std::variant<FileError, DecodeError>;
  const std::optional<Cells> cells = ReadInput(
      line, in,
      [&line](std::istream& input) -> Expected<Cells, DecodeFailure> {
        TextInput text(input);
        return DecodeDataStatements(text.stream(), line.sprite);
      },
      [&](const DecodeFailure& failure) {
        if (const auto* error = std::get_if<FileError>(&failure)) {
          Report(err, InputName(line), DescribeFileError(*error));
          return;
        }
        const auto& error = std::get<DecodeError>(failure);
        Report(err, ListingPlace(InputName(line), error), DescribeDecodeError(error));
      });
  if (!cells) return kExitFailure;
  return WriteOutput(line, *cells, {}, out, err);
}

int Render(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<Cells> cells =
      ReadCellsInput(line, AcceptedFiles::kGridFilesAndPictures, in, err);
  if (!cells) return kExitFailure;
  std::optional<std::array<Argb, 4>> palette;
  if (line.palette) palette = PictureColours(*line.palette);
  return WriteOutput(line, *cells, {.picture = true, .scale = line.scale, .palette = palette}, out,
                     err);
}

int Import(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<Cells> cells = ReadCellsInput(line, AcceptedFiles::kPicturesOnly, in, err);
  if (!cells) return kExitFailure;
  return WriteOutput(line, *cells, {}, out, err);
}

// Puts the sprite of FILE at place K of the listing, as the listing reader
// rewrites it, and saves the listing or writes OUT.
int Update(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string listing_name = InputName(line);
  Expected<Listing, ListingFileError> listing =
      line.input == kStandardStream ? ReadListingFile(in) : LoadListing(PathFromUtf8(line.input));
  if (!listing) {
    if (const auto* file_error = std::get_if<FileError>(&listing.error())) {
      Report(err, listing_name, DescribeFileError(*file_error));
    } else {
      const auto& error = std::get<DecodeError>(listing.error());
      Report(err,
             error.kind == DecodeError::Kind::kListingTooLarge ? listing_name
                                                               : ListingPlace(listing_name, error),
             DescribeDecodeError(error));
    }
    return kExitFailure;
  }
  CommandLine sprite_file = line;
  sprite_file.input = line.more_inputs.front();
  std::optional<Cells> cells =
      ReadCellsInput(sprite_file, AcceptedFiles::kGridFilesAndPictures, in, err);
  if (!cells) return kExitFailure;
  const std::size_t count = listing->sprites.size();
  const auto place = static_cast<std::size_t>(line.sprite);
  if (place > count + 1) {
    Report(err, listing_name, DescribeNoPlaceForSprite(count, static_cast<long long>(line.sprite)));
    return kExitFailure;
  }
  const Expected<std::string, ListingSaveError> rewritten =
      RewriteListingSprite(std::move(*listing), place - 1, *cells, {.renumber = line.renumber});
  if (!rewritten) {
    const ListingSaveError& error = rewritten.error();
    const bool of_the_cells = error.kind == ListingSaveError::Kind::kUnusualCell;
    Report(err,
           of_the_cells ? InputName(sprite_file)
                        : listing_name + ':' + std::to_string(error.position.line) + ':' +
                              std::to_string(error.position.column),
           DescribeListingSaveError(error, *cells));
    return kExitFailure;
  }
  const std::string target = line.output.value_or(line.input);
  if (target == kStandardStream) {
    out << *rewritten;
    return kExitSuccess;
  }
  if (const std::optional<FileError> error =
          SaveFile(PathFromUtf8(target), *rewritten, Writable::kAnything)) {
    Report(err, target, DescribeFileError(*error));
    return kExitFailure;
  }
  return kExitSuccess;
}

int UsageError(std::string_view problem, std::ostream& err) {
  err << kProgram << ": " << problem << "\n\n" << Usage();
  return kExitUsage;
}

// The whole numbers a number option takes, both ends included.
struct NumberRange {
  long lowest;
  long highest;
};
constexpr NumberRange kStartRange{0, kLargestLineNumber};
constexpr NumberRange kStepRange{1, kLargestLineNumber};
constexpr NumberRange kSpriteRange{1, std::numeric_limits<int>::max()};
constexpr NumberRange kScaleRange{1, kLargestScale};

// Returns "from LOWEST to HIGHEST", as the messages name `range`.
std::string RangeText(NumberRange range) {
  return "from " + std::to_string(range.lowest) + " to " + std::to_string(range.highest);
}

// Returns the whole number `text` within `range`, or nullopt.
std::optional<long> WholeNumber(std::string_view text, NumberRange range) {
  long number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < range.lowest ||
      number > range.highest) {
    return std::nullopt;
  }
  return number;
}

// Reads "START[,STEP]" into `numbering`; returns whether it is one.
bool ReadNumbering(std::string_view text, LineNumbering& numbering) {
  const std::size_t comma = text.find(',');
  const std::optional<long> start = WholeNumber(text.substr(0, comma), kStartRange);
  const std::optional<long> step = comma == std::string_view::npos
                                       ? LineNumbering{}.step
                                       : WholeNumber(text.substr(comma + 1), kStepRange);
  if (!start || !step) return false;
  numbering = {*start, *step};
  return true;
}

}  // namespace

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments,
                                            CommandLine& line) {
  std::size_t i = 0;
  if (arguments.empty()) return "no command given";
  line.command = arguments[i++];
  const std::string& command = line.command;
  if (command != "encode" && command != "decode" && command != "render" && command != "import" &&
      command != "update") {
    return "unknown command '" + command + "'";
  }
  bool have_input = false;
  for (; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--rows" && command == "encode") {
      line.rows = true;
    } else if (argument == "--program" && command == "encode") {
      line.program = true;
    } else if (argument == "--number" && command == "encode") {
      if (++i == arguments.size()) return argument + " needs START or START,STEP";
      if (!ReadNumbering(arguments[i], line.numbering.emplace())) {
        return "--number takes START or START,STEP, whole numbers with START " +
               RangeText(kStartRange) + " and STEP " + RangeText(kStepRange) + ", not '" +
               arguments[i] + "'";
      }
    } else if (argument == "--renumber" && command == "update") {
      line.renumber = true;
    } else if (argument == "--sprite" && (command == "decode" || command == "update")) {
      if (++i == arguments.size()) return argument + " needs a number";
      const std::optional<long> sprite = WholeNumber(arguments[i], kSpriteRange);
      if (!sprite) {
        return "--sprite takes a whole number " + RangeText(kSpriteRange) + ", not '" +
               arguments[i] + "'";
      }
      line.sprite = static_cast<int>(*sprite);
      line.sprite_given = true;
    } else if ((argument == "-o" || argument == "--output") && command != "encode") {
      if (++i == arguments.size()) return argument + " needs a file name";
      line.output = arguments[i];
    } else if (argument == "--scale" && command == "render") {
      if (++i == arguments.size()) return argument + " needs a number";
      const std::optional<long> scale = WholeNumber(arguments[i], kScaleRange);
      if (!scale) {
        return "--scale takes a whole number " + RangeText(kScaleRange) + ", not '" + arguments[i] +
               "'";
      }
      line.scale = static_cast<int>(*scale);
    } else if (argument == "--palette" && command == "render") {
      if (++i == arguments.size()) return argument + " needs a palette's name";
      if (arguments[i] == "help") {
        line.palette_help = true;
        return std::nullopt;
      }
      line.palette = PaletteNamed(arguments[i]);
      if (!line.palette) {
        return "--palette takes the name of a palette, not '" + arguments[i] +
               "'; --palette help lists them";
      }
    } else if (argument.size() > 1 && argument[0] == '-') {
      return std::string("unknown option '").append(argument).append("' for ").append(command);
    } else if (have_input &&
               (command == "encode" || (command == "update" && line.more_inputs.empty()))) {
      line.more_inputs.push_back(argument);
    } else if (have_input) {
      return "more than one input file";
    } else {
      line.input = argument;
      have_input = true;
    }
  }
  if (command == "render" && !line.output) return "render needs -o OUT.png";
  if (command == "update" && (!have_input || line.more_inputs.empty() || !line.sprite_given)) {
    return "update needs LISTING, --sprite K and FILE";
  }
  if (line.rows && (line.program || line.numbering)) {
    return "--rows gives row codes, which are not numbered or made into a program";
  }
  if (line.program || line.numbering) {
    const auto sprites = static_cast<long long>(line.more_inputs.size()) + 1;
    const long long last =
        LastLineNumber(line.numbering.value_or(LineNumbering{}),
                       line.program ? ProgramLineCount(sprites) : kDataLineCount * sprites);
    const long largest = line.program ? kLargestProgramLineNumber : kLargestLineNumber;
    if (last > largest) {
      return std::to_string(sprites) + (sprites == 1 ? " sprite needs" : " sprites need") +
             " line numbers up to " + std::to_string(last) + ", past " + std::to_string(largest) +
             (line.program ? ", the highest of a program" : "") +
             "; give fewer files or a smaller --number";
    }
  }
  return std::nullopt;
}

int RunGridcodeData(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << Usage();
    return kExitSuccess;
  }
  if (!arguments.empty() && arguments[0] == "--version") {
    out << kProgram << ' ' << GRIDCODE_VERSION << '\n';
    return kExitSuccess;
  }
  CommandLine line;
  if (const std::optional<std::string> problem = ParseCommandLine(arguments, line)) {
    return UsageError(VisibleText(*problem), err);
  }
  if (line.palette_help) {
    out << PaletteHelp();
    return kExitSuccess;
  }
  if (line.command == "encode") return Encode(line, in, out, err);
  if (line.command == "decode") return Decode(line, in, out, err);
  if (line.command == "render") return Render(line, in, out, err);
  if (line.command == "update") return Update(line, in, out, err);
  return Import(line, in, out, err);
}

}  // namespace gridcode
