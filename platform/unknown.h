#pragma once

#include "platform/automation_types.h"
#include "platform/guid.h"
#include "platform/hresult.h"

namespace platform {

// {00000000-0000-0000-C000-000000000046}
inline constexpr IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The root of every automation interface. Objects count their references and
// destroy themselves on the last Release, so nobody deletes through it.
class IUnknown {
 public:
  virtual HRESULT QueryInterface(const IID& riid, void** ppvObject) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  IUnknown() = default;
  IUnknown(const IUnknown&) = default;
  IUnknown& operator=(const IUnknown&) = default;
  ~IUnknown() = default;
};

}  // namespace platform
