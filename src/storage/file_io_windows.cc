// Files on Windows: the opening, reading and saving of file_io_posix.cc with
// the system's own calls. Its errors are given as the errno numbers of the same reasons, so
// that every message reads as it does on Linux.

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <random>
#include <string>
#include <utility>

#include "storage/file_io.h"
#include "storage/native_file.h"
#include "storage/temporary_name.h"
#include "storage/windows_errno.h"

namespace gridcode {
namespace {

using Kind = FileError::Kind;

// Returns a failure of `kind` with the reason of the calling thread's last error.
FileError SystemError(Kind kind, bool file_changed = false) {
  return FileError{kind, ErrnoOf(::GetLastError()), file_changed};
}

// A handle, closed when destroyed.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes the handle now; returns whether that succeeded.
  bool Close() { return ::CloseHandle(Release()) != 0; }
  // Gives up the handle without closing it.
  HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

 private:
  HANDLE handle_;
};

// Opens `path` as `disposition` says, sharing it with every other reader and
// writer as a POSIX system does.
HANDLE OpenPath(const std::filesystem::path& path, DWORD access, DWORD disposition,
                DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, disposition, flags, nullptr);
}

// Writes all of `contents` to `file`; counts the bytes written in `written`.
bool WriteAll(HANDLE file, std::string_view contents, std::size_t& written) {
  while (written < contents.size()) {
    const auto chunk =
        static_cast<DWORD>(std::min<std::size_t>(contents.size() - written, 1 << 30));
    DWORD n = 0;
    if (!::WriteFile(file, contents.data() + written, chunk, &n, nullptr)) return false;
    if (n == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    written += n;
  }
  return true;
}

// Creates a new, empty file beside `target` and returns its handle, or an
// invalid one with the last error set.
HANDLE CreateTemporaryBeside(const std::filesystem::path& target,
                             std::filesystem::path& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target;
    temporary.replace_filename(TemporaryName(random()));
    const HANDLE file = OpenPath(temporary, GENERIC_WRITE, CREATE_NEW);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// The outcome of saving through a new file: done, failed with the old file
// intact, or not possible without changing what the old file is.
struct ReplaceOutcome {
  std::optional<FileError> error;
  bool fall_back = false;
};

// Writes `contents` to a new file beside `target` and puts it in its place:
// over an `existing` file by ReplaceFileW, which keeps that file's attributes,
// security and creation time, or fails and leaves it as it was.
ReplaceOutcome SaveByReplace(const std::filesystem::path& target, std::string_view contents,
                             bool existing) {
  std::filesystem::path temporary;
  Handle file(CreateTemporaryBeside(target, temporary));
  if (!file.valid()) {
    if (existing) return {std::nullopt, true};  // a folder that may not be written
    return {SystemError(Kind::kCannotWrite)};
  }
  DWORD failure = 0;
  std::size_t written = 0;
  if (!WriteAll(file.get(), contents, written) || !::FlushFileBuffers(file.get())) {
    failure = ::GetLastError();
  }
  if (!file.Close() && failure == 0) failure = ::GetLastError();
  if (failure == 0) {
    const bool placed =
        existing ? ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)
                 : ::MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!placed) {
      failure = ::GetLastError();
      ::DeleteFileW(temporary.c_str());
      if (existing) return {std::nullopt, true};  // the old file cannot take the new one's place
      return {FileError{Kind::kCannotWrite, ErrnoOf(failure)}};
    }
    return {};
  }
  ::DeleteFileW(temporary.c_str());
  return {FileError{Kind::kCannotWrite, ErrnoOf(failure)}};
}

