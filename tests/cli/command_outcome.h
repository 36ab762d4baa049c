// Runs a converter command line on strings, for the converter's tests.

#ifndef GRIDCODE_TESTS_CLI_COMMAND_OUTCOME_H_
#define GRIDCODE_TESTS_CLI_COMMAND_OUTCOME_H_

#include <sstream>
#include <string>
#include <vector>

namespace gridcode {

struct Outcome {
  int status;
  std::string out, err;
};

using Command = int (*)(const std::vector<std::string>&, std::istream&, std::ostream&,
                        std::ostream&);

// Runs `command` on `arguments` with `input` as standard input.
inline Outcome RunCommand(Command command, const std::vector<std::string>& arguments,
                          const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = command(arguments, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_CLI_COMMAND_OUTCOME_H_
