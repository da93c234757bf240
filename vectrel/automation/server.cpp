// The four entry points of the server module and its registration.
#include <string>

#include "platform/module_path.h"
#include "platform/registry.h"
#include "platform/server_exports.h"
#include "platform/server_module.h"
#include "platform/simple_class_factory.h"
#include "vectrel/automation/swf_action.h"
#include "vectrel/automation/swf_movie.h"
#include "vectrel/automation/swf_object.h"
#include "vectrel/automation/vectrel_ids.h"

namespace vectrel {
namespace {

using platform::HRESULT;
using platform::RegistryHive;
using platform::RegistryKey;

struct ClassEntry {
  const platform::CLSID& clsid;
  const char* name;  // "swfMovie"
  platform::SimpleClassFactory::CreateFunction create;
};

HRESULT CreateMovie(platform::IUnknown* outer, const platform::IID& iid, void** out) {
  return platform::CreateAggregatable<SwfMovie>(outer, iid, out);
}
HRESULT CreateObject(platform::IUnknown* outer, const platform::IID& iid, void** out) {
  return platform::CreateAggregatable<SwfObject>(outer, iid, out);
}
HRESULT CreateAction(platform::IUnknown* outer, const platform::IID& iid, void** out) {
  return platform::CreateAggregatable<SwfAction>(outer, iid, out);
}

const ClassEntry kClasses[] = {
    {CLSID_swfMovie, "swfMovie", &CreateMovie},
    {CLSID_swfObject, "swfObject", &CreateObject},
    {CLSID_swfAction, "swfAction", &CreateAction},
};

constexpr const char* kTypeLibraryHelp = "Vectrel 1.0 Type Library";

bool RegisterClass(const ClassEntry& entry, const std::string& module) {
  const std::string description = std::string(entry.name) + " Class";
  const std::string progid = std::string("Vectrel.") + entry.name;
  const std::string versioned = progid + ".1";
  const std::string clsid = platform::FormatGuid(entry.clsid);
  bool ok = true;
  auto set = [&](const std::string& path, const char* name, const std::string& value) {
    auto key = RegistryKey::Create(RegistryHive::kClassesRoot, path);
    ok = ok && key && key->SetString(name, value);
  };
  set(versioned, "", description);
  set(versioned + "\\CLSID", "", clsid);
  set(progid, "", description);
  set(progid + "\\CLSID", "", clsid);
  set(progid + "\\CurVer", "", versioned);
  const std::string key = "CLSID\\" + clsid;
  set(key, "", description);
  set(key + "\\ProgID", "", versioned);
  set(key + "\\VersionIndependentProgID", "", progid);
  ok = ok && RegistryKey::Create(RegistryHive::kClassesRoot, key + "\\Programmable").has_value();
  set(key + "\\InprocServer32", "", module);
  set(key + "\\InprocServer32", "ThreadingModel", "Apartment");
  set(key + "\\TypeLib", "", platform::FormatGuid(LIBID_VectrelLib));
  return ok;
}

void UnregisterClass(const ClassEntry& entry) {
  const std::string progid = std::string("Vectrel.") + entry.name;
  RegistryKey::Delete(RegistryHive::kClassesRoot, progid + ".1");
  RegistryKey::Delete(RegistryHive::kClassesRoot, progid);
  RegistryKey::Delete(RegistryHive::kClassesRoot, "CLSID\\" + platform::FormatGuid(entry.clsid));
}

std::string TypeLibraryKey() { return "TypeLib\\" + platform::FormatGuid(LIBID_VectrelLib); }

}  // namespace
}  // namespace vectrel

PLATFORM_SERVER_EXPORT platform::HRESULT DllGetClassObject(const platform::CLSID& rclsid, const platform::IID& riid,
                                                           void** ppv) {
  if (ppv == nullptr) return platform::E_POINTER;
  *ppv = nullptr;
  for (const auto& entry : vectrel::kClasses)
    if (entry.clsid == rclsid) return platform::GetSimpleClassObject(entry.create, riid, ppv);
  return platform::CLASS_E_CLASSNOTAVAILABLE;
}

PLATFORM_SERVER_EXPORT platform::HRESULT DllCanUnloadNow() { return platform::ServerModule::CanUnloadNow(); }

PLATFORM_SERVER_EXPORT platform::HRESULT DllRegisterServer() {
  const auto module = platform::ModulePathOf(reinterpret_cast<const void*>(&DllRegisterServer));
  if (!module) return platform::E_FAIL;
  bool ok = true;
  // The type library: described, not embedded; its tables live in the module.
  const std::string typelib = vectrel::TypeLibraryKey() + "\\1.0";
  auto key = platform::RegistryKey::Create(platform::RegistryHive::kClassesRoot, typelib);
  ok = ok && key && key->SetString("", vectrel::kTypeLibraryHelp);
  auto win = platform::RegistryKey::Create(platform::RegistryHive::kClassesRoot, typelib + "\\0\\linux64");
  ok = ok && win && win->SetString("", module->string());
  for (const auto& entry : vectrel::kClasses) ok = vectrel::RegisterClass(entry, module->string()) && ok;
  return ok ? platform::S_OK : platform::E_FAIL;
}

PLATFORM_SERVER_EXPORT platform::HRESULT DllUnregisterServer() {
  for (const auto& entry : vectrel::kClasses) vectrel::UnregisterClass(entry);
  platform::RegistryKey::Delete(platform::RegistryHive::kClassesRoot, vectrel::TypeLibraryKey());
  return platform::S_OK;
}
