#include "cli/gridcode_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <sstream>

#include "format/grid_file.h"
#include "format/grid_picture.h"
#include "grid/grid_document.h"
#include "grid/palettes.h"
#include "support/temp_folder.h"

namespace gridcode {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out, err;
};

// Runs the converter on `arguments` in this process, with `input` as standard input.
Outcome RunWith(const std::vector<std::string>& arguments, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunGridcodeData(arguments, in, out, err);
  return {status, out.str(), err.str()};
}

std::string RandomGridFile(std::mt19937& random) {
  std::string file;
  for (int i = 0; i < kCellCount; ++i) file += static_cast<char>('0' + random() % 4);
  return file + "\r\n";
}

using GridcodeDataTest = TempFolderTest;

// Checks what a run of the real program left in the files "stdout" and
// "stderr" of `folder`: exactly `out`, and `err` among its messages (nothing
// when `err` is empty).
void ExpectStreams(const fs::path& folder, const std::string& out, const std::string& err) {
  EXPECT_EQ(Contents(folder / "stdout"), out);
  const std::string said = Contents(folder / "stderr");
  if (err.empty()) {
    EXPECT_EQ(said, "");
  } else {
    EXPECT_NE(said.find(err), std::string::npos) << said;
  }
}

TEST_F(GridcodeDataTest, EncodePrintsWhatCommand1Shows) {
  const std::string grid = "33" + std::string(138, '0') + "\r\n";
  const Outcome lines = RunWith({"encode"}, grid);
  EXPECT_EQ(lines.status, kExitSuccess);
  EXPECT_EQ(lines.out,
            "DATA F000000,0000000,0000000,0000000,0000000\n"
            "DATA 0000000,0000000,0000000,0000000,0000000\n");
  const Outcome rows = RunWith({"encode", "--rows", "-"}, grid);
  EXPECT_EQ(rows.out.substr(0, 16), "F000000\n0000000\n");
  EXPECT_EQ(rows.out.size(), 80u);
}

// Several files, a grid file and a picture, in the order given; numbered on
// from one file to the next.
TEST_F(GridcodeDataTest, EncodeNumbersTheLinesOfSeveralFilesInOrder) {
  const std::string a = (folder_ / "a.dat").string(), b = (folder_ / "b.png").string();
  Write(a, "33" + std::string(138, '0') + "\r\n");
  Write(b, RunWith({"render", "-o", "-"}, std::string(kCellCount, '1')).out);
  const std::string a0 = "DATA F000000,0000000,0000000,0000000,0000000\n",
                    a1 = "DATA 0000000,0000000,0000000,0000000,0000000\n",
                    b0 = "DATA 5555555,5555555,5555555,5555555,5555555\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"encode", a, b}, a0 + a1 + b0 + b0},
      {{"encode", "--number", "100", a, b}, "100 " + a0 + "110 " + a1 + "120 " + b0 + "130 " + b0},
      {{"encode", b, "--number", "0,1", a}, "0 " + b0 + "1 " + b0 + "2 " + a0 + "3 " + a1},
      {{"encode", "--number", "63989", a}, "63989 " + a0 + "63999 " + a1},
  };
  for (const auto& [arguments, out] : cases) {
    const Outcome run = RunWith(arguments);
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, out) << arguments[1];
  }
  const std::string rows = RunWith({"encode", "--rows", b, a}).out;
  EXPECT_EQ(rows.substr(64, 24), "5555555\n5555555\nF000000\n");
  EXPECT_EQ(rows.size(), 160u);
}

TEST_F(GridcodeDataTest, Random500GridsEncodeDecodeAndEncodeAgainUnchanged) {
  std::mt19937 random(20261207);
  for (int trial = 0; trial < 500; ++trial) {
    const std::string file = RandomGridFile(random);
    const Outcome encoded = RunWith({"encode"}, file);
    ASSERT_EQ(encoded.status, kExitSuccess);
    const Outcome decoded = RunWith({"decode"}, encoded.out);
    ASSERT_EQ(decoded.status, kExitSuccess) << decoded.err;
    ASSERT_EQ(decoded.out, file);
    ASSERT_EQ(RunWith({"encode"}, decoded.out).out, encoded.out);
  }
}

