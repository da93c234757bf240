#pragma once

#include "platform/class_factory.h"
#include "platform/com_object.h"

namespace platform {

// A class factory that calls `create` (typically &CreateAggregatable<T>).
// LockServer keeps the module loaded. The factory itself counts as a live
// object of the module while somebody holds it.
class SimpleClassFactory final : public ComObject<IClassFactory> {
 public:
  using CreateFunction = HRESULT (*)(IUnknown* outer, const IID& iid, void** out);

  explicit SimpleClassFactory(CreateFunction create) : create_(create) {}

  HRESULT CreateInstance(IUnknown* pUnkOuter, const IID& riid, void** ppvObject) override;
  HRESULT LockServer(bool fLock) override;

 private:
  void* FindInterface(const IID& iid) override;

  CreateFunction create_;
};

// What DllGetClassObject does for one class: a new factory queried for `iid`.
HRESULT GetSimpleClassObject(SimpleClassFactory::CreateFunction create, const IID& iid, void** out);

}  // namespace platform
