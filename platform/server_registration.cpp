#include "platform/server_registration.h"

#include <dlfcn.h>

#include <system_error>

#include "platform/server_exports.h"

namespace platform {

HRESULT RegisterServerModule(const std::filesystem::path& module, bool unregister) {
  std::error_code ec;
  // Absolute, so that dlopen does not search the library path for a bare name.
  const std::filesystem::path path = std::filesystem::absolute(module, ec);
  if (ec) return E_MODULE_NOT_FOUND;
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return E_MODULE_NOT_FOUND;
  const char* name = unregister ? kDllUnregisterServer : kDllRegisterServer;
  auto entry = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle, name));
  const HRESULT hr = entry == nullptr ? E_PROC_NOT_FOUND : entry();
  dlclose(handle);
  return hr;
}

}  // namespace platform