TEST_F(GridcodeDataTest, RenderThenImportOrEncodeGivesBackTheGridAtEveryScale) {
  std::mt19937 random(20261207);
  for (int scale = 1; scale <= kLargestScale; ++scale) {
    const std::string file = RandomGridFile(random);
    SCOPED_TRACE("scale " + std::to_string(scale) + ", grid " + file);
    const Outcome rendered =
        RunWith({"render", "--scale", std::to_string(scale), "-", "-o", "-"}, file);
    ASSERT_EQ(rendered.status, kExitSuccess) << rendered.err;
    const Outcome imported = RunWith({"import"}, rendered.out);
    ASSERT_EQ(imported.status, kExitSuccess) << imported.err;
    EXPECT_EQ(imported.out, file);
    EXPECT_EQ(RunWith({"encode"}, rendered.out).out, RunWith({"encode"}, file).out);
  }
}

TEST_F(GridcodeDataTest, FailuresAreOneLineNamingThePlaceAndWriteNothing) {
  const std::string output = (folder_ / "out").string();
  const std::string grid = (folder_ / "grid.dat").string();
  Write(grid, std::string(kCellCount, '1'));
  Write(folder_ / "x.dat", "x" + std::string(kCellCount - 1, '1'));
  const std::string ten =
      "1BE4000,0000000,0000000,0000000,0000000,0000000,0000000,0000000,0000000,0000000";
  const std::string png = RunWith({"render", "-o", "-"}, std::string(kCellCount, '1')).out;
  struct Case {
    std::vector<std::string> arguments;
    std::string input, message;
  };
  const std::vector<Case> cases = {
      {{"encode"}, "", "gridcode-data: <stdin>: is empty"},
      {{"encode", (folder_ / "nosuch.dat").string()}, "", "nosuch.dat: cannot be read"},
      {{"encode", "--number", "10", "-", (folder_ / "nosuch.dat").string()},
       std::string(kCellCount, '0'),
       "nosuch.dat: cannot be read"},
      {{"encode", "--program", "-"},
       "0123x" + std::string(135, '0'),
       "gridcode-data: <stdin>: the cell in row 1, column 5 holds \"x\", not one digit 0 to 3"},
      {{"decode", "--sprite", "2", "-o", output},
       "DATA 1,2,0000000,0000000,0000000,0000000,0000000,0000000,0000000,0000000,0000000,"
       "0000000\nDATA 0000000",
       "gridcode-data: <stdin>:2:13: the DATA statements hold 1 sprite of 10 row codes, so "
       "there is no sprite 2"},
      {{"encode"},
       std::string("BM\x36\0\0\0", 6) + std::string(140, '0'),
       "gridcode-data: <stdin>: is a BMP picture; gridcode reads PNG pictures only"},
      {{"decode", "-o", output},
       "DATA 0000000\nDATA 00000x0",
       "gridcode-data: <stdin>:2:13: the DATA statements hold no sprite: no 10 row codes stand "
       "in a row (the longest run is 1)"},
      {{"decode", "-o", output},
       "DATA 0000000",
       "gridcode-data: <stdin>:1:13: the DATA statements hold no sprite"},
      {{"decode", "-o", output}, "DATA \x1b[2J,\n", "<stdin>:2:1: the DATA statements hold no"},
      {{"decode", (folder_ / "nosuch.bas").string()}, "", "nosuch.bas: cannot be read"},
      {{"render", "-", "-o", output},
       "0123x" + std::string(135, '0'),
       "gridcode-data: <stdin>: the cell in row 1, column 5 holds \"x\", not one digit 0 to 3"},
      {{"import", "-", "-o", output},
       std::string(kCellCount, '0'),
       "gridcode-data: <stdin>: is not a PNG picture"},
      {{"import", "-", "-o", output},
       png.substr(0, png.size() - 20),
       "gridcode-data: <stdin>: is a PNG picture that cannot be read"},
      {{"import", (folder_ / "nosuch.png").string(), "-o", output},
       "",
       "nosuch.png: cannot be read: No such file or directory"},
      {{"import", "-o", (folder_ / "no" / "such" / "folder").string()},
       png,
       "folder: cannot be written: No such file or directory (no file was changed)"},
      {{"update", "-", "--sprite", "3", grid, "-o", output},
       "DATA 1\nDATA " + ten + "\n",
       "gridcode-data: <stdin>: the listing holds 1 sprite, so --sprite takes 1 to 2"},
      {{"update", "-", "--sprite", "2", grid, "-o", output},
       "10 PRINT\n20 DATA " + ten + "\n30 PRINT\n",
       "gridcode-data: <stdin>:2:1: 2 new DATA lines do not fit between lines 20 and 30 by the "
       "listing's step of 10; give --renumber"},
      {{"update", "-", "--sprite", "1", (folder_ / "x.dat").string(), "-o", output},
       "10 DATA " + ten + "\n",
       "x.dat: the cell in row 1, column 1 holds \"x\", not one digit 0 to 3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    std::ofstream(output) << "old";
    const Outcome run = RunWith(c.arguments, c.input);
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.rfind("gridcode-data: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(Contents(output), "old");
  }
}

// Every -o is written by the writer behind SAVE: a picture by the name or by
// the picture it replaces, in that picture's style unless --scale is given.
TEST_F(GridcodeDataTest, OutputsAreGridFilesOrPicturesAsSaveWritesThem) {
  const std::string grid = "0123" + std::string(136, '0') + "\r\n";
  const std::map<std::string, std::string> input = {
      {"decode", RunWith({"encode"}, grid).out},
      {"render", grid},
      {"import", RunWith({"render", "-o", "-"}, grid).out}};
  const PictureStyle own = {.scale = 4,
                            .palette = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0x800000FF}};
  Cells zeros;
  zeros.fill("0");
  const std::string own_picture = *RenderPng(zeros, own);
  struct Case {
    std::vector<std::string> arguments;
    std::string name, old;              // the -o file, and what it held before
    std::optional<PictureStyle> style;  // the picture's style, or nullopt for a grid file
  };
  const std::vector<Case> cases = {
      {{"decode"}, "new.dat", "", std::nullopt},
      {{"import"}, "grid.png.dat", grid, std::nullopt},
      {{"decode"}, "new.PNG", "", PictureStyle{}},
      {{"import"}, "grid.png", grid, PictureStyle{}},
      {{"decode"}, "art", own_picture, own},
      {{"import"}, "art.dat", own_picture, own},
      {{"render"}, "new.dat", "", PictureStyle{}},
      {{"render"}, "art", own_picture, own},
      {{"render", "--scale", "2"}, "art.png", own_picture, PictureStyle{2, own.palette}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.front() + " -o " + c.name);
    const fs::path output = folder_ / c.name;
    fs::remove(output);
    if (!c.old.empty()) Write(output, c.old);
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"-", "-o", output.string()});
    const Outcome run = RunWith(arguments, input.at(c.arguments.front()));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    if (!c.style) {
      EXPECT_EQ(Contents(output), grid);
      continue;
    }
    const Expected<GridPicture, ImportError> picture = ImportPng(Contents(output));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->style, *c.style);
    EXPECT_EQ(GridFileText(picture->cells), grid);
  }
}

