// gridcode-data: converts grid files to DATA lines and pictures, and back.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/gridcode_data.h"

#ifndef GRIDCODE_PICTURE_HELPER
#define GRIDCODE_PICTURE_HELPER "gridcode-data-picture"
#endif

namespace {

// Runs gridcode-data-picture with the same arguments, in place of this
// process. It stands beside gridcode-data in the build, and in its own folder
// when installed (GRIDCODE_PICTURE_HELPER, relative to gridcode-data's).
int RunPictureHelper(char* argv[]) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path folder = self.parent_path();
  for (const std::filesystem::path& helper :
       {folder / "gridcode-data-picture", folder / GRIDCODE_PICTURE_HELPER}) {
    if (!error && ::access(helper.c_str(), X_OK) == 0) {
      ::execv(helper.c_str(), argv);
      std::cerr << "gridcode-data: " << helper.string() << ": " << std::strerror(errno) << '\n';
      return gridcode::kExitBadInput;
    }
  }
  std::cerr << "gridcode-data: " << argv[1]
            << " needs gridcode-data-picture, which is not installed\n";
  return gridcode::kExitBadInput;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 1 && gridcode::IsPictureCommand(argv[1])) return RunPictureHelper(argv);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int status = gridcode::RunGridcodeData(arguments, std::cin, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : gridcode::kExitBadInput;
}
