// Files on disk: opening one and reading it with one of gridcode's readers,
// writing the process's standard output, and saving so that the file the user
// chose stays that file.
//
// Saving writes a new file beside the old one and puts it in its place, so
// that a failure leaves the old file as it was, but only where the new file
// can be the old one in every way but its contents:
//  - on Linux, by rename, where the old file has one name (no other hard
//    link), no extended attributes or access lists, and an owner, group and
//    mode the new file can take;
//  - on Windows, by ReplaceFileW, which gives it the old file's attributes
//    and security, where the old file has one name and is neither hidden nor
//    a system file; a read-only file is refused.
// Otherwise, or where the folder may not be written or the new file cannot be
// put in the old one's place, the file is rewritten in place and synced.
//
// Where the path leads is followed first: a symbolic link to its end, so that
// the link stays a link (a dangling one makes the file it names); a path that
// names a file the process has open by its descriptor (/dev/stdout,
// /dev/stderr, /dev/fd/N, /proc/self/fd/N) is written through that
// descriptor, from where it stands, as a shell's redirection is; a device,
// pipe or socket is written in place, never replaced. System errors are given
// as errno numbers on every system, so that messages read the same.

#ifndef GRIDCODE_STORAGE_FILE_IO_H_
#define GRIDCODE_STORAGE_FILE_IO_H_

#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "base/expected.h"

namespace gridcode {

// What went wrong with a file. `system_error` is the errno where the system
// reported one, else 0.
struct FileError {
  enum class Kind {
    kCannotRead,      // the file does not exist, may not be read, or reading it failed
    kCannotWrite,     // the file or its folder may not be written, or writing failed
    kIsDirectory,     // the path names a folder
    kNotRegularFile,  // the path names a pipe, socket or device
    kIsTerminal,      // the path names a terminal, which is not written to
  };
  Kind kind;
  int system_error = 0;
  // For kCannotWrite: whether the old file may have been partly overwritten.
  bool file_changed = false;

  friend bool operator==(const FileError&, const FileError&) = default;
};

// Which files may be opened for reading.
enum class Readable {
  kRegularFilesOnly,  // refuses pipes, sockets and devices without waiting on them
  kAnything,          // also pipes and devices, waiting for a writer as the system does
};

// Which files may be written.
enum class Writable {
  kRegularFilesOnly,      // refuses pipes, sockets and devices
  kAnything,              // also writes straight into a device or pipe (/dev/null, /dev/stdout)
  kAnythingButTerminals,  // the same, but refuses a terminal: for bytes no terminal shows
};

// A file open for reading, as a stream; closed when destroyed.
class InputFile {
 public:
  InputFile();
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens the file at `path`; returns why it cannot be opened, or nullopt.
  std::optional<FileError> Open(const std::filesystem::path& path, Readable readable);

  // Reads the process's standard input, which stays open when this closes.
  void OpenStandardInput();

  // The file's bytes, from the start.
  std::istream& stream();

  // The failure of the last read of `stream` if it is the stream of an
  // InputFile, or nullopt.
  static std::optional<FileError> ReadErrorOf(const std::istream& stream);

  // The size of the file `stream` reads if it is the stream of an InputFile
  // on a regular file, or nullopt: a hint, which a growing file outdates.
  static std::optional<std::uint64_t> FileSizeOf(const std::istream& stream);

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::istream stream_;
};

// The process's standard output, as a stream written with the system's calls,
// keeping the reason a write failed. Bytes go out as they are, on every system.
class OutputFile {
 public:
  OutputFile();
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::ostream& stream();

  // The failure of the last write of `stream` if it is the stream of an
  // OutputFile, or nullopt.
  static std::optional<FileError> WriteErrorOf(const std::ostream& stream);

  // Whether `stream` is the stream of an OutputFile that goes to a terminal.
  static bool IsTerminal(const std::ostream& stream);

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::ostream stream_;
};

// Reads `input` with `read`, a reader of gridcode's formats that returns an
// Expected whose error type can also hold a FileError. When reading the
// stream of an InputFile failed, that failure is the result, whatever `read`
// made of the bytes it got before.
template <typename Read>
std::invoke_result_t<Read, std::istream&> ReadStream(std::istream& input, Read&& read) {
  std::invoke_result_t<Read, std::istream&> result = std::forward<Read>(read)(input);
  if (std::optional<FileError> error = InputFile::ReadErrorOf(input)) return Unexpected(*error);
  return result;
}

// Opens the file at `path` and reads it with `read` as ReadStream does; a
// file that cannot be opened is the result. The file is closed on return.
template <typename Read>
std::invoke_result_t<Read, std::istream&> ReadFile(const std::filesystem::path& path,
                                                   Readable readable, Read&& read) {
  InputFile file;
  if (std::optional<FileError> error = file.Open(path, readable)) return Unexpected(*error);
  return ReadStream(file.stream(), std::forward<Read>(read));
}

// Appends the bytes of `input` to `bytes` until it ends or `bytes` holds one
// byte more than `limit`, which tells a file over the limit from one at it.
// The stream's own buffer may have read up to one of its chunks further.
void ReadWithin(std::istream& input, std::size_t limit, std::string& bytes);

// Returns the path named by the UTF-8 text `name`, on every system (a plain
// std::string is read in the Windows code page instead).
inline std::filesystem::path PathFromUtf8(std::string_view name) {
  return {std::u8string(name.begin(), name.end())};
}

// Makes `contents` the contents of the file at `path`, creating it if need
// be, as the header describes. A file the user may not write, a folder and a
// loop of symbolic links are refused, and so are a pipe, a socket and a
// character device unless `writable` allows them.
std::optional<FileError> SaveFile(const std::filesystem::path& path, std::string_view contents,
                                  Writable writable = Writable::kRegularFilesOnly);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_FILE_IO_H_
