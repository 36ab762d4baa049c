#include "cli/gridcode_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "command_outcome.h"
#include "encoder/data_lines.h"
#include "storage/grid_file.h"

namespace gridcode {
namespace {

Outcome RunWith(const std::vector<std::string>& arguments, const std::string& input = "") {
  return RunCommand(RunGridcodeData, arguments, input);
}

std::string RandomGridFile(std::mt19937& random) {
  std::string file;
  for (int i = 0; i < kCellCount; ++i) file += static_cast<char>('0' + random() % 4);
  return file + "\r\n";
}

TEST(GridcodeDataTest, EncodePrintsWhatCommand1Shows) {
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

TEST(GridcodeDataTest, RoundTripsEveryGridOfDigits) {
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

TEST(GridcodeDataTest, BadInputFailsWithNothingOnStandardOutput) {
  struct Case {
    std::vector<std::string> arguments;
    std::string input;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"encode"}, "", "is empty"},
      {{"decode"}, "DATA 0000000\nDATA 00000x0", "<stdin>:2:6: row code \"00000x0\""},
      {{"decode"}, "DATA 0000000", "<stdin>:1:13: the DATA statements end after 1"},
      {{"encode", "/nonexistent/grid.dat"}, "", "/nonexistent/grid.dat: cannot be read"},
      {{"decode", "/nonexistent/listing.bas"}, "", "cannot be read"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunWith(c.arguments, c.input);
    EXPECT_EQ(run.status, kExitBadInput) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(GridcodeDataTest, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"frobnicate"},
                                             {"encode", "--bogus"},
                                             {"encode", "a", "b"},
                                             {"decode", "-o"},
                                             {"decode", "--rows"},
                                             {"encode", "-o", "x"}}) {
    const Outcome run = RunWith(arguments);
    EXPECT_EQ(run.status, kExitUsage) << (arguments.empty() ? "" : arguments.back());
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
  }
  EXPECT_EQ(RunWith({"--help"}).status, kExitSuccess);
  EXPECT_EQ(RunWith({"--version"}).out.rfind("gridcode-data ", 0), 0u);
}

TEST(GridcodeDataTest, DecodeWritesOutputFilesOnlyOnSuccess) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("gridcode-data-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path listing = folder / "listing.bas", output = folder / "grid.dat";
  std::ofstream(listing) << "100 DATA 1BE4000,0000000,0000000,0000000,0000000\n"
                            "110 DATA 0000000,0000000,0000000,0000000,0000000\n";
  std::ofstream(output) << "old";
  const Outcome bad = RunWith({"decode", "-o", output.string()}, "DATA 1");
  EXPECT_EQ(bad.status, kExitBadInput);
  std::ifstream old_file(output);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old_file), {}), "old");

  const Outcome good = RunWith({"decode", listing.string(), "-o", output.string()});
  EXPECT_EQ(good.status, kExitSuccess) << good.err;
  EXPECT_EQ(good.out, "");
  std::ifstream new_file(output, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(new_file), {}),
            "01233210000000" + std::string(126, '0') + "\r\n");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace gridcode
