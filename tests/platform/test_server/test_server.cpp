#include <string>

#include "platform/com_object.h"
#include "platform/dispatch_impl.h"
#include "platform/module_path.h"
#include "platform/registry.h"
#include "platform/server_exports.h"
#include "platform/server_module.h"
#include "platform/simple_class_factory.h"
#include "test_server/test_widget.h"

namespace testserver {
namespace {

using namespace platform;

class TestWidget final : public ComObject<DispatchImpl<ITestWidget>> {
 public:
  explicit TestWidget(IUnknown* outer) : ComObject(outer) {}

  HRESULT Add(std::int32_t a, std::int32_t b, std::int32_t* sum) override {
    if (sum == nullptr) return E_POINTER;
    *sum = a + b;
    return S_OK;
  }
  HRESULT Echo(BSTR text, BSTR* copy) override {
    if (copy == nullptr) return E_POINTER;
    *copy = SysAllocString(BstrView(text));
    return *copy == nullptr ? E_OUTOFMEMORY : S_OK;
  }
  HRESULT get_Value(std::int32_t* value) override {
    if (value == nullptr) return E_POINTER;
    *value = value_;
    return S_OK;
  }
  HRESULT put_Value(std::int32_t value) override {
    value_ = value;
    return S_OK;
  }
  HRESULT Adopt(IUnknown* other) override {
    if (other == nullptr) return E_POINTER;
    ComPtr<ITestWidget> widget;
    if (FAILED(other->QueryInterface(IID_ITestWidget, widget.PutVoid()))) return E_POINTER;
    std::int32_t value = 0;
    widget->get_Value(&value);
    value_ = value;
    return S_OK;
  }

 private:
  void* FindInterface(const IID& iid) override {
    if (iid == IID_IDispatch || iid == IID_ITestWidget) return static_cast<ITestWidget*>(this);
    return nullptr;
  }
  const DispatchTable<ITestWidget>& DispatchDescription() const override {
    static const DispatchTable<ITestWidget> table = DispatchTable<ITestWidget>("ITestWidget")
                                                        .Method(1, "Add", &ITestWidget::Add, {"a", "b"})
                                                        .Method(2, "Echo", &ITestWidget::Echo, {"text"})
                                                        .PropGet(3, "Value", &ITestWidget::get_Value)
                                                        .PropPut(3, "Value", &ITestWidget::put_Value)
                                                        .Method(5, "Adopt", &ITestWidget::Adopt, {"other"});
    return table;
  }

  std::int32_t value_ = 0;
};

HRESULT CreateWidget(IUnknown* outer, const IID& iid, void** out) {
  return CreateAggregatable<TestWidget>(outer, iid, out);
}

}  // namespace
}  // namespace testserver

PLATFORM_SERVER_EXPORT platform::HRESULT DllGetClassObject(const platform::CLSID& rclsid, const platform::IID& riid,
                                                           void** ppv) {
  if (ppv == nullptr) return platform::E_POINTER;
  *ppv = nullptr;
  if (!(rclsid == testserver::CLSID_TestWidget)) return platform::CLASS_E_CLASSNOTAVAILABLE;
  return platform::GetSimpleClassObject(&testserver::CreateWidget, riid, ppv);
}

PLATFORM_SERVER_EXPORT platform::HRESULT DllCanUnloadNow() { return platform::ServerModule::CanUnloadNow(); }

PLATFORM_SERVER_EXPORT platform::HRESULT DllRegisterServer() {
  using platform::RegistryHive;
  using platform::RegistryKey;
  const auto module = platform::ModulePathOf(reinterpret_cast<const void*>(&DllRegisterServer));
  if (!module) return platform::E_FAIL;
  const std::string clsid = platform::FormatGuid(testserver::CLSID_TestWidget);
  const auto versioned = RegistryKey::Create(RegistryHive::kClassesRoot, std::string(testserver::kVersionedProgId) + "\\CLSID");
  const auto current = RegistryKey::Create(RegistryHive::kClassesRoot, std::string(testserver::kProgId) + "\\CurVer");
  const auto server = RegistryKey::Create(RegistryHive::kClassesRoot, "CLSID\\" + clsid + "\\InprocServer32");
  if (!versioned || !current || !server) return platform::E_FAIL;
  const bool ok = versioned->SetString("", clsid) && current->SetString("", testserver::kVersionedProgId) &&
                  server->SetString("", module->string()) && server->SetString("ThreadingModel", "Apartment");
  return ok ? platform::S_OK : platform::E_FAIL;
}

PLATFORM_SERVER_EXPORT platform::HRESULT DllUnregisterServer() {
  using platform::RegistryHive;
  using platform::RegistryKey;
  RegistryKey::Delete(RegistryHive::kClassesRoot, testserver::kVersionedProgId);
  RegistryKey::Delete(RegistryHive::kClassesRoot, testserver::kProgId);
  RegistryKey::Delete(RegistryHive::kClassesRoot, "CLSID\\" + platform::FormatGuid(testserver::CLSID_TestWidget));
  return platform::S_OK;
}
