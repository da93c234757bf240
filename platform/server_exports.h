#pragma once

// The entry points of an in-process server module (a shared library). The
// client finds them with dlsym by these names; the server defines them with
// exactly these signatures:
//
//   #include "platform/server_exports.h"
//   PLATFORM_SERVER_EXPORT platform::HRESULT DllGetClassObject(const platform::CLSID& rclsid,
//                                                              const platform::IID& riid, void** ppv) { ... }
//
// - DllGetClassObject: the class factory of `rclsid` queried for `riid`
//   (IID_IClassFactory); CLASS_E_CLASSNOTAVAILABLE for a class it does not
//   serve. *ppv is null on failure.
// - DllCanUnloadNow: S_OK when no object of the module is alive and no
//   LockServer lock is held (ServerModule::CanUnloadNow), else S_FALSE.
// - DllRegisterServer / DllUnregisterServer: write or remove the module's
//   keys under RegistryHive::kClassesRoot (ModulePathOf gives the module's own
//   full path for InprocServer32).
//
// A server links the platform library statically and should keep its
// symbols to itself (-fvisibility=hidden and -Wl,--exclude-libs,ALL), so that
// only these four are exported and its module counts stay its own.

#include "platform/guid.h"
#include "platform/hresult.h"

#define PLATFORM_SERVER_EXPORT extern "C" __attribute__((visibility("default")))

PLATFORM_SERVER_EXPORT platform::HRESULT DllGetClassObject(const platform::CLSID& rclsid, const platform::IID& riid,
                                                           void** ppv);
PLATFORM_SERVER_EXPORT platform::HRESULT DllCanUnloadNow();
PLATFORM_SERVER_EXPORT platform::HRESULT DllRegisterServer();
PLATFORM_SERVER_EXPORT platform::HRESULT DllUnregisterServer();

namespace platform {

using DllGetClassObjectFunction = HRESULT (*)(const CLSID& rclsid, const IID& riid, void** ppv);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();

inline constexpr const char* kDllGetClassObject = "DllGetClassObject";
inline constexpr const char* kDllCanUnloadNow = "DllCanUnloadNow";
inline constexpr const char* kDllRegisterServer = "DllRegisterServer";
inline constexpr const char* kDllUnregisterServer = "DllUnregisterServer";

}  // namespace platform
