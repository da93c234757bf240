#include "platform/variant_coercion.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/dispatch.h"
#include "platform/number_text.h"

namespace platform {
namespace {

// The numeric value of a source, before it is fitted to the target.
struct Number {
  bool integral = true;
  std::int64_t whole = 0;
  double real = 0;
};

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x - u'A' + u'a');
    if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y - u'A' + u'a');
    if (x != y) return false;
  }
  return true;
}

std::u16string_view Trimmed(std::u16string_view s) {
  while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
  return s;
}

HRESULT ToNumber(const VARIANT& v, bool wantBool, Number* out) {
  switch (v.vt) {
    case VT_EMPTY: *out = Number{}; return S_OK;
    case VT_I2: *out = Number{true, v.iVal, 0}; return S_OK;
    case VT_I4: *out = Number{true, v.lVal, 0}; return S_OK;
    case VT_UI1: *out = Number{true, v.bVal, 0}; return S_OK;
    case VT_BOOL: *out = Number{true, v.boolVal != 0 ? -1 : 0, 0}; return S_OK;
    case VT_R4: *out = Number{false, 0, v.fltVal}; return S_OK;
    case VT_R8: *out = Number{false, 0, v.dblVal}; return S_OK;
    case VT_BSTR: {
      const std::u16string_view text = BstrView(v.bstrVal);
      if (wantBool) {
        const std::u16string_view word = Trimmed(text);
        if (EqualsIgnoringCase(word, u"true")) {
          *out = Number{true, -1, 0};
          return S_OK;
        }
        if (EqualsIgnoringCase(word, u"false")) {
          *out = Number{};
          return S_OK;
        }
      }
      const std::optional<double> parsed = ParseAutomationNumber(text);
      if (!parsed) return DISP_E_TYPEMISMATCH;
      *out = Number{false, 0, *parsed};
      return S_OK;
    }
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

// The integer a number becomes, checked against [lo, hi].
HRESULT ToInteger(const Number& n, std::int64_t lo, std::int64_t hi, std::int64_t* out) {
  std::int64_t value;
  if (n.integral) {
    value = n.whole;
  } else {
    const double r = RoundHalfEven(n.real);
    if (!std::isfinite(r) || r < static_cast<double>(lo) || r > static_cast<double>(hi)) return DISP_E_OVERFLOW;
    value = static_cast<std::int64_t>(r);
  }
  if (value < lo || value > hi) return DISP_E_OVERFLOW;
  *out = value;
  return S_OK;
}

double ToReal(const Number& n) { return n.integral ? static_cast<double>(n.whole) : n.real; }

HRESULT ToText(const VARIANT& v, WORD flags, std::u16string* out) {
  std::string text;
  switch (v.vt) {
    case VT_EMPTY: break;
    case VT_I2: text = std::to_string(v.iVal); break;
    case VT_I4: text = std::to_string(v.lVal); break;
    case VT_UI1: text = std::to_string(v.bVal); break;
    case VT_R4: text = FormatAutomationReal(v.fltVal, true); break;
    case VT_R8: text = FormatAutomationReal(v.dblVal); break;
    case VT_BOOL:
      if ((flags & VARIANT_ALPHABOOL) != 0) {
        text = v.boolVal != 0 ? "True" : "False";
      } else {
        text = v.boolVal != 0 ? "-1" : "0";
      }
      break;
    default:
      return DISP_E_TYPEMISMATCH;
  }
  out->assign(text.begin(), text.end());
  return S_OK;
}

bool SupportedTarget(VARTYPE vt) {
  switch (vt) {
    case VT_EMPTY:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_ERROR:
    case VT_BOOL:
    case VT_VARIANT:
    case VT_UNKNOWN:
    case VT_UI1:
    case VT_ARRAY | VT_UI1:
      return true;
    default:
      return false;
  }
}

// Converts an owned, dereferenced value; `out` receives a new owned value.
HRESULT Convert(const VARIANT& v, WORD flags, VARTYPE vt, VARIANT* out) {
  *out = VARIANT{};
  if (v.vt == vt || vt == VT_VARIANT) return VariantCopy(out, &v);
  switch (vt) {
    case VT_EMPTY:
      return DISP_E_TYPEMISMATCH;
    case VT_I2:
    case VT_I4:
    case VT_UI1:
    case VT_R4:
    case VT_R8:
    case VT_BOOL: {
      Number n;
      const HRESULT hr = ToNumber(v, vt == VT_BOOL, &n);
      if (FAILED(hr)) return hr;
      std::int64_t whole = 0;
      switch (vt) {
        case VT_I2: {
          const HRESULT r = ToInteger(n, INT16_MIN, INT16_MAX, &whole);
          if (FAILED(r)) return r;
          out->iVal = static_cast<std::int16_t>(whole);
          break;
        }
        case VT_I4: {
          const HRESULT r = ToInteger(n, INT32_MIN, INT32_MAX, &whole);
          if (FAILED(r)) return r;
          out->lVal = static_cast<std::int32_t>(whole);
          break;
        }
        case VT_UI1: {
          // A true boolean is 255: the bits of -1, not an overflow.
          if (v.vt == VT_BOOL) {
            out->bVal = v.boolVal != 0 ? 255 : 0;
            break;
          }
          const HRESULT r = ToInteger(n, 0, 255, &whole);
          if (FAILED(r)) return r;
          out->bVal = static_cast<std::uint8_t>(whole);
          break;
        }
        case VT_R4: {
          const double real = ToReal(n);
          if (std::isfinite(real) && std::fabs(real) > FLT_MAX) return DISP_E_OVERFLOW;
          out->fltVal = static_cast<float>(real);
          break;
        }
        case VT_R8:
          out->dblVal = ToReal(n);
          break;
        default:  // VT_BOOL
          out->boolVal = ToReal(n) != 0 ? VARIANT_TRUE : VARIANT_FALSE;
          break;
      }
      out->vt = vt;
      return S_OK;
    }
    case VT_BSTR: {
      std::u16string text;
      const HRESULT hr = ToText(v, flags, &text);
      if (FAILED(hr)) return hr;
      BSTR b = SysAllocString(text);
      if (b == nullptr) return E_OUTOFMEMORY;
      out->vt = VT_BSTR;
      out->bstrVal = b;
      return S_OK;
    }
    case VT_UNKNOWN:
      if (v.vt == VT_EMPTY) {
        out->vt = VT_UNKNOWN;
        return S_OK;
      }
      if (v.vt == VT_DISPATCH) {
        out->vt = VT_UNKNOWN;
        out->punkVal = v.pdispVal;
        if (out->punkVal != nullptr) out->punkVal->AddRef();
        return S_OK;
      }
      return DISP_E_TYPEMISMATCH;
    case VT_DISPATCH:
      if (v.vt == VT_EMPTY) {
        out->vt = VT_DISPATCH;
        return S_OK;
      }
      if (v.vt == VT_UNKNOWN) {
        IDispatch* dispatch = nullptr;
        if (v.punkVal != nullptr &&
            FAILED(v.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
          return DISP_E_TYPEMISMATCH;
        }
        out->vt = VT_DISPATCH;
        out->pdispVal = dispatch;
        return S_OK;
      }
      return DISP_E_TYPEMISMATCH;
    default:  // VT_ERROR, byte arrays: only from themselves
      return DISP_E_TYPEMISMATCH;
  }
}

}  // namespace

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double lower = std::floor(value);
  const double fraction = value - lower;  // exact for doubles
  if (fraction < 0.5) return lower;
  if (fraction > 0.5) return lower + 1;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt) {
  if (dest == nullptr || src == nullptr) return E_INVALIDARG;
  if (!SupportedTarget(vt)) return DISP_E_BADVARTYPE;
  Variant value;
  HRESULT hr = VariantCopyInd(&value, src);
  if (FAILED(hr)) return hr;
  VARIANT out;
  hr = Convert(value, flags, vt, &out);
  if (FAILED(hr)) return hr;
  hr = VariantClear(dest);
  if (FAILED(hr)) {
    VariantClear(&out);
    return hr;
  }
  *dest = out;
  return S_OK;
}

}  // namespace platform
