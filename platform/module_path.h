#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// The full path of the loaded module (program or shared library) that holds
// `address`, e.g. a function of the module itself. Nothing when unknown.
std::optional<std::filesystem::path> ModulePathOf(const void* address);

}  // namespace platform
