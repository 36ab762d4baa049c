// Files on Windows: the calls of native_file.h made with the system's own,
// as file_io_posix.cc makes them on Linux. Errors are given as the errno
// numbers of the same reasons, so that every message reads as it does on Linux.

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "storage/file_io.h"
#include "storage/native_file.h"
#include "storage/windows_errno.h"

namespace gridcode {
namespace {

using Kind = FileError::Kind;

// Returns a failure of `kind` with the reason of the calling thread's last error.
FileError SystemError(Kind kind) { return FileError{kind, ErrnoOf(::GetLastError())}; }

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

Expected<NativeFile, int> Opened(HANDLE file) {
  if (file == INVALID_HANDLE_VALUE) return Unexpected(ErrnoOf(::GetLastError()));
  return file;
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

NativeFile StandardOutput() { return ::GetStdHandle(STD_OUTPUT_HANDLE); }

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

std::optional<std::uint64_t> RegularFileSize(NativeFile file) {
  LARGE_INTEGER size{};
  if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size)) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

Expected<std::size_t, int> WriteSome(NativeFile file, const char* data, std::size_t size) {
  const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
  DWORD n = 0;
  if (!::WriteFile(file, data, chunk, &n, nullptr)) return Unexpected(ErrnoOf(::GetLastError()));
  return std::size_t{n};
}

int CloseFile(NativeFile file) { return ::CloseHandle(file) ? 0 : ErrnoOf(::GetLastError()); }

bool IsTerminal(NativeFile file) {
  DWORD mode = 0;
  return ::GetConsoleMode(file, &mode) != 0;
}

// Windows names no open file by a path.
std::optional<NativeFile> OpenDescriptorNamed(const std::filesystem::path& /*path*/) {
  return std::nullopt;
}

Expected<SaveTarget, FileError> LookAtSaveTarget(const std::filesystem::path& path) {
  // Looked at through a handle that may neither read nor write, which opens
  // files, folders and devices alike.
  Handle existing(OpenPath(path, 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS));
  if (!existing.valid()) {
    const DWORD reason = ::GetLastError();
    if (reason == ERROR_FILE_NOT_FOUND) return SaveTarget{};
    return Unexpected(FileError{Kind::kCannotWrite, ErrnoOf(reason)});
  }
  if (::GetFileType(existing.get()) != FILE_TYPE_DISK) {
    return SaveTarget{.kind = SaveTarget::Kind::kStream};
  }
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(existing.get(), &information)) {
    return Unexpected(SystemError(Kind::kCannotWrite));
  }
  const DWORD attributes = information.dwFileAttributes;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Unexpected(FileError{Kind::kIsDirectory, EISDIR});
  }
  // A read-only file is not replaced, even though its folder allows it.
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return Unexpected(FileError{Kind::kCannotWrite, EACCES});
  }
  // Nor is a file the user may not write.
  if (Handle writer(OpenPath(path, GENERIC_WRITE, OPEN_EXISTING)); !writer.valid()) {
    return Unexpected(SystemError(Kind::kCannotWrite));
  }
  // A hidden or system file keeps those attributes by being rewritten in place.
  return SaveTarget{
      .kind = SaveTarget::Kind::kFile,
      .replaceable = information.nNumberOfLinks == 1 &&
                     (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0};
}

Expected<NativeFile, int> CreateNewFile(const std::filesystem::path& path) {
  return Opened(OpenPath(path, GENERIC_WRITE, CREATE_NEW));
}

Expected<NativeFile, int> OpenForWriting(const std::filesystem::path& path) {
  return Opened(OpenPath(path, GENERIC_WRITE, OPEN_EXISTING));
}

// ReplaceFileW gives the new file the old one's attributes and security.
bool TakeOverIdentity(NativeFile /*file*/, const SaveTarget& /*old*/) { return true; }

int CutFile(NativeFile file, std::size_t size) {
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(size);
  if (!::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) {
    return ErrnoOf(::GetLastError());
  }
  return 0;
}

int SyncFile(NativeFile file) { return ::FlushFileBuffers(file) ? 0 : ErrnoOf(::GetLastError()); }

int PlaceFile(const std::filesystem::path& temporary, const std::filesystem::path& target,
              bool replacing) {
  const bool placed =
      replacing ? ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)
                : ::MoveFileExW(temporary.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  return placed ? 0 : ErrnoOf(::GetLastError());
}

void RemoveFile(const std::filesystem::path& path) { ::DeleteFileW(path.c_str()); }

}  // namespace gridcode
