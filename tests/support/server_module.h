#pragma once

// Calls an entry point of a server module, as vectrel-regsvr does, for tests
// and benchmarks that register the built server into their own config folder.
#include <dlfcn.h>

#include "platform/server_exports.h"

namespace testsupport {

inline platform::HRESULT CallModuleEntry(const char* module_path, const char* entry) {
  void* module = dlopen(module_path, RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) return platform::E_MODULE_NOT_FOUND;
  auto function = reinterpret_cast<platform::DllRegisterServerFunction>(dlsym(module, entry));
  const platform::HRESULT hr = function != nullptr ? function() : platform::E_PROC_NOT_FOUND;
  dlclose(module);
  return hr;
}

}  // namespace testsupport