// Writes `contents` into the file at `target` itself, from its start. A
// regular file is then cut to their length and flushed; a device or pipe just
// takes the bytes.
std::optional<FileError> WriteInPlace(const std::filesystem::path& target,
                                      std::string_view contents, bool regular_file) {
  Handle file(OpenPath(target, GENERIC_WRITE, OPEN_EXISTING));
  if (!file.valid()) return SystemError(Kind::kCannotWrite);
  std::optional<FileError> error;
  std::size_t written = 0;
  if (!WriteAll(file.get(), contents, written)) {
    error = SystemError(Kind::kCannotWrite, written > 0);
  } else if (regular_file && (!::SetEndOfFile(file.get()) || !::FlushFileBuffers(file.get()))) {
    error = SystemError(Kind::kCannotWrite, true);
  }
  if (!file.Close() && !error) error = SystemError(Kind::kCannotWrite, true);
  return error;
}

}  // namespace

Expected<NativeFile, FileError> OpenForReading(const std::filesystem::path& path,
                                               Readable readable) {
  if (path.empty()) return Unexpected(FileError{Kind::kCannotRead, ENOENT});
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Unexpected(FileError{Kind::kIsDirectory, EISDIR});
  }
  // Opening a pipe or device does not wait on Windows: each is looked at once open.
  Handle file(OpenPath(path, GENERIC_READ, OPEN_EXISTING));
  if (!file.valid()) return Unexpected(SystemError(Kind::kCannotRead));
  if (readable == Readable::kRegularFilesOnly && ::GetFileType(file.get()) != FILE_TYPE_DISK) {
    return Unexpected(FileError{Kind::kNotRegularFile});
  }
  return file.Release();
}

NativeFile StandardInput() { return ::GetStdHandle(STD_INPUT_HANDLE); }

// The end of a pipe is the end of the input; a process without standard
// input reads nothing.
Expected<std::size_t, int> ReadSome(NativeFile file, char* data, std::size_t size) {
  if (file == INVALID_HANDLE_VALUE || file == nullptr) return std::size_t{0};
  DWORD n = 0;
  if (!::ReadFile(file, data, static_cast<DWORD>(size), &n, nullptr)) {
    const DWORD reason = ::GetLastError();
    if (reason != ERROR_BROKEN_PIPE && reason != ERROR_HANDLE_EOF) {
      return Unexpected(ErrnoOf(reason));
    }
    n = 0;
  }
  return std::size_t{n};
}

void CloseFile(NativeFile file) { ::CloseHandle(file); }

std::optional<FileError> SaveFile(const std::filesystem::path& path, std::string_view contents,
                                  Writable writable) {
  if (path.empty()) return FileError{Kind::kCannotWrite, ENOENT};
  std::error_code error;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, error)) {
    target = std::filesystem::weakly_canonical(path, error);
    if (error) return FileError{Kind::kCannotWrite, error.value()};
  }
  // Looked at through a handle that may neither read nor write, which opens
  // files, folders and devices alike.
  Handle existing(OpenPath(target, 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS));
  if (!existing.valid()) {
    const DWORD reason = ::GetLastError();
    if (reason != ERROR_FILE_NOT_FOUND) return FileError{Kind::kCannotWrite, ErrnoOf(reason)};
    return SaveByReplace(target, contents, false).error;
  }
  if (::GetFileType(existing.get()) != FILE_TYPE_DISK) {
    if (writable == Writable::kAnything) return WriteInPlace(target, contents, false);
    return FileError{Kind::kNotRegularFile};
  }
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(existing.get(), &information)) {
    return SystemError(Kind::kCannotWrite);
  }
  existing.Close();
  const DWORD attributes = information.dwFileAttributes;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileError{Kind::kIsDirectory, EISDIR};
  // A read-only file is not replaced, even though its folder allows it.
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return FileError{Kind::kCannotWrite, EACCES};
  // Nor is a file the user may not write.
  if (Handle writer(OpenPath(target, GENERIC_WRITE, OPEN_EXISTING)); !writer.valid()) {
    return SystemError(Kind::kCannotWrite);
  }
  // A hidden or system file keeps those attributes by being rewritten in place.
  if (information.nNumberOfLinks == 1 &&
      (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0) {
    ReplaceOutcome outcome = SaveByReplace(target, contents, true);
    if (!outcome.fall_back) return outcome.error;
  }
  return WriteInPlace(target, contents, true);
}

}  // namespace gridcode
