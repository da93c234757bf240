#pragma once

#include <cstdint>
#include <span>

#include "platform/automation_types.h"
#include "platform/hresult.h"

namespace platform {

struct SAFEARRAYBOUND {
  ULONG cElements = 0;
  LONG lLbound = 0;
};

// A one-dimensional array of bytes (element size 1) with contiguous data,
// the only kind the automation surface passes.
struct SAFEARRAY {
  std::uint16_t cDims = 1;
  std::uint16_t fFeatures = 0;
  ULONG cbElements = 1;
  ULONG cLocks = 0;
  void* pvData = nullptr;
  SAFEARRAYBOUND rgsabound[1];
};

// A byte vector of `count` zero bytes with lower bound `lbound`; null when
// `vt` is not VT_UI1 or memory runs out.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lbound, ULONG count);
// E_UNEXPECTED while its data is being accessed.
HRESULT SafeArrayDestroy(SAFEARRAY* array);
HRESULT SafeArrayCopy(const SAFEARRAY* array, SAFEARRAY** out);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
HRESULT SafeArrayGetLBound(const SAFEARRAY* array, UINT dim, LONG* bound);
HRESULT SafeArrayGetUBound(const SAFEARRAY* array, UINT dim, LONG* bound);
UINT SafeArrayGetDim(const SAFEARRAY* array);
UINT SafeArrayGetElemsize(const SAFEARRAY* array);

// A new byte array holding `bytes`, lower bound 0; null when memory runs out.
SAFEARRAY* MakeByteArray(std::span<const std::uint8_t> bytes);
// The bytes of a byte array (empty for null).
std::span<const std::uint8_t> ByteArrayView(const SAFEARRAY* array);

}  // namespace platform
