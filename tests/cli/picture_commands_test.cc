#include "cli/picture_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli/gridcode_data.h"
#include "command_outcome.h"

namespace gridcode {
namespace {

Outcome RunPicture(const std::vector<std::string>& arguments, const std::string& input = "") {
  return RunCommand(RunPictureCommand, arguments, input);
}

TEST(PictureCommandsTest, RenderThenImportGivesBackTheGridFileAtEveryScale) {
  std::mt19937 random(20261207);
  for (int scale = 1; scale <= 64; ++scale) {
    std::string file;
    for (int i = 0; i < kCellCount; ++i) file += static_cast<char>('0' + random() % 4);
    file += "\r\n";
    SCOPED_TRACE("scale " + std::to_string(scale) + ", grid " + file);
    const Outcome rendered =
        RunPicture({"render", "--scale", std::to_string(scale), "-", "-o", "-"}, file);
    ASSERT_EQ(rendered.status, kExitSuccess) << rendered.err;
    const Outcome imported = RunPicture({"import"}, rendered.out);
    ASSERT_EQ(imported.status, kExitSuccess) << imported.err;
    EXPECT_EQ(imported.out, file);
  }
}

TEST(PictureCommandsTest, FailuresNameTheFileAndWhereAndWriteNothing) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("gridcode-picture-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string output = (folder / "out").string();
  struct Case {
    std::vector<std::string> arguments;
    std::string input, message;
  };
  const std::vector<Case> cases = {
      {{"render", "-", "-o", output},
       "0123x" + std::string(135, '0'),
       "<stdin>: the cell in row 1, column 5 holds \"x\", not one digit 0 to 3"},
      {{"import", "-", "-o", output},
       "P1 15 10 " + std::string(150, '0'),
       "<stdin>: the image is 15 x 10 pixels; a grid picture is 14N x 10N"},
      {{"import", (folder / "missing.png").string(), "-o", output},
       "",
       "missing.png: cannot be read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    std::ofstream(output) << "old";
    const Outcome run = RunPicture(c.arguments, c.input);
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    std::ifstream kept(output);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old");
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace gridcode
