#include "platform/module_path.h"

#include <dlfcn.h>

#include <system_error>

namespace platform {

std::optional<std::filesystem::path> ModulePathOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == 0) return std::nullopt;
  std::error_code ec;
  std::filesystem::path path = std::filesystem::weakly_canonical(info.dli_fname, ec);
  if (ec) return std::nullopt;
  return path;
}

}  // namespace platform
