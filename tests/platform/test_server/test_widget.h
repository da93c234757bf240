#pragma once

#include <cstdint>

#include "platform/dispatch.h"

// The one class of the test server: "PlatformTest.Widget".
namespace testserver {

// {6A1C2F10-0B1E-4C53-9E21-5D3B7A4C0001}
inline constexpr platform::CLSID CLSID_TestWidget{
    0x6A1C2F10, 0x0B1E, 0x4C53, {0x9E, 0x21, 0x5D, 0x3B, 0x7A, 0x4C, 0x00, 0x01}};
// {6A1C2F10-0B1E-4C53-9E21-5D3B7A4C0002}
inline constexpr platform::IID IID_ITestWidget{
    0x6A1C2F10, 0x0B1E, 0x4C53, {0x9E, 0x21, 0x5D, 0x3B, 0x7A, 0x4C, 0x00, 0x02}};

inline constexpr const char* kProgId = "PlatformTest.Widget";
inline constexpr const char* kVersionedProgId = "PlatformTest.Widget.1";

class ITestWidget : public platform::IDispatch {
 public:
  virtual platform::HRESULT Add(std::int32_t a, std::int32_t b, std::int32_t* sum) = 0;       // DISPID 1
  virtual platform::HRESULT Echo(platform::BSTR text, platform::BSTR* copy) = 0;             // DISPID 2
  virtual platform::HRESULT get_Value(std::int32_t* value) = 0;                              // DISPID 3
  virtual platform::HRESULT put_Value(std::int32_t value) = 0;                               // DISPID 3
  virtual platform::HRESULT Adopt(platform::IUnknown* other) = 0;  // DISPID 5; E_POINTER without ITestWidget

 protected:
  ~ITestWidget() = default;
};

}  // namespace testserver
