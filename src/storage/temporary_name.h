// The name of the new file that a save writes beside the file it replaces.

#ifndef GRIDCODE_STORAGE_TEMPORARY_NAME_H_
#define GRIDCODE_STORAGE_TEMPORARY_NAME_H_

#include <cstdint>
#include <string>

#include "text/hex_digits.h"

namespace gridcode {

// Returns ".gridcode-" and the eight hexadecimal digits of `bits`: a hidden
// name, short and of one length, so that it fits wherever the target's fits.
inline std::string TemporaryName(std::uint32_t bits) {
  std::string name = ".gridcode-";
  for (int shift = 28; shift >= 0; shift -= 4) {
    name.push_back(HexDigit(bits >> shift));
  }
  return name;
}

}  // namespace gridcode

#endif  // GRIDCODE_STORAGE_TEMPORARY_NAME_H_
