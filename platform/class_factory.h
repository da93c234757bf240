#pragma once

#include "platform/unknown.h"

namespace platform {

// {00000001-0000-0000-C000-000000000046}
inline constexpr IID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Makes the objects of one class. pUnkOuter non-null asks for an aggregated
// object, whose only interface that may be asked for then is IUnknown.
class IClassFactory : public IUnknown {
 public:
  virtual HRESULT CreateInstance(IUnknown* pUnkOuter, const IID& riid, void** ppvObject) = 0;
  virtual HRESULT LockServer(bool fLock) = 0;

 protected:
  IClassFactory() = default;
  IClassFactory(const IClassFactory&) = default;
  IClassFactory& operator=(const IClassFactory&) = default;
  ~IClassFactory() = default;
};

}  // namespace platform
