// Files on Linux and other POSIX systems: opening and reading them with the
// system's calls, and saving. file_io_windows.cc is the same for Windows.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>
#include <string>

#include "storage/file_io.h"
#include "storage/native_file.h"
#include "storage/temporary_name.h"

namespace gridcode {
namespace {

using Kind = FileError::Kind;

// Returns a failure of `kind` with the system's reason, or a general I/O error
// where the system gave none.
FileError SystemError(Kind kind, bool file_changed = false) {
  return FileError{kind, errno != 0 ? errno : EIO, file_changed};
}

// Returns why a file of `status` may not be read or written as a grid file, or
// nullopt if it may.
std::optional<FileError> Refusal(const struct stat& status, bool regular_only) {
  if (S_ISDIR(status.st_mode)) return FileError{Kind::kIsDirectory, EISDIR};
  if (regular_only && !S_ISREG(status.st_mode)) return FileError{Kind::kNotRegularFile};
  return std::nullopt;
}

// Writes all of `contents` to `fd`, retrying partial writes; counts the bytes
// written in `written`.
bool WriteAll(int fd, std::string_view contents, std::size_t& written) {
  while (written < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new, empty file beside `target`, readable and writable as the
// umask allows, and returns its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target;
    temporary.replace_filename(TemporaryName(random()));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool HasExtendedAttributes(const std::filesystem::path& path) {
  const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
  return size > 0 || (size < 0 && errno != ENOTSUP);
}

// Makes the folder entry of a renamed file durable; a failure here no longer
// risks the data.
void SyncFolderOf(const std::filesystem::path& target) {
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// The outcome of saving through a new file: done, failed with the old file
// intact, or not possible without changing what the old file is.
struct RenameOutcome {
  std::optional<FileError> error;
  bool fall_back = false;
};

// Writes `contents` to a new file beside `target` and renames it over it. For
// an `existing` file, the new one first takes its owner, group and mode.
RenameOutcome SaveByRename(const std::filesystem::path& target, std::string_view contents,
                           const struct stat* existing) {
  std::filesystem::path temporary;
  const int fd = CreateTemporaryBeside(target, temporary);
  if (fd < 0) {
    if (existing != nullptr) return {std::nullopt, true};  // a folder that may not be written
    return {SystemError(Kind::kCannotWrite)};
  }
  if (existing != nullptr && (::fchown(fd, existing->st_uid, existing->st_gid) != 0 ||
                              ::fchmod(fd, existing->st_mode & 07777) != 0)) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return {std::nullopt, true};  // the owner or group cannot be kept
  }
  int failure = 0;
  std::size_t written = 0;
  if (!WriteAll(fd, contents, written) || ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return {FileError{Kind::kCannotWrite, failure}};
  }
  SyncFolderOf(target);
  return {};
}

// Writes `contents` into the file at `target` itself, from its start. A
// regular file is then cut to their length and synced; a device or pipe just
// takes the bytes, as any stream of bytes is written there.
std::optional<FileError> WriteInPlace(const std::filesystem::path& target,
                                      std::string_view contents, bool regular_file) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return SystemError(Kind::kCannotWrite);
  std::optional<FileError> error;
  std::size_t written = 0;
  if (!WriteAll(fd, contents, written)) {
    error = SystemError(Kind::kCannotWrite, written > 0);
  } else if (regular_file &&
             (::ftruncate(fd, static_cast<off_t>(contents.size())) != 0 || ::fsync(fd) != 0)) {
    error = SystemError(Kind::kCannotWrite, true);
  }
  if (::close(fd) != 0 && !error) error = SystemError(Kind::kCannotWrite, true);
  return error;
}

}  // namespace

Expected<NativeFile, FileError> OpenForReading(const std::filesystem::path& path,
                                               Readable readable) {
  const bool regular_only = readable == Readable::kRegularFilesOnly;
  int flags = O_RDONLY | O_CLOEXEC;
  if (regular_only) {
    // Looked at before opening, so that a pipe or device is never opened, and
    // opened without waiting, in case the path has become one since.
    struct stat status {};
    errno = 0;
    if (::stat(path.c_str(), &status) != 0) return Unexpected(SystemError(Kind::kCannotRead));
    if (std::optional<FileError> refusal = Refusal(status, true)) return Unexpected(*refusal);
    flags |= O_NONBLOCK;
  }
  errno = 0;
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) return Unexpected(SystemError(Kind::kCannotRead));
  struct stat status {};
  std::optional<FileError> refusal;
  if (::fstat(fd, &status) != 0) {
    refusal = SystemError(Kind::kCannotRead);
  } else {
    refusal = Refusal(status, regular_only);
  }
  if (refusal) {
    ::close(fd);
    return Unexpected(*refusal);
  }
  if (regular_only) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

NativeFile StandardInput() { return STDIN_FILENO; }

Expected<std::size_t, int> ReadSome(NativeFile file, char* data, std::size_t size) {
  ssize_t n = 0;
  do {
    n = ::read(file, data, size);
  } while (n < 0 && errno == EINTR);
  if (n < 0) return Unexpected(errno);
  return static_cast<std::size_t>(n);
}

void CloseFile(NativeFile file) { ::close(file); }

std::optional<FileError> SaveFile(const std::filesystem::path& path, std::string_view contents,
                                  Writable writable) {
  if (path.empty()) return FileError{Kind::kCannotWrite, ENOENT};
  if (writable == Writable::kAnything) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 &&
        (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
      return WriteInPlace(path, contents, /*regular_file=*/false);
    }
  }
  std::error_code error;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, error)) {
    target = std::filesystem::weakly_canonical(path, error);
    if (error) return FileError{Kind::kCannotWrite, error.value()};
  }
  struct stat existing {};
  errno = 0;
  if (::stat(target.c_str(), &existing) != 0) {
    if (errno != ENOENT) return SystemError(Kind::kCannotWrite);
    return SaveByRename(target, contents, nullptr).error;
  }
  if (std::optional<FileError> refusal = Refusal(existing, true)) return refusal;
  // A file the user may not write is not replaced, even though its folder allows it.
  if (::access(target.c_str(), W_OK) != 0) return SystemError(Kind::kCannotWrite);
  if (existing.st_nlink == 1 && !HasExtendedAttributes(target)) {
    RenameOutcome outcome = SaveByRename(target, contents, &existing);
    if (!outcome.fall_back) return outcome.error;
  }
  return WriteInPlace(target, contents, /*regular_file=*/true);
}

}  // namespace gridcode