// Every palette by name: the colour of each value and whether 0 is
// transparent, as --palette help lists them and as render writes them, over
// a new picture or in place of a replaced picture's own, whose scale stays.
TEST_F(GridcodeDataTest, RenderDrawsInEveryPalette) {
  struct Case {
    std::string name;
    std::array<Argb, 4> rgb;  // 0xRRGGBB of the values 0 to 3
    bool transparent;         // 0 is written with alpha 0
  };
  const std::vector<Case> cases = {
      {"gridcode", {0xFFFFFF, 0x35B779, 0x31688E, 0x440154}, false},
      {"greys", {0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000}, false},
      {"handheld", {0x9BBC0F, 0x8BAC0F, 0x306230, 0x0F380F}, true},
      {"cga0-low", {0x000000, 0x00AA00, 0xAA0000, 0xAA5500}, false},
      {"cga0-high", {0x000000, 0x55FF55, 0xFF5555, 0xFFFF55}, false},
      {"cga1-low", {0x000000, 0x00AAAA, 0xAA00AA, 0xAAAAAA}, false},
      {"cga1-high", {0x000000, 0x55FFFF, 0xFF55FF, 0xFFFFFF}, false},
      {"c64", {0x352879, 0xFFFFFF, 0x6C6C6C, 0x000000}, true},
      {"c64:14,3,9", {0x352879, 0x6C5EB5, 0x70A4B2, 0x433900}, true},
      {"c64:15,10,2", {0x352879, 0x959595, 0x9A6759, 0x68372B}, true},
  };
  std::vector<std::string> fixed;
  for (const Palette& palette : FixedPalettes()) fixed.push_back(palette.name);
  EXPECT_EQ(fixed, std::vector<std::string>({"gridcode", "greys", "handheld", "cga0-low",
                                             "cga0-high", "cga1-low", "cga1-high", "c64"}));
  const Outcome help = RunWith({"render", "--palette", "help"});
  EXPECT_EQ(help.status, kExitSuccess);

  const std::string grid = "0123" + std::string(135, '0') + "3\r\n";
  const std::array<Argb, 4> own = {0x00102030, 0xFFFF0000, 0x8000FF00, 0xFF0000FF};
  EXPECT_EQ(PictureColours(PictureEntriesPalette(own)), own);
  Cells zeros;
  zeros.fill("0");
  const std::string own_picture = *RenderPng(zeros, {.scale = 4, .palette = own});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::array<Argb, 4> entries{};
    std::string colours;
    for (std::size_t value = 0; value < entries.size(); ++value) {
      entries[value] = (value == 0 && c.transparent ? 0 : 0xFF000000) | c.rgb[value];
      colours += ColourText(c.rgb[value]) + ' ';
    }
    if (c.name.find(':') == std::string::npos) {
      const std::regex line("(^|\n)" + c.name + " +" + colours +
                            (c.transparent ? "0 transparent\n" : "0 opaque\n"));
      EXPECT_TRUE(std::regex_search(help.out, line)) << help.out;
    }
    for (const bool replace : {false, true}) {
      const fs::path output = folder_ / (replace ? "old.png" : "new.png");
      fs::remove(output);
      if (replace) Write(output, own_picture);
      const Outcome run =
          RunWith({"render", "--palette", c.name, "-", "-o", output.string()}, grid);
      ASSERT_EQ(run.status, kExitSuccess) << run.err;
      const Expected<GridPicture, ImportError> picture = ImportPng(Contents(output));
      ASSERT_TRUE(picture.has_value());
      EXPECT_EQ(GridFileText(picture->cells), grid);
      EXPECT_EQ(picture->style, (PictureStyle{replace ? 4 : 1, entries}));
      EXPECT_EQ(PictureEntriesPalette(picture->style.palette).transparent_zero, c.transparent);
    }
  }
}

