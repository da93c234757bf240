#include "server_fixture.h"

#include <dlfcn.h>

namespace automationtest {

platform::HRESULT CallModuleEntry(const char* entry) {
  void* module = dlopen(VECTREL_MODULE, RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    ADD_FAILURE() << dlerror();
    return platform::E_FAIL;
  }
  auto function = reinterpret_cast<platform::DllRegisterServerFunction>(dlsym(module, entry));
  const platform::HRESULT hr = function != nullptr ? function() : platform::E_PROC_NOT_FOUND;
  dlclose(module);
  return hr;
}

}  // namespace automationtest
