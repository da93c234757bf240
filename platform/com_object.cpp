#include "platform/com_object.h"

#include "platform/server_module.h"

namespace platform {

ComObjectRoot::ComObjectRoot(IUnknown* outer) : outer_(outer) { ServerModule::ObjectCreated(); }

ComObjectRoot::~ComObjectRoot() { ServerModule::ObjectDestroyed(); }

HRESULT ComObjectRoot::Inner::QueryInterface(const IID& iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown) {
    *out = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
  }
  void* found = owner_.FindInterface(iid);
  if (found == nullptr) return E_NOINTERFACE;
  *out = found;
  // The interface's AddRef: on the outer object when aggregated.
  owner_.DelegatingAddRef();
  return S_OK;
}

ULONG ComObjectRoot::Inner::AddRef() { return owner_.refs_.fetch_add(1) + 1; }

ULONG ComObjectRoot::Inner::Release() {
  const ULONG left = owner_.refs_.fetch_sub(1) - 1;
  if (left == 0) delete &owner_;
  return left;
}

HRESULT ComObjectRoot::DelegatingQueryInterface(const IID& iid, void** out) {
  if (outer_ != nullptr) return outer_->QueryInterface(iid, out);
  return inner_.QueryInterface(iid, out);
}

ULONG ComObjectRoot::DelegatingAddRef() { return outer_ != nullptr ? outer_->AddRef() : inner_.AddRef(); }

ULONG ComObjectRoot::DelegatingRelease() { return outer_ != nullptr ? outer_->Release() : inner_.Release(); }

}  // namespace platform
