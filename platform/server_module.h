#pragma once

#include "platform/hresult.h"

namespace platform {

// The counts a server module keeps for DllCanUnloadNow: objects alive and
// LockServer locks. Each module that links this library has its own counts
// (servers keep the library's symbols to themselves, see server_exports.h).
class ServerModule {
 public:
  static void ObjectCreated();
  static void ObjectDestroyed();
  static void Lock();
  static void Unlock();
  static long ObjectCount();
  static long LockCount();
  // S_OK when no object is alive and nothing locks the module, else S_FALSE.
  static HRESULT CanUnloadNow();
};

}  // namespace platform
