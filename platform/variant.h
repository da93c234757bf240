#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/automation_types.h"
#include "platform/bstr.h"
#include "platform/com_ptr.h"
#include "platform/hresult.h"
#include "platform/safearray.h"

namespace platform {

class IUnknown;
class IDispatch;

// Variant type codes.
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_NULL = 1;
inline constexpr VARTYPE VT_I2 = 2;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R4 = 4;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_DISPATCH = 9;
inline constexpr VARTYPE VT_ERROR = 10;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_VARIANT = 12;
inline constexpr VARTYPE VT_UNKNOWN = 13;
inline constexpr VARTYPE VT_UI1 = 17;
inline constexpr VARTYPE VT_ARRAY = 0x2000;
inline constexpr VARTYPE VT_BYREF = 0x4000;
inline constexpr VARTYPE VT_TYPEMASK = 0x0FFF;

// A tagged value. Which member is live follows from vt; with VT_BYREF the
// value lives elsewhere and is not owned.
struct VARIANT {
  VARTYPE vt = VT_EMPTY;
  WORD wReserved1 = 0;
  WORD wReserved2 = 0;
  WORD wReserved3 = 0;
  union {
    std::int32_t lVal;
    std::uint8_t bVal;
    std::int16_t iVal;
    float fltVal;
    double dblVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    SAFEARRAY* parray;
    std::uint8_t* pbVal;
    std::int16_t* piVal;
    std::int32_t* plVal;
    float* pfltVal;
    double* pdblVal;
    VARIANT_BOOL* pboolVal;
    SCODE* pscode;
    BSTR* pbstrVal;
    IUnknown** ppunkVal;
    IDispatch** ppdispVal;
    SAFEARRAY** pparray;
    VARIANT* pvarVal;
    void* byref;
    std::uint64_t raw = 0;
  };
};

void VariantInit(VARIANT* v);
// Frees what v owns (string, array, object reference) and makes it empty.
// DISP_E_BADVARTYPE for a type it does not know (v is left as it was).
HRESULT VariantClear(VARIANT* v);
// A deep copy: strings and arrays are copied, objects get a new reference.
// dest is cleared first. A VT_BYREF source is copied as the reference.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
// As VariantCopy, but a VT_BYREF source is copied as the value it points at.
HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src);

// Owns one VARIANT. Derives from it so that `&v` passes where a VARIANT* is wanted.
class Variant : public VARIANT {
 public:
  Variant() = default;
  Variant(std::int32_t value);
  Variant(std::int16_t value);
  Variant(std::uint8_t value);
  Variant(double value);
  Variant(float value);
  template <class B>
    requires std::same_as<B, bool>
  Variant(B value) {
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  // Strings: UTF-16, or UTF-8 for char.
  Variant(std::u16string_view text);
  Variant(const char16_t* text) : Variant(std::u16string_view(text)) {}
  Variant(const std::u16string& text) : Variant(std::u16string_view(text)) {}
  Variant(std::string_view utf8);
  Variant(const char* utf8) : Variant(std::string_view(utf8)) {}
  Variant(const std::string& utf8) : Variant(std::string_view(utf8)) {}
  // Object references; a new reference is taken.
  Variant(IUnknown* object);
  Variant(IDispatch* object);
  template <class T>
  Variant(const ComPtr<T>& object) : Variant(object.Get()) {}
  // VT_ERROR with the code; DISP_E_PARAMNOTFOUND marks an omitted argument.
  static Variant Error(SCODE code);
  static Variant Missing() { return Error(DISP_E_PARAMNOTFOUND); }
  // VT_ARRAY|VT_UI1 with a copy of the bytes.
  static Variant Bytes(std::span<const std::uint8_t> bytes);
  // Adopts the content of `v`, which is left empty.
  static Variant Attach(VARIANT& v);

  Variant(const Variant& other);
  Variant(const VARIANT& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  // Gives the content to the caller, who must clear it; this is left empty.
  [[nodiscard]] VARIANT Detach();
  void Clear();
  // Clears and hands out the slot, for [out] VARIANT* parameters.
  VARIANT* Put() {
    Clear();
    return this;
  }
  VARTYPE Type() const { return vt; }

  // Coerces in place, with the rules Invoke applies to arguments.
  HRESULT ChangeType(VARTYPE type);
};

}  // namespace platform
