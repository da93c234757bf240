#include "platform/config_dir.h"

#include <cstdlib>

namespace platform {

std::optional<std::filesystem::path> ConfigDir() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "cinelume";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::filesystem::path(home) / ".config" / "cinelume";
  return std::nullopt;
}

}  // namespace platform
