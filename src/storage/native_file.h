// The few calls through which InputFile reads a file, one set for each
// system: file_io_posix.cc on Linux, file_io_windows.cc on Windows. The
// buffering and the keeping of read errors around them are shared
// (file_io.cc).

#ifndef GRIDCODE_STORAGE_NATIVE_FILE_H_
#define GRIDCODE_STORAGE_NATIVE_FILE_H_

#include <cstddef>
#include <filesystem>

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

// The process's standard input, which the caller does not close.
NativeFile StandardInput();

// Reads up to `size` bytes of `file` into `data`: how many were read, 0 at
// the end of the input, or the errno number of the reason reading failed.
Expected<std::size_t, int> ReadSome(NativeFile file, char* data, std::size_t size);

// Closes `file`.
void CloseFile(NativeFile file);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_NATIVE_FILE_H_
