#pragma once

#include <span>
#include <string_view>

#include "platform/dispatch.h"

namespace platform {

// Late-bound calls from the client side: the name goes through
// GetIDsOfNames, the arguments (given first first) through Invoke as
// VARIANTs. When the object reports DISP_E_EXCEPTION with a failure code in
// its EXCEPINFO, that code is returned instead.

HRESULT GetDispId(IDispatch* object, std::u16string_view name, DISPID* id);

HRESULT DispatchInvoke(IDispatch* object, DISPID id, WORD flags, std::span<const Variant> args, Variant* result,
                       UINT* argErr = nullptr);
HRESULT DispatchInvokeByName(IDispatch* object, std::u16string_view name, WORD flags, std::span<const Variant> args,
                             Variant* result, UINT* argErr = nullptr);

// object.Name(args...), result ignored.
template <class... Args>
HRESULT DispatchCall(IDispatch* object, std::u16string_view name, Args&&... args) {
  const Variant values[] = {Variant(std::forward<Args>(args))..., Variant()};
  return DispatchInvokeByName(object, name, DISPATCH_METHOD, std::span<const Variant>(values, sizeof...(Args)),
                              nullptr);
}

// result = object.Name(args...); also reads a property that takes arguments.
template <class... Args>
HRESULT DispatchCallResult(IDispatch* object, std::u16string_view name, Variant* result, Args&&... args) {
  const Variant values[] = {Variant(std::forward<Args>(args))..., Variant()};
  return DispatchInvokeByName(object, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                              std::span<const Variant>(values, sizeof...(Args)), result);
}

// result = object.Name
HRESULT DispatchGet(IDispatch* object, std::u16string_view name, Variant* result);
// object.Name = value
HRESULT DispatchPut(IDispatch* object, std::u16string_view name, const Variant& value);

}  // namespace platform
