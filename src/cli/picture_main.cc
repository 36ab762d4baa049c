// gridcode-data-picture: runs gridcode-data's render and import commands.

#include <iostream>
#include <string>
#include <vector>

#include "cli/gridcode_data.h"
#include "cli/picture_commands.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int status = gridcode::RunPictureCommand(arguments, std::cin, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : gridcode::kExitBadInput;
}
