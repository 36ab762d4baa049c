// The few calls through which files are read and written, one set for each
// system: file_io_posix.cc on Linux, file_io_windows.cc on Windows. The
// buffering, the keeping of errors and the policy of saving around them are
// shared (file_io.cc). Errors are errno numbers on every system.

#ifndef GRIDCODE_STORAGE_NATIVE_FILE_H_
#define GRIDCODE_STORAGE_NATIVE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "base/expected.h"
#include "storage/file_io.h"

namespace gridcode {

// The system's own name for an open file: a descriptor, or a Windows HANDLE.
#ifdef _WIN32
using NativeFile = void*;
#else
using NativeFile = int;
#endif

// Opens the file at `path` for reading, refusing what `readable` refuses.
Expected<NativeFile, FileError> OpenForReading(const std::filesystem::path& path,
                                               Readable readable);

// The process's standard input and output, which the caller does not close.
NativeFile StandardInput();
NativeFile StandardOutput();

// Reads up to `size` bytes of `file` into `data`: how many were read, 0 at
// the end of the input, or the reason reading failed.
Expected<std::size_t, int> ReadSome(NativeFile file, char* data, std::size_t size);

// The size of `file` if it is a regular file, or nullopt.
std::optional<std::uint64_t> RegularFileSize(NativeFile file);

// Writes up to `size` bytes of `data` to `file`: how many were written, or the
// reason writing failed.
Expected<std::size_t, int> WriteSome(NativeFile file, const char* data, std::size_t size);

// Closes `file`; returns the reason closing failed, or 0.
int CloseFile(NativeFile file);

// Whether `file` is a terminal (a console on Windows).
bool IsTerminal(NativeFile file);

// The file the process already has open that `path` names by its descriptor
// (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N), or nullopt.
std::optional<NativeFile> OpenDescriptorNamed(const std::filesystem::path& path);

// What stands at a path that is about to be saved to.
struct SaveTarget {
  enum class Kind {
    kMissing,  // nothing: a new file is made
    kStream,   // a character device, pipe or socket: written in place, never replaced
    kFile,     // a regular file the user may write
  };
  Kind kind = Kind::kMissing;
  // For kFile: whether a new file put in its place is the same file in all
  // but its contents, once it has taken `owner`, `group` and `mode`.
  bool replaceable = false;
  std::uint32_t owner = 0, group = 0, mode = 0;
};

// Looks at `path`: what stands there, or why it may not be written (a
// folder, another kind of file, or a file the user may not write).
Expected<SaveTarget, FileError> LookAtSaveTarget(const std::filesystem::path& path);

// Creates a new, empty file at `path` for writing, failing with EEXIST where
// one exists.
Expected<NativeFile, int> CreateNewFile(const std::filesystem::path& path);

// Opens the existing file at `path` for writing from its start.
Expected<NativeFile, int> OpenForWriting(const std::filesystem::path& path);

// Gives the new file `file` the owner, group and mode of `old`; returns
// whether it now has them. Where the system keeps them when one file
// replaces another (Windows), does nothing.
bool TakeOverIdentity(NativeFile file, const SaveTarget& old);

// Makes the file end at `size` bytes; returns the reason that failed, or 0.
int CutFile(NativeFile file, std::size_t size);

// Makes what was written to `file` durable; returns the reason that failed, or 0.
int SyncFile(NativeFile file);

// Puts the file at `temporary` in the place of `target`, which holds a file
// when `replacing`, durably; returns the reason that failed, or 0.
int PlaceFile(const std::filesystem::path& temporary, const std::filesystem::path& target,
              bool replacing);

// Removes the file at `path`, if it can.
void RemoveFile(const std::filesystem::path& path);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_NATIVE_FILE_H_
