// gridcode-data: converts grid files to DATA lines and back.

#include <iostream>
#include <string>
#include <vector>

#include "cli/gridcode_data.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int status = gridcode::RunGridcodeData(arguments, std::cin, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : gridcode::kExitBadInput;
}
