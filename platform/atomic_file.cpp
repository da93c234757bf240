#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

void SetError(std::string* error, const std::string& what) {
  if (error != nullptr) *error = what;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& target, const std::function<bool(std::FILE*)>& fill,
                         std::string* error) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(tmpl.data());
  if (fd < 0) {
    SetError(error, "cannot create a file in " + folder.string() + ": " + std::strerror(errno));
    return false;
  }
  // Keep an existing file's mode; a new file gets the usual 0666 & ~umask.
  struct stat st {};
  const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
  fchmod(fd, mode);

  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    ::close(fd);
    ::unlink(tmpl.c_str());
    SetError(error, "cannot write " + target.string());
    return false;
  }
  bool ok = fill(file);
  ok = std::fflush(file) == 0 && ok;
  ok = ::fsync(fileno(file)) == 0 && ok;
  const bool closed = std::fclose(file) == 0;
  if (!ok || !closed) {
    const int saved = errno;
    ::unlink(tmpl.c_str());
    SetError(error, "cannot write " + target.string() + ": " + std::strerror(saved));
    return false;
  }
  if (std::rename(tmpl.c_str(), target.c_str()) != 0) {
    const int saved = errno;
    ::unlink(tmpl.c_str());
    SetError(error, "cannot replace " + target.string() + ": " + std::strerror(saved));
    return false;
  }
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& target, const void* data, std::size_t size,
                         std::string* error) {
  return WriteFileAtomically(
      target, [&](std::FILE* f) { return size == 0 || std::fwrite(data, 1, size, f) == size; }, error);
}

}  // namespace platform
