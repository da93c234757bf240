#pragma once

#include <cstdint>
#include <type_traits>

#include "platform/dispatch.h"

namespace platform {

// How a C++ parameter type of a dispatched method maps to its declared
// automation type, and how the coerced argument is handed to it.
template <class T>
struct DispatchArgument;  // not a supported parameter type

#define PLATFORM_DISPATCH_ARGUMENT(Type, VarType, Member) \
  template <>                                             \
  struct DispatchArgument<Type> {                         \
    static constexpr VARTYPE kType = VarType;             \
    static Type Get(VARIANT& v) { return v.Member; }      \
  };
PLATFORM_DISPATCH_ARGUMENT(std::int16_t, VT_I2, iVal)
PLATFORM_DISPATCH_ARGUMENT(std::int32_t, VT_I4, lVal)
PLATFORM_DISPATCH_ARGUMENT(std::uint8_t, VT_UI1, bVal)
PLATFORM_DISPATCH_ARGUMENT(float, VT_R4, fltVal)
PLATFORM_DISPATCH_ARGUMENT(double, VT_R8, dblVal)
PLATFORM_DISPATCH_ARGUMENT(BSTR, VT_BSTR, bstrVal)
PLATFORM_DISPATCH_ARGUMENT(IUnknown*, VT_UNKNOWN, punkVal)
PLATFORM_DISPATCH_ARGUMENT(IDispatch*, VT_DISPATCH, pdispVal)
PLATFORM_DISPATCH_ARGUMENT(SAFEARRAY*, VT_ARRAY | VT_UI1, parray)
#undef PLATFORM_DISPATCH_ARGUMENT

template <>
struct DispatchArgument<bool> {
  static constexpr VARTYPE kType = VT_BOOL;
  static bool Get(VARIANT& v) { return v.boolVal != 0; }
};

// Any value, as given (references followed).
template <>
struct DispatchArgument<const VARIANT&> {
  static constexpr VARTYPE kType = VT_VARIANT;
  static const VARIANT& Get(VARIANT& v) { return v; }
};

// The [out, retval] parameter: a pointer to one of these, last in the list.
template <class T>
struct DispatchResult {
  static constexpr bool kIsResult = false;
};

#define PLATFORM_DISPATCH_RESULT(Type, VarType, Member)            \
  template <>                                                      \
  struct DispatchResult<Type*> {                                   \
    static constexpr bool kIsResult = true;                        \
    static constexpr VARTYPE kType = VarType;                      \
    using Storage = Type;                                          \
    static void Store(Storage& value, VARIANT* out) {              \
      out->vt = VarType;                                           \
      out->Member = value;                                         \
    }                                                              \
  };
PLATFORM_DISPATCH_RESULT(std::int16_t, VT_I2, iVal)
PLATFORM_DISPATCH_RESULT(std::int32_t, VT_I4, lVal)
PLATFORM_DISPATCH_RESULT(std::uint8_t, VT_UI1, bVal)
PLATFORM_DISPATCH_RESULT(float, VT_R4, fltVal)
PLATFORM_DISPATCH_RESULT(double, VT_R8, dblVal)
PLATFORM_DISPATCH_RESULT(BSTR, VT_BSTR, bstrVal)
PLATFORM_DISPATCH_RESULT(IUnknown*, VT_UNKNOWN, punkVal)
PLATFORM_DISPATCH_RESULT(IDispatch*, VT_DISPATCH, pdispVal)
PLATFORM_DISPATCH_RESULT(SAFEARRAY*, VT_ARRAY | VT_UI1, parray)
#undef PLATFORM_DISPATCH_RESULT

template <>
struct DispatchResult<bool*> {
  static constexpr bool kIsResult = true;
  static constexpr VARTYPE kType = VT_BOOL;
  using Storage = bool;
  static void Store(Storage& value, VARIANT* out) {
    out->vt = VT_BOOL;
    out->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
};

// A VARIANT result is moved out as it is.
template <>
struct DispatchResult<VARIANT*> {
  static constexpr bool kIsResult = true;
  static constexpr VARTYPE kType = VT_VARIANT;
  using Storage = VARIANT;
  static void Store(Storage& value, VARIANT* out) {
    *out = value;
    value = VARIANT{};
  }
};

}  // namespace platform
