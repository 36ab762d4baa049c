// gridcode-data: converts grid files to DATA lines and pictures, and back.

#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/gridcode_data.h"
#include "storage/file_io.h"
#ifdef _WIN32
#include "cli/windows_console.h"
#endif

namespace {

// Runs the converter on `arguments` with the process's standard streams.
int Run(const std::vector<std::string>& arguments) {
  gridcode::InputFile standard_input;
  standard_input.OpenStandardInput();
  gridcode::OutputFile standard_output;
  std::ostream& out = standard_output.stream();
  const int status = gridcode::RunGridcodeData(arguments, standard_input.stream(), out, std::cerr);
  out.flush();
  if (const std::optional<gridcode::FileError> error = gridcode::OutputFile::WriteErrorOf(out)) {
    std::cerr << gridcode::kProgram << ": standard output: " << std::strerror(error->system_error)
              << '\n';
    return gridcode::kExitFailure;
  }
  return status;
}

}  // namespace

#ifdef _WIN32
// The wide entry point: the arguments come as the user typed them, not in
// the console's code page.
int wmain(int argc, wchar_t* argv[]) { return Run(gridcode::Utf8Arguments(argc, argv)); }
#else
int main(int argc, char* argv[]) { return Run({argv + 1, argv + argc}); }
#endif
