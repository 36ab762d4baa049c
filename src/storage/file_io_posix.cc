// Files on Linux and other POSIX systems: the calls of native_file.h made
// with the system's own. file_io_windows.cc is the same for Windows.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>

#include "storage/file_io.h"
#include "storage/native_file.h"

namespace gridcode {
namespace {

using Kind = FileError::Kind;

// Returns a failure of `kind` with the system's reason, or a general I/O error
// where the system gave none.
FileError SystemError(Kind kind) { return FileError{kind, errno != 0 ? errno : EIO}; }

// Returns why a file of `status` may not be read, or nullopt if it may.
std::optional<FileError> Refusal(const struct stat& status, bool regular_only) {
  if (S_ISDIR(status.st_mode)) return FileError{Kind::kIsDirectory, EISDIR};
  if (regular_only && !S_ISREG(status.st_mode)) return FileError{Kind::kNotRegularFile};
  return std::nullopt;
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

// Returns the descriptor that `text`, the rest of a name after "/dev/fd/" or
// "/proc/self/fd/", gives, or -1.
int DescriptorNumber(std::string_view text) {
  int number = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : -1;
}

Expected<NativeFile, int> Opened(int fd) {
  if (fd < 0) return Unexpected(errno != 0 ? errno : EIO);
  return fd;
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

NativeFile StandardOutput() { return STDOUT_FILENO; }

Expected<std::size_t, int> ReadSome(NativeFile file, char* data, std::size_t size) {
  ssize_t n = 0;
  do {
    n = ::read(file, data, size);
  } while (n < 0 && errno == EINTR);
  if (n < 0) return Unexpected(errno);
  return static_cast<std::size_t>(n);
}

std::optional<std::uint64_t> RegularFileSize(NativeFile file) {
  struct stat status {};
  if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

Expected<std::size_t, int> WriteSome(NativeFile file, const char* data, std::size_t size) {
  ssize_t n = 0;
  do {
    n = ::write(file, data, size);
  } while (n < 0 && errno == EINTR);
  if (n < 0) return Unexpected(errno);
  return static_cast<std::size_t>(n);
}

int CloseFile(NativeFile file) { return ::close(file) == 0 ? 0 : errno; }

bool IsTerminal(NativeFile file) { return ::isatty(file) != 0; }

std::optional<NativeFile> OpenDescriptorNamed(const std::filesystem::path& path) {
  std::error_code error;
  const std::string name = std::filesystem::absolute(path, error).lexically_normal().string();
  if (error) return std::nullopt;
  if (name == "/dev/stdin") return STDIN_FILENO;
  if (name == "/dev/stdout") return STDOUT_FILENO;
  if (name == "/dev/stderr") return STDERR_FILENO;
  const std::string own_folder = "/proc/" + std::to_string(::getpid()) + "/fd/";
  for (const std::string_view folder :
       {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"),
        std::string_view(own_folder)}) {
    if (name.starts_with(folder)) {
      const int number = DescriptorNumber(std::string_view(name).substr(folder.size()));
      if (number >= 0) return number;
    }
  }
  return std::nullopt;
}

Expected<SaveTarget, FileError> LookAtSaveTarget(const std::filesystem::path& path) {
  struct stat status {};
  errno = 0;
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return SaveTarget{};
    return Unexpected(SystemError(Kind::kCannotWrite));
  }
  if (S_ISDIR(status.st_mode)) return Unexpected(FileError{Kind::kIsDirectory, EISDIR});
  if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) {
    return SaveTarget{.kind = SaveTarget::Kind::kStream};
  }
  if (!S_ISREG(status.st_mode)) return Unexpected(FileError{Kind::kNotRegularFile});
  // A file the user may not write is not replaced, even though its folder allows it.
  errno = 0;
  if (::access(path.c_str(), W_OK) != 0) return Unexpected(SystemError(Kind::kCannotWrite));
  return SaveTarget{.kind = SaveTarget::Kind::kFile,
                    .replaceable = status.st_nlink == 1 && !HasExtendedAttributes(path),
                    .owner = status.st_uid,
                    .group = status.st_gid,
                    .mode = status.st_mode & 07777};
}

Expected<NativeFile, int> CreateNewFile(const std::filesystem::path& path) {
  errno = 0;
  return Opened(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

Expected<NativeFile, int> OpenForWriting(const std::filesystem::path& path) {
  errno = 0;
  return Opened(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
}

bool TakeOverIdentity(NativeFile file, const SaveTarget& old) {
  return ::fchown(file, old.owner, old.group) == 0 && ::fchmod(file, old.mode) == 0;
}

int CutFile(NativeFile file, std::size_t size) {
  return ::ftruncate(file, static_cast<off_t>(size)) == 0 ? 0 : errno;
}

int SyncFile(NativeFile file) { return ::fsync(file) == 0 ? 0 : errno; }

int PlaceFile(const std::filesystem::path& temporary, const std::filesystem::path& target,
              bool /*replacing*/) {
  if (::rename(temporary.c_str(), target.c_str()) != 0) return errno;
  SyncFolderOf(target);
  return 0;
}

void RemoveFile(const std::filesystem::path& path) { ::unlink(path.c_str()); }

}  // namespace gridcode
