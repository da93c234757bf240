#include "platform/safearray.h"

#include <cstdlib>
#include <cstring>

#include "platform/variant.h"

namespace platform {

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lbound, ULONG count) {
  if (vt != VT_UI1) return nullptr;
  // One block: header, then the data.
  void* block = std::malloc(sizeof(SAFEARRAY) + (count == 0 ? 1 : count));
  if (block == nullptr) return nullptr;
  auto* array = static_cast<SAFEARRAY*>(block);
  *array = SAFEARRAY{};
  array->rgsabound[0].cElements = count;
  array->rgsabound[0].lLbound = lbound;
  array->pvData = static_cast<char*>(block) + sizeof(SAFEARRAY);
  std::memset(array->pvData, 0, count);
  return array;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
  if (array == nullptr) return S_OK;
  if (array->cLocks != 0) return E_UNEXPECTED;
  std::free(array);
  return S_OK;
}

HRESULT SafeArrayCopy(const SAFEARRAY* array, SAFEARRAY** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (array == nullptr) return S_OK;
  SAFEARRAY* copy = SafeArrayCreateVector(VT_UI1, array->rgsabound[0].lLbound, array->rgsabound[0].cElements);
  if (copy == nullptr) return E_OUTOFMEMORY;
  std::memcpy(copy->pvData, array->pvData, array->rgsabound[0].cElements);
  *out = copy;
  return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data) {
  if (array == nullptr || data == nullptr) return E_INVALIDARG;
  ++array->cLocks;
  *data = array->pvData;
  return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array) {
  if (array == nullptr) return E_INVALIDARG;
  if (array->cLocks == 0) return E_UNEXPECTED;
  --array->cLocks;
  return S_OK;
}

HRESULT SafeArrayGetLBound(const SAFEARRAY* array, UINT dim, LONG* bound) {
  if (array == nullptr || bound == nullptr) return E_INVALIDARG;
  if (dim != 1) return DISP_E_BADINDEX;
  *bound = array->rgsabound[0].lLbound;
  return S_OK;
}

HRESULT SafeArrayGetUBound(const SAFEARRAY* array, UINT dim, LONG* bound) {
  if (array == nullptr || bound == nullptr) return E_INVALIDARG;
  if (dim != 1) return DISP_E_BADINDEX;
  *bound = static_cast<LONG>(static_cast<std::int64_t>(array->rgsabound[0].lLbound) +
                             static_cast<std::int64_t>(array->rgsabound[0].cElements) - 1);
  return S_OK;
}

UINT SafeArrayGetDim(const SAFEARRAY* array) { return array == nullptr ? 0 : array->cDims; }

UINT SafeArrayGetElemsize(const SAFEARRAY* array) { return array == nullptr ? 0 : array->cbElements; }

SAFEARRAY* MakeByteArray(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > 0xFFFFFFFFu) return nullptr;
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (array != nullptr && !bytes.empty()) std::memcpy(array->pvData, bytes.data(), bytes.size());
  return array;
}

std::span<const std::uint8_t> ByteArrayView(const SAFEARRAY* array) {
  if (array == nullptr) return {};
  return {static_cast<const std::uint8_t*>(array->pvData), array->rgsabound[0].cElements};
}

}  // namespace platform
