#pragma once

#include "platform/dispatch_table.h"

namespace platform {

// IDispatch of interface `Interface`, answered from a DispatchTable<Self>.
// Self is the class whose member functions the table names: the interface
// itself (the usual dual interface, whose methods are virtual) or the
// implementing class, which then derives from DispatchImpl<Interface, Self>.
template <class Interface, class Self = Interface>
class DispatchImpl : public Interface {
 public:
  HRESULT GetTypeInfoCount(UINT* pctinfo) override {
    if (pctinfo == nullptr) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override {
    if (ppTInfo == nullptr) return E_POINTER;
    *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT GetIDsOfNames(const IID& riid, OLECHAR** rgszNames, UINT cNames, LCID, DISPID* rgDispId) override {
    return DispatchDescription().GetIDsOfNames(riid, rgszNames, cNames, rgDispId);
  }
  HRESULT Invoke(DISPID dispIdMember, const IID& riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                 VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override {
    return DispatchDescription().Invoke(static_cast<Self*>(this), dispIdMember, riid, wFlags, pDispParams,
                                        pVarResult, pExcepInfo, puArgErr);
  }

 protected:
  // The type library data of the interface, usually a function-local static.
  virtual const DispatchTable<Self>& DispatchDescription() const = 0;
};

}  // namespace platform
