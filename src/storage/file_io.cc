#include "storage/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace gridcode {
namespace {

// Returns a failure of `kind` with the system's reason, or a general I/O error
// where the system gave none.
std::optional<FileError> SystemError(FileError::Kind kind) {
  return FileError{kind, errno != 0 ? errno : EIO};
}

// Writes all of `contents` to `fd`, retrying partial writes.
bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Creates a new, empty, hidden file beside `target`, readable and writable as the
// umask allows, and returns its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = target.filename().string();
    name.insert(name.begin(), '.');
    name.append(".").append(std::to_string(random() % 1000000)).append(".tmp");
    temporary = target;
    temporary.replace_filename(name);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::optional<FileError> OpenForReading(const std::filesystem::path& path, std::ifstream& input) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    return FileError{FileError::Kind::kIsDirectory, EISDIR};
  }
  errno = 0;
  input.open(path, std::ios::binary);
  if (!input.is_open()) return SystemError(FileError::Kind::kCannotOpen);
  return std::nullopt;
}

LoadedCells LoadGridFile(const std::filesystem::path& path) {
  std::ifstream input;
  if (std::optional<FileError> error = OpenForReading(path, input)) return {{}, error};
  return ReadGridFile(input);
}

std::optional<FileError> WriteFileAtomically(const std::filesystem::path& path,
                                             std::string_view contents) {
  if (path.empty()) return FileError{FileError::Kind::kCannotOpen, ENOENT};
  std::error_code error;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, error)) {
    target = std::filesystem::weakly_canonical(path, error);
    if (error) return FileError{FileError::Kind::kCannotOpen, error.value()};
  }
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return FileError{FileError::Kind::kIsDirectory, EISDIR};
  if (!exists && errno != ENOENT) return SystemError(FileError::Kind::kCannotOpen);
  // A file the user may not write is not replaced, even though its folder allows it.
  if (exists && ::access(target.c_str(), W_OK) != 0) {
    return SystemError(FileError::Kind::kCannotOpen);
  }

  std::filesystem::path temporary;
  const int fd = CreateTemporaryBeside(target, temporary);
  if (fd < 0) return SystemError(FileError::Kind::kCannotOpen);
  int failure = 0;
  if ((exists && ::fchmod(fd, existing.st_mode & 07777) != 0) || !WriteAll(fd, contents) ||
      ::fsync(fd) != 0) {
    failure = errno;
  }
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return FileError{FileError::Kind::kCannotWrite, failure};
  }
  // Make the rename itself durable; a failure here no longer risks the data.
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd >= 0) {
    ::fsync(folder_fd);
    ::close(folder_fd);
  }
  return std::nullopt;
}

}  // namespace gridcode
