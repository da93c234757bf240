#include "platform/simple_class_factory.h"

#include "platform/guarded_call.h"
#include "platform/server_module.h"

namespace platform {

HRESULT SimpleClassFactory::CreateInstance(IUnknown* pUnkOuter, const IID& riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  return CallGuarded([&] { return create_(pUnkOuter, riid, ppvObject); });
}

HRESULT SimpleClassFactory::LockServer(bool fLock) {
  if (fLock) {
    ServerModule::Lock();
  } else {
    ServerModule::Unlock();
  }
  return S_OK;
}

void* SimpleClassFactory::FindInterface(const IID& iid) {
  if (iid == IID_IClassFactory) return static_cast<IClassFactory*>(this);
  return nullptr;
}

HRESULT GetSimpleClassObject(SimpleClassFactory::CreateFunction create, const IID& iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return CallGuarded([&] {
    ComPtr<SimpleClassFactory> factory = MakeObject<SimpleClassFactory>(create);
    return factory->QueryInterface(iid, out);
  });
}

}  // namespace platform
