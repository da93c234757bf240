#include "platform/create_object.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

#include "platform/registry.h"
#include "platform/server_exports.h"
#include "platform/utf.h"

namespace platform {
namespace {

thread_local std::string t_lastError;

HRESULT Fail(HRESULT hr, std::string why) {
  t_lastError = std::move(why);
  return hr;
}

struct LoadedModules {
  std::mutex mutex;
  std::map<std::string, void*> handles;  // by path as registered
};

LoadedModules& Modules() {
  static LoadedModules modules;
  return modules;
}

HRESULT LoadModule(const std::string& path, void** handle) {
  if (path.empty() || path.front() != '/') {
    // A bare name would be looked up along the library search path.
    return Fail(E_MODULE_NOT_FOUND, "server path is not absolute: \"" + path + "\"");
  }
  LoadedModules& modules = Modules();
  std::lock_guard<std::mutex> guard(modules.mutex);
  const auto it = modules.handles.find(path);
  if (it != modules.handles.end()) {
    *handle = it->second;
    return S_OK;
  }
  void* loaded = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (loaded == nullptr) {
    const char* why = dlerror();
    return Fail(E_MODULE_NOT_FOUND, why != nullptr ? why : "cannot load " + path);
  }
  modules.handles.emplace(path, loaded);
  *handle = loaded;
  return S_OK;
}

std::optional<std::string> DefaultValue(std::string_view keyPath) {
  const auto key = RegistryKey::Open(RegistryHive::kClassesRoot, keyPath);
  if (!key) return std::nullopt;
  return key->String("");
}

}  // namespace

HRESULT CLSIDFromProgID(std::u16string_view progid, CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = GUID_NULL;
  const std::string name = Utf16ToUtf8(progid);
  if (!IsValidRegistryKeyName(name)) return Fail(CO_E_CLASSSTRING, "invalid ProgID \"" + name + "\"");
  std::optional<std::string> text = DefaultValue(name + "\\CLSID");
  if (!text) {
    // A version-independent ProgID may only name its current version.
    const std::optional<std::string> current = DefaultValue(name + "\\CurVer");
    if (current && IsValidRegistryKeyName(*current)) text = DefaultValue(*current + "\\CLSID");
  }
  if (!text) return Fail(CO_E_CLASSSTRING, "ProgID not registered: \"" + name + "\"");
  const std::optional<GUID> parsed = ParseGuid(*text);
  if (!parsed) return Fail(CO_E_CLASSSTRING, "ProgID \"" + name + "\" has a malformed CLSID");
  *clsid = *parsed;
  return S_OK;
}

HRESULT GetClassObject(const CLSID& clsid, const IID& iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  const std::string guid = FormatGuid(clsid);
  const std::optional<std::string> path = DefaultValue("CLSID\\" + guid + "\\InprocServer32");
  if (!path) return Fail(REGDB_E_CLASSNOTREG, "class not registered: " + guid);
  void* handle = nullptr;
  HRESULT hr = LoadModule(*path, &handle);
  if (FAILED(hr)) return hr;
  auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(handle, kDllGetClassObject));
  if (getClassObject == nullptr) return Fail(E_PROC_NOT_FOUND, *path + " has no DllGetClassObject");
  hr = getClassObject(clsid, iid, out);
  if (FAILED(hr)) {
    *out = nullptr;
    return Fail(hr, *path + " does not serve " + guid);
  }
  return hr;
}

HRESULT CreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  ComPtr<IClassFactory> factory;
  HRESULT hr = GetClassObject(clsid, IID_IClassFactory, factory.PutVoid());
  if (FAILED(hr)) return hr;
  hr = factory->CreateInstance(outer, iid, out);
  if (FAILED(hr)) {
    *out = nullptr;
    return Fail(hr, "the class factory of " + FormatGuid(clsid) + " failed");
  }
  return hr;
}

HRESULT CreateObject(std::u16string_view progid, ComPtr<IDispatch>* out) {
  if (out == nullptr) return E_POINTER;
  out->Reset();
  t_lastError.clear();
  CLSID clsid;
  const HRESULT hr = CLSIDFromProgID(progid, &clsid);
  if (FAILED(hr)) return hr;
  return CreateInstance(clsid, nullptr, IID_IDispatch, out->PutVoid());
}

HRESULT CreateObject(std::string_view progid, ComPtr<IDispatch>* out) {
  return CreateObject(std::u16string_view(Utf8ToUtf16(progid)), out);
}

void FreeUnusedLibraries() {
  LoadedModules& modules = Modules();
  std::lock_guard<std::mutex> guard(modules.mutex);
  for (auto it = modules.handles.begin(); it != modules.handles.end();) {
    auto canUnload = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(it->second, kDllCanUnloadNow));
    if (canUnload != nullptr && canUnload() == S_OK) {
      dlclose(it->second);
      it = modules.handles.erase(it);
    } else {
      ++it;
    }
  }
}

std::string LastCreateObjectError() { return t_lastError; }

}  // namespace platform