TEST_F(GridcodeDataTest, UsageErrorsExitWithTwo) {
  struct Case {
    std::vector<std::string> arguments;
    std::string said;  // a number option's range, named by both ends
  };
  for (const Case& c : std::vector<Case>{
           {{}, ""},
           {{"frobnicate"}, ""},
           {{"encode", "--bogus"}, ""},
           {{"decode", "a", "b"}, ""},
           {{"encode", "--number", "64000"}, "START from 0 to 63999"},
           {{"encode", "--number", "1,0"}, "STEP from 1 to 63999"},
           {{"encode", "--number", "63990", "a"}, ""},
           {{"encode", "--program", "--number", "32700"}, ""},
           {{"encode", "--rows", "--program"}, ""},
           {{"decode", "--sprite", "0"}, ""},
           {{"decode", "--sprite", "2147483648"}, "from 1 to 2147483647, not '2147483648'"},
           {{"decode", "-o"}, ""},
           {{"decode", "--rows"}, ""},
           {{"encode", "-o", "x"}, ""},
           {{"render", "-"}, ""},
           {{"render", "--scale", "65", "-o", "-"}, "from 1 to 64, not '65'"},
           {{"render", "--palette", "c64:1,2,16", "-o", "-"}, "not 'c64:1,2,16'; --palette help"},
           {{"render", "--palette", "Greys", "-o", "-"}, "not 'Greys'"},
           {{"encode", "--palette", "greys"}, ""},
           {{"update", "a.bas", "b.dat"}, ""},
           {{"update", "a.bas", "--sprite", "1"}, ""},
           {{"update", "a", "--sprite", "1", "b", "c"}, ""}}) {
    const Outcome run = RunWith(c.arguments);
    EXPECT_EQ(run.status, kExitUsage) << (c.arguments.empty() ? "" : c.arguments.back());
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunWith({"--help"}).status, kExitSuccess);
  EXPECT_EQ(RunWith({"--version"}).out.rfind("gridcode-data ", 0), 0u);
}

