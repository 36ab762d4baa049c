// gridcode-data: converts grid files to DATA lines and pictures, and back.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/gridcode_data.h"
#include "storage/file_io.h"
#ifdef _WIN32
#include "cli/windows_console.h"
#endif

namespace {

// Standard output through a buffer of its own, written with the system's
// calls, so that a failed write is known with the system's reason.
class StandardOutput : public std::streambuf {
 public:
  StandardOutput() { setp(data_, data_ + sizeof data_); }

  // The reason the last failed write gave, or 0.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }

  int sync() override {
    const char* next = pbase();
    while (next < pptr()) {
      const ssize_t n = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error_ = n < 0 ? errno : EIO;
        return -1;
      }
      next += n;
    }
    setp(data_, data_ + sizeof data_);
    return 0;
  }

 private:
  char data_[1 << 16];
  int error_ = 0;
};

// Runs the converter on `arguments` with the process's standard streams.
int Run(const std::vector<std::string>& arguments) {
  gridcode::InputFile standard_input;
  standard_input.OpenStandardInput();
  StandardOutput standard_output;
  std::ostream out(&standard_output);
  const int status = gridcode::RunGridcodeData(arguments, standard_input.stream(), out, std::cerr);
  out.flush();
  if (standard_output.error() != 0) {
    std::cerr << gridcode::kProgram
              << ": standard output: " << std::strerror(standard_output.error()) << '\n';
    return gridcode::kExitBadInput;
  }
  return status;
}

}  // namespace

#ifdef _WIN32
// The wide entry point: the arguments come as the user typed them, not in
// the console's code page.
int wmain(int argc, wchar_t* argv[]) {
  gridcode::UseBinaryStandardStreams();
  return Run(gridcode::Utf8Arguments(argc, argv));
}
#else
int main(int argc, char* argv[]) { return Run({argv + 1, argv + argc}); }
#endif
