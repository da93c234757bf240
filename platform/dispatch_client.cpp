#include "platform/dispatch_client.h"

#include <string>
#include <vector>

namespace platform {

HRESULT GetDispId(IDispatch* object, std::u16string_view name, DISPID* id) {
  if (object == nullptr || id == nullptr) return E_POINTER;
  std::u16string text(name);  // null-terminated copy
  OLECHAR* names[] = {text.data()};
  return object->GetIDsOfNames(IID_NULL, names, 1, 0, id);
}

HRESULT DispatchInvoke(IDispatch* object, DISPID id, WORD flags, std::span<const Variant> args, Variant* result,
                       UINT* argErr) {
  if (object == nullptr) return E_POINTER;
  // The platform's order: last argument first. The copies borrow.
  std::vector<VARIANT> reversed;
  reversed.reserve(args.size() + 1);
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(static_cast<const VARIANT&>(*it));
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params;
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  params.cArgs = static_cast<UINT>(reversed.size());
  if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0 && !reversed.empty()) {
    // The value (the last argument, rgvarg[0]) goes as the named DISPID_PROPERTYPUT.
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  EXCEPINFO info;
  VARIANT out{};
  UINT err = 0;
  HRESULT hr = object->Invoke(id, IID_NULL, 0, flags, &params, result != nullptr ? &out : nullptr, &info, &err);
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
    if (FAILED(info.scode)) hr = info.scode;
  }
  ClearExcepInfo(info);
  if (argErr != nullptr) *argErr = err;
  if (result != nullptr) {
    if (SUCCEEDED(hr)) {
      *result = Variant::Attach(out);
    } else {
      VariantClear(&out);
    }
  }
  return hr;
}

HRESULT DispatchInvokeByName(IDispatch* object, std::u16string_view name, WORD flags, std::span<const Variant> args,
                             Variant* result, UINT* argErr) {
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = GetDispId(object, name, &id);
  if (FAILED(hr)) return hr;
  return DispatchInvoke(object, id, flags, args, result, argErr);
}

HRESULT DispatchGet(IDispatch* object, std::u16string_view name, Variant* result) {
  return DispatchInvokeByName(object, name, DISPATCH_PROPERTYGET, {}, result);
}

HRESULT DispatchPut(IDispatch* object, std::u16string_view name, const Variant& value) {
  return DispatchInvokeByName(object, name, DISPATCH_PROPERTYPUT, std::span<const Variant>(&value, 1), nullptr);
}

}  // namespace platform
