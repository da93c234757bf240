#include "platform/variant.h"

#include <new>
#include <utility>

#include "platform/dispatch.h"
#include "platform/utf.h"
#include "platform/variant_coercion.h"

namespace platform {
namespace {

bool KnownType(VARTYPE type) {
  if (type == (VT_ARRAY | VT_UI1)) return true;
  switch (type) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_ERROR:
    case VT_BOOL:
    case VT_UNKNOWN:
    case VT_UI1:
      return true;
    default:
      return false;
  }
}

bool KnownByrefType(VARTYPE type) {
  if ((type & VT_BYREF) == 0) return false;
  const VARTYPE base = static_cast<VARTYPE>(type & ~VT_BYREF);
  return base == VT_VARIANT || (KnownType(base) && base != VT_EMPTY && base != VT_NULL);
}

}  // namespace

void VariantInit(VARIANT* v) {
  if (v == nullptr) return;
  *v = VARIANT{};
}

HRESULT VariantClear(VARIANT* v) {
  if (v == nullptr) return E_INVALIDARG;
  if (!KnownType(v->vt) && !KnownByrefType(v->vt)) return DISP_E_BADVARTYPE;
  switch (v->vt) {
    case VT_BSTR:
      SysFreeString(v->bstrVal);
      break;
    case VT_UNKNOWN:
      if (v->punkVal != nullptr) v->punkVal->Release();
      break;
    case VT_DISPATCH:
      if (v->pdispVal != nullptr) v->pdispVal->Release();
      break;
    case VT_ARRAY | VT_UI1:
      if (v->parray != nullptr) {
        const HRESULT hr = SafeArrayDestroy(v->parray);
        if (FAILED(hr)) return hr;
      }
      break;
    default:
      break;
  }
  *v = VARIANT{};
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
  if (dest == nullptr || src == nullptr) return E_INVALIDARG;
  if (dest == src) return S_OK;
  if (!KnownType(src->vt) && !KnownByrefType(src->vt)) return DISP_E_BADVARTYPE;
  VARIANT copy = *src;
  switch (src->vt) {
    case VT_BSTR:
      if (src->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (copy.bstrVal == nullptr) return E_OUTOFMEMORY;
      }
      break;
    case VT_UNKNOWN:
      if (src->punkVal != nullptr) src->punkVal->AddRef();
      break;
    case VT_DISPATCH:
      if (src->pdispVal != nullptr) src->pdispVal->AddRef();
      break;
    case VT_ARRAY | VT_UI1: {
      const HRESULT hr = SafeArrayCopy(src->parray, &copy.parray);
      if (FAILED(hr)) return hr;
      break;
    }
    default:
      break;
  }
  const HRESULT hr = VariantClear(dest);
  if (FAILED(hr)) {
    VariantClear(&copy);
    return hr;
  }
  *dest = copy;
  return S_OK;
}

HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src) {
  if (dest == nullptr || src == nullptr) return E_INVALIDARG;
  if ((src->vt & VT_BYREF) == 0) return VariantCopy(dest, src);
  if (!KnownByrefType(src->vt)) return DISP_E_BADVARTYPE;
  if (src->byref == nullptr) return E_INVALIDARG;
  VARIANT value{};
  const VARTYPE base = static_cast<VARTYPE>(src->vt & ~VT_BYREF);
  switch (base) {
    case VT_VARIANT:
      // A reference to a reference is not followed further.
      if ((src->pvarVal->vt & VT_BYREF) != 0) return E_INVALIDARG;
      return VariantCopy(dest, src->pvarVal);
    case VT_I2: value.iVal = *src->piVal; break;
    case VT_I4: value.lVal = *src->plVal; break;
    case VT_R4: value.fltVal = *src->pfltVal; break;
    case VT_R8: value.dblVal = *src->pdblVal; break;
    case VT_BOOL: value.boolVal = *src->pboolVal; break;
    case VT_ERROR: value.scode = *src->pscode; break;
    case VT_UI1: value.bVal = *src->pbVal; break;
    case VT_BSTR: value.bstrVal = *src->pbstrVal; break;
    case VT_UNKNOWN: value.punkVal = *src->ppunkVal; break;
    case VT_DISPATCH: value.pdispVal = *src->ppdispVal; break;
    case VT_ARRAY | VT_UI1: value.parray = *src->pparray; break;
    default: return DISP_E_BADVARTYPE;
  }
  value.vt = base;
  // `value` borrows; VariantCopy makes the owned copy.
  if (dest == src) {
    VARIANT copy{};
    const HRESULT hr = VariantCopy(&copy, &value);
    if (FAILED(hr)) return hr;
    *dest = copy;
    return S_OK;
  }
  return VariantCopy(dest, &value);
}

Variant::Variant(std::int32_t value) {
  vt = VT_I4;
  lVal = value;
}

Variant::Variant(std::int16_t value) {
  vt = VT_I2;
  iVal = value;
}

Variant::Variant(std::uint8_t value) {
  vt = VT_UI1;
  bVal = value;
}

Variant::Variant(double value) {
  vt = VT_R8;
  dblVal = value;
}

Variant::Variant(float value) {
  vt = VT_R4;
  fltVal = value;
}

Variant::Variant(std::u16string_view text) {
  BSTR b = SysAllocString(text);
  if (b == nullptr) throw std::bad_alloc();
  vt = VT_BSTR;
  bstrVal = b;
}

Variant::Variant(std::string_view utf8) : Variant(std::u16string_view(Utf8ToUtf16(utf8))) {}

Variant::Variant(IUnknown* object) {
  vt = VT_UNKNOWN;
  punkVal = object;
  if (object != nullptr) object->AddRef();
}

Variant::Variant(IDispatch* object) {
  vt = VT_DISPATCH;
  pdispVal = object;
  if (object != nullptr) object->AddRef();
}

Variant Variant::Error(SCODE code) {
  Variant v;
  v.vt = VT_ERROR;
  v.scode = code;
  return v;
}

Variant Variant::Bytes(std::span<const std::uint8_t> bytes) {
  SAFEARRAY* array = MakeByteArray(bytes);
  if (array == nullptr) throw std::bad_alloc();
  Variant v;
  v.vt = VT_ARRAY | VT_UI1;
  v.parray = array;
  return v;
}

Variant Variant::Attach(VARIANT& v) {
  Variant result;
  static_cast<VARIANT&>(result) = v;
  v = VARIANT{};
  return result;
}

Variant::Variant(const Variant& other) : Variant(static_cast<const VARIANT&>(other)) {}

Variant::Variant(const VARIANT& other) {
  const HRESULT hr = VariantCopy(this, &other);
  if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
}

Variant::Variant(Variant&& other) noexcept : VARIANT(other) { static_cast<VARIANT&>(other) = VARIANT{}; }

Variant& Variant::operator=(const Variant& other) {
  Variant copy(other);
  std::swap(static_cast<VARIANT&>(*this), static_cast<VARIANT&>(copy));
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
  Variant moved(std::move(other));
  std::swap(static_cast<VARIANT&>(*this), static_cast<VARIANT&>(moved));
  return *this;
}

Variant::~Variant() { Clear(); }

VARIANT Variant::Detach() {
  VARIANT out = *this;
  static_cast<VARIANT&>(*this) = VARIANT{};
  return out;
}

void Variant::Clear() {
  if (FAILED(VariantClear(this))) static_cast<VARIANT&>(*this) = VARIANT{};
}

HRESULT Variant::ChangeType(VARTYPE type) { return VariantChangeType(this, this, 0, type); }

}  // namespace platform
