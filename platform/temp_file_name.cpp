#include "platform/temp_file_name.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace platform {

std::string TempPath() {
  const char* dir = std::getenv("TMPDIR");
  std::string path = (dir != nullptr && *dir != '\0') ? dir : "/tmp";
  if (path.back() != '/') path += '/';
  return path;
}

namespace {
std::string FormName(const std::string& dir, const std::string& prefix, unsigned number) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", number);
  std::string folder = dir;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + prefix.substr(0, 3) + hex + ".tmp";
}
}  // namespace

std::optional<TempFileName> MakeTempFileName(const std::string& dir, const std::string& prefix, unsigned unique) {
  unique &= 0xFFFF;
  if (unique != 0) return TempFileName{FormName(dir, prefix, unique), unique};

  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  unsigned start = static_cast<unsigned>(ms) & 0xFFFF;
  if (start == 0) start = 1;
  unsigned n = start;
  do {
    const std::string name = FormName(dir, prefix, n);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return TempFileName{name, n};
    }
    if (errno != EEXIST) return std::nullopt;
    n = n == 0xFFFF ? 1 : n + 1;
  } while (n != start);
  return std::nullopt;
}

}  // namespace platform
