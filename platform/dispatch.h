#pragma once

#include "platform/bstr.h"
#include "platform/unknown.h"
#include "platform/variant.h"

namespace platform {

// {00020400-0000-0000-C000-000000000046}
inline constexpr IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

inline constexpr DISPID DISPID_VALUE = 0;
inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;

// Invoke flags; a caller may combine METHOD and PROPERTYGET.
inline constexpr WORD DISPATCH_METHOD = 1;
inline constexpr WORD DISPATCH_PROPERTYGET = 2;
inline constexpr WORD DISPATCH_PROPERTYPUT = 4;
inline constexpr WORD DISPATCH_PROPERTYPUTREF = 8;

// Arguments of one Invoke. rgvarg holds them last first: rgvarg[cArgs - 1] is
// the first positional argument. The named ones come first, rgvarg[0] to
// rgvarg[cNamedArgs - 1], with their DISPIDs in rgdispidNamedArgs.
struct DISPPARAMS {
  VARIANT* rgvarg = nullptr;
  DISPID* rgdispidNamedArgs = nullptr;
  UINT cArgs = 0;
  UINT cNamedArgs = 0;
};

// What a failing call can tell beyond its HRESULT. The caller frees the strings.
struct EXCEPINFO {
  WORD wCode = 0;
  WORD wReserved = 0;
  BSTR bstrSource = nullptr;
  BSTR bstrDescription = nullptr;
  BSTR bstrHelpFile = nullptr;
  DWORD dwHelpContext = 0;
  void* pvReserved = nullptr;
  HRESULT (*pfnDeferredFillIn)(EXCEPINFO*) = nullptr;
  SCODE scode = 0;
};

// Frees the strings of an EXCEPINFO and empties it.
void ClearExcepInfo(EXCEPINFO& info);

// Type information is not offered (GetTypeInfoCount gives 0); the type is
// only named so that GetTypeInfo has the platform's shape.
class ITypeInfo;

// Late-bound calls by name and DISPID.
class IDispatch : public IUnknown {
 public:
  virtual HRESULT GetTypeInfoCount(UINT* pctinfo) = 0;
  virtual HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) = 0;
  virtual HRESULT GetIDsOfNames(const IID& riid, OLECHAR** rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) = 0;
  virtual HRESULT Invoke(DISPID dispIdMember, const IID& riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                         VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) = 0;

 protected:
  IDispatch() = default;
  IDispatch(const IDispatch&) = default;
  IDispatch& operator=(const IDispatch&) = default;
  ~IDispatch() = default;
};

}  // namespace platform
