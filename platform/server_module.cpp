#include "platform/server_module.h"

#include <atomic>

namespace platform {
namespace {

std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

}  // namespace

void ServerModule::ObjectCreated() { g_objects.fetch_add(1); }
void ServerModule::ObjectDestroyed() { g_objects.fetch_sub(1); }
void ServerModule::Lock() { g_locks.fetch_add(1); }
void ServerModule::Unlock() {
  // An unbalanced unlock must not leave the count below zero.
  long current = g_locks.load();
  while (current > 0 && !g_locks.compare_exchange_weak(current, current - 1)) {
  }
}
long ServerModule::ObjectCount() { return g_objects.load(); }
long ServerModule::LockCount() { return g_locks.load(); }

HRESULT ServerModule::CanUnloadNow() { return g_objects.load() == 0 && g_locks.load() == 0 ? S_OK : S_FALSE; }

}  // namespace platform
