#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// Where Cinelume keeps its settings and registration data:
// $XDG_CONFIG_HOME/cinelume, or $HOME/.config/cinelume when XDG_CONFIG_HOME
// is unset, empty or relative. Read on every call (tests switch it). Nothing
// when neither gives an absolute folder. The folder is not created.
std::optional<std::filesystem::path> ConfigDir();

}  // namespace platform