TEST_F(GridcodeDataTest, DecodeWritesOutputFilesOnlyOnSuccess) {
  const fs::path listing = folder_ / "listing.bas", output = folder_ / "grid.dat";
  std::ofstream(listing) << "100 DATA 1BE4000,0000000,0000000,0000000,0000000\n"
                            "110 DATA 0000000,0000000,0000000,0000000,0000000\n";
  std::ofstream(output) << "old";
  const Outcome bad = RunWith({"decode", "-o", output.string()}, "DATA 1");
  EXPECT_EQ(bad.status, kExitFailure);
  EXPECT_EQ(Contents(output), "old");

  const Outcome good = RunWith({"decode", listing.string(), "-o", output.string()});
  EXPECT_EQ(good.status, kExitSuccess) << good.err;
  EXPECT_EQ(good.out, "");
  EXPECT_EQ(Contents(output), "01233210000000" + std::string(126, '0') + "\r\n");
}

#ifdef _WIN32
// Runs the real program in `folder` with `arguments` (UTF-8), standard input
// from the file `input` there, and standard output and error into the files
// "stdout" and "stderr" beside it; returns its exit status.
DWORD RunProgram(const fs::path& folder, const std::vector<std::string>& arguments,
                 const std::string& input) {
  const fs::path program = fs::absolute(GRIDCODE_DATA_PROGRAM);
  std::wstring command_line = L"\"" + program.wstring() + L"\"";
  for (const std::string& argument : arguments) {
    command_line +=
        L" \"" + fs::path(std::u8string(argument.begin(), argument.end())).wstring() + L"\"";
  }
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const auto open = [&](const fs::path& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = open(folder / input, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = open(folder.parent_path() / "stdout", GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = open(folder.parent_path() / "stderr", GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  DWORD status = 255;
  if (::CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       folder.c_str(), &startup, &process)) {
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    ::CloseHandle(handle);
  }
  return status;
}

// The installed kind of run on Windows: the real program, with names in
// Japanese on its command line, whatever the console's code page, and bytes
// through its standard streams unchanged. Runs one after another in one folder.
TEST_F(GridcodeDataTest, TheProgramTakesAnyNameAndPassesBytesUnchangedOnWindows) {
  const fs::path work = folder_ / "work";
  fs::create_directory(work);
  const std::string grid = "0123" + std::string(136, '0') + "\r\n";
  std::ofstream(work / "g.dat", std::ios::binary) << grid;
  std::ofstream(work / fs::path(u8"グリッド.dat"), std::ios::binary) << grid;
  std::ofstream(work / "empty", std::ios::binary) << "";
  const std::string picture = RunWith({"render", "--scale", "3", "-", "-o", "-"}, grid).out;
  const std::string lines = RunWith({"encode"}, grid).out;
  std::ofstream(work / "picture", std::ios::binary) << picture;
  std::string listing;  // the DATA lines with CR LF line ends
  for (const char c : lines) listing += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::ofstream(work / "listing", std::ios::binary) << listing;
  struct Case {
    std::vector<std::string> arguments;
    std::string input;  // the file standard input reads
    DWORD status;
    std::string out, err;  // what standard output is, what standard error holds
  };
  const std::vector<Case> cases = {
      {{"render", "--scale", "3", "g.dat", "-o", "-"}, "empty", 0, picture, ""},
      {{"import"}, "picture", 0, grid, ""},
      {{"decode", "-"}, "listing", 0, grid, ""},
      {{"decode", "-", "-o", "NUL"}, "listing", 0, "", ""},
      {{"encode", "グリッド.dat"}, "empty", 0, lines, ""},
      {{"render", "--scale", "3", "グリッド.dat", "-o", "絵.png"}, "empty", 0, "", ""},
      {{"import", "絵.png", "-o", "グリッド2.dat"}, "empty", 0, "", ""},
      {{"encode", "グリッド2.dat"}, "empty", 0, lines, ""},
      {{"encode", "無い.dat"},
       "empty",
       1,
       "",
       "gridcode-data: 無い.dat: cannot be read: No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
    EXPECT_EQ(RunProgram(work, c.arguments, c.input), c.status);
    ExpectStreams(folder_, c.out, c.err);
  }
  EXPECT_EQ(Contents(work / fs::path(u8"絵.png")), picture);
}
#else
// The installed kind of run: the real program in a shell, with real standard
// streams, devices and pipes. `P` names the program, `G` a grid file of
// digits; the shell runs in a folder of its own.
TEST_F(GridcodeDataTest, TheProgramWritesWhereUnixToolsWriteAndReadsInBoundedMemory) {
  const fs::path work = folder_ / "work";
  fs::create_directory(work);
  const std::string grid = "0123" + std::string(136, '0') + "\r\n";
  std::ofstream(work / "g.dat") << grid;
  // A name of 255 bytes, the longest a file may have: its temporary file must fit too.
  const std::string longest_name = std::string(251, 'n') + ".dat";
  // Reading an endless input must stay within this much memory. The sanitizers
  // reserve far more address space than they use, so there the limit is on
  // memory in use instead.
#if defined(__SANITIZE_ADDRESS__)
  const std::string limited = "ASAN_OPTIONS=hard_rss_limit_mb=400 ";
#else
  const std::string limited = "ulimit -v 262144; ";
#endif
  struct Case {
    std::string script;
    int status;
    std::string out, err;  // what standard output is, what standard error holds
  };
  const std::vector<Case> cases = {
      {"$P encode $G >/dev/full", 1, "",
       "gridcode-data: standard output: No space left on device\n"},
      {"$P encode $G | $P decode >/dev/full", 1, "",
       "gridcode-data: standard output: No space left on device\n"},
      {"$P render $G -o - >/dev/full", 1, "", "No space left on device"},
      {"$P render $G -o - | $P import >/dev/full", 1, "", "No space left on device"},
      {"$P encode $G | $P decode -o /dev/full", 1, "",
       "gridcode-data: /dev/full: cannot be written: No space left on device"},
      {"$P encode $G | $P decode -o /dev/null && ls", 0, "g.dat\n", ""},
      {"$P encode $G | $P decode -o /dev/stdout | cat", 0, "0123" + std::string(136, '0') + "\r\n",
       ""},
      {"$P render --scale 3 $G -o pic.png && $P import pic.png -o " + longest_name + " && cat " +
           longest_name + " && ls -a | wc -l",
       0, "0123" + std::string(136, '0') + "\r\n" + "5\n", ""},
      {"$P import nosuch.png; $P encode nosuch.dat", 1, "",
       "gridcode-data: nosuch.png: cannot be read: No such file or directory\n"
       "gridcode-data: nosuch.dat: cannot be read: No such file or directory\n"},
      {"$P decode </; $P encode </", 1, "",
       "gridcode-data: <stdin>: cannot be read: Is a directory\n"
       "gridcode-data: <stdin>: cannot be read: Is a directory\n"},
      {limited + "$P decode /dev/zero", 1, "",
       "gridcode-data: /dev/zero:1: the line is longer than 65536 bytes, which no listing has\n"},
      {limited + "yes 'DATA 0000001' | $P decode | head -c 14", 0, "00000000000001", ""},
      // Streams and links as -o: written in place, through the shell's own
      // descriptor, and through a link that stays one.
      {"echo old >log && ls -i log >inode && { echo header; $P encode $G | $P decode -o "
       "/dev/stdout; echo footer; } >>log && ls -i log | cmp - inode && cat log",
       0, "old\nheader\n" + grid + "footer\n", ""},
      {"echo old >log && $P encode $G | $P decode -o /dev/stderr 2>>log; cat log", 0,
       "old\n" + grid, ""},
      {"mkfifo fifo && { cat fifo & } && $P encode $G | $P decode -o fifo; wait", 0, grid, ""},
      {"ln -s new.dat link && $P encode $G | $P decode -o link && test -L link && cat new.dat", 0,
       grid, ""},
      {"ln -s loop1 loop2 && ln -s loop2 loop1 && $P encode $G | $P decode -o loop1", 1, "",
       "gridcode-data: loop1: cannot be written: Too many levels of symbolic links"},
      {"script -qec \"$P render $G -o - 2>message\" /dev/null >/dev/null || cat message >&2", 0, "",
       "gridcode-data: standard output: is a terminal"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    const std::string command = "cd '" + work.string() +
                                "' && P='" GRIDCODE_DATA_PROGRAM "' G=g.dat && { " + c.script +
                                "; } >../stdout 2>../stderr";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.status);
    ExpectStreams(folder_, c.out, c.err);
  }
}

// What a BASIC printed from its first row of cells on, without CRs, without
// the banner before it or the prompt after the last line end.
std::string PrintedRows(std::string output) {
  std::erase(output, '\r');
  std::smatch first;
  if (!std::regex_search(output, first, std::regex("(^|\n)[0-3]{14}\n"))) return output;
  const auto start = static_cast<std::size_t>(first.position() + first.length(1));
  return output.substr(start, output.rfind('\n') + 1 - start);
}

// The program of random sprites, numbered from 10 and up to the highest number
// a program may have, in three real BASICs: each prints every sprite's cells
// as its file holds them. Every line keeps to what they share, and decode
// --sprite K gives sprite K back.
TEST_F(GridcodeDataTest, TheProgramPrintsEverySpriteInThreeBasics) {
  const std::vector<std::pair<std::string, std::string>> basics = {
      {"bwbasic", "bwbasic program.bas </dev/null >printed"},
      {"yabasic", "yabasic program.bas </dev/null >printed"},
      {"brandy",
       "printf '*SPOOL printed\\nCHAIN \"program.bas\"\\n' >spool.bas && "
       "SDL_VIDEODRIVER=dummy brandy -quit spool.bas </dev/null >/dev/null 2>&1"}};
  // A word of three letters or more that is not one of the keywords used, or a small letter.
  const std::regex other_word(
      R"(^\d+ (?!REM |DATA ).*?(\b(?!(LET|FOR|NEXT|READ|PRINT|MID|ASC|CHR|INT)\b)[A-Z]{3}|[a-z]))");
  std::mt19937 random(20261207);
  for (const int sprites : {9, 1}) {
    std::vector<std::string> arguments = {"encode", "--program"};
    if (sprites == 1) {
      const long long lines = ProgramLineCount(sprites);
      arguments.insert(
          arguments.end(),
          {"--number", std::to_string(kLargestProgramLineNumber - 7 * (lines - 1)) + ",7"});
    }
    std::vector<std::string> files;
    for (int k = 1; k <= sprites; ++k) {
      files.push_back(RandomGridFile(random));
      arguments.push_back((folder_ / (std::to_string(k) + ".dat")).string());
      Write(arguments.back(), files.back());
    }
    // What the BASICs print: each sprite's rows, a blank line between sprites.
    const auto printed = [&files] {
      std::string cells;
      for (std::size_t k = 0; k < files.size(); ++k) {
        for (std::size_t at = 0; at < kCellCount; at += kColumns) {
          cells += files[k].substr(at, kColumns) + '\n';
        }
        cells += k + 1 < files.size() ? "\n" : "";
      }
      return cells;
    };
    const auto run_basics = [&] {
      for (const auto& [basic, script] : basics) {
        SCOPED_TRACE(basic + " (scripts/install-deps installs it)");
        fs::remove(folder_ / "printed");
        std::system(("cd '" + folder_.string() + "' && " + script).c_str());
        EXPECT_EQ(PrintedRows(Contents(folder_ / "printed")), printed());
      }
    };
    const Outcome program = RunWith(arguments);
    ASSERT_EQ(program.status, kExitSuccess) << program.err;
    Write(folder_ / "program.bas", program.out);
    for (int k = 1; k <= sprites; ++k) {
      EXPECT_EQ(RunWith({"decode", "--sprite", std::to_string(k)}, program.out).out, files[k - 1]);
    }
    std::istringstream lines(program.out);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(line.size(), kLongestProgramLine) << line;
      EXPECT_FALSE(std::regex_search(line, other_word)) << line;
    }
    run_basics();
    if (sprites == 1) continue;
    // The program updated in place, a sprite changed and one added: it still
    // runs, and prints them all.
    const std::string listing = (folder_ / "program.bas").string();
    for (const int k : {4, sprites + 1}) {
      const std::string file = (folder_ / "new.dat").string();
      Write(file, RandomGridFile(random));
      if (k > sprites) files.emplace_back();
      files[k - 1] = Contents(file);
      const Outcome updated = RunWith({"update", listing, "--sprite", std::to_string(k), file});
      ASSERT_EQ(updated.status, kExitSuccess) << updated.err;
    }
    EXPECT_NE(Contents(listing).find("LET N=" + std::to_string(sprites + 1)), std::string::npos);
    run_basics();
  }
}
#endif

}  // namespace
}  // namespace gridcode
