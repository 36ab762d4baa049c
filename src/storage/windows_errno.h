// The errno number of a Windows error's reason, so that a failure on Windows
// is worded as the same failure is on Linux.

#ifndef GRIDCODE_STORAGE_WINDOWS_ERRNO_H_
#define GRIDCODE_STORAGE_WINDOWS_ERRNO_H_

#include <windows.h>

namespace gridcode {

// Returns the errno number of the reason that the Windows error `error` gives;
// EIO for one it does not know.
int ErrnoOf(DWORD error);

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_WINDOWS_ERRNO_H_
