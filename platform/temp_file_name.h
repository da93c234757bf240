#pragma once

#include <optional>
#include <string>

namespace platform {

// The folder for temporary files: $TMPDIR, else /tmp, always ending in '/'.
std::string TempPath();

// Makes a unique, empty file "<dir>/<prefix><HEX>.tmp" (the first three
// characters of the prefix, the number in upper-case hex without leading
// zeros) and returns the number used; the folder gets a '/' when it lacks
// one. With `unique` non-zero only the name is formed and nothing is
// created. Returns nothing when no file could be made.
struct TempFileName {
  std::string path;
  unsigned number = 0;
};
std::optional<TempFileName> MakeTempFileName(const std::string& dir, const std::string& prefix, unsigned unique);

}  // namespace platform
