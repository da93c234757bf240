#pragma once

#include <filesystem>

#include "platform/hresult.h"

namespace platform {

// What a registration tool does: loads the server module at `module`, calls
// its DllRegisterServer (or DllUnregisterServer) and unloads it again.
// E_MODULE_NOT_FOUND when it cannot be loaded, E_PROC_NOT_FOUND when it lacks
// the entry point; otherwise the entry point's own result.
HRESULT RegisterServerModule(const std::filesystem::path& module, bool unregister = false);

}  // namespace platform
