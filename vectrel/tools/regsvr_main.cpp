// vectrel-regsvr [-u] MODULE: registers (or unregisters) an in-process server.
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/hresult.h"
#include "platform/server_exports.h"

int main(int argc, char** argv) {
  bool unregister = false;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-u") == 0)
      unregister = true;
    else if (path == nullptr)
      path = argv[i];
    else
      path = "";
  }
  if (path == nullptr || *path == '\0') {
    std::fprintf(stderr, "usage: vectrel-regsvr [-u] PATH/libvectrel.so\n");
    return 2;
  }
  // The registry keeps the module's absolute path.
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  void* module = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    std::fprintf(stderr, "vectrel-regsvr: cannot load %s: %s\n", path, dlerror());
    return 1;
  }
  const char* entry = unregister ? platform::kDllUnregisterServer : platform::kDllRegisterServer;
  auto function = reinterpret_cast<platform::DllRegisterServerFunction>(dlsym(module, entry));
  if (function == nullptr) {
    std::fprintf(stderr, "vectrel-regsvr: %s has no %s\n", path, entry);
    dlclose(module);
    return 1;
  }
  const platform::HRESULT hr = function();
  if (platform::FAILED(hr)) {
    std::fprintf(stderr, "vectrel-regsvr: %s failed: HRESULT %s\n", entry, platform::FormatHResult(hr).c_str());
    dlclose(module);
    return 1;
  }
  std::printf("%s succeeded for %s\n", entry, absolute.c_str());
  dlclose(module);
  return 0;
}
