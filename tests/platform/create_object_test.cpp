#include <gtest/gtest.h>

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>

#include "platform/create_object.h"
#include "platform/dispatch_client.h"
#include "platform/registry.h"
#include "platform/server_exports.h"
#include "platform/server_registration.h"
#include "support/temp_env.h"
#include "test_server/test_widget.h"

namespace platform {
namespace {

// Loads the test server the way a registration tool does, to call its exports.
class TestServer {
 public:
  TestServer() : handle_(dlopen(PLATFORM_TEST_SERVER_PATH, RTLD_NOW | RTLD_LOCAL)) {}
  ~TestServer() {
    if (handle_ != nullptr) dlclose(handle_);
  }
  TestServer(const TestServer&) = delete;
  TestServer& operator=(const TestServer&) = delete;

  template <class Function>
  Function Export(const char* name) const {
    return handle_ == nullptr ? nullptr : reinterpret_cast<Function>(dlsym(handle_, name));
  }
  HRESULT Register() const { return Export<DllRegisterServerFunction>(kDllRegisterServer)(); }
  HRESULT Unregister() const { return Export<DllUnregisterServerFunction>(kDllUnregisterServer)(); }
  HRESULT CanUnloadNow() const { return Export<DllCanUnloadNowFunction>(kDllCanUnloadNow)(); }
  bool Loaded() const { return handle_ != nullptr; }

 private:
  void* handle_;
};

class CreateObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    saved_ = old != nullptr ? old : "";
    setenv("XDG_CONFIG_HOME", testsupport::FreshDir("classes").c_str(), 1);
    ASSERT_TRUE(server_.Loaded()) << dlerror();
  }
  void TearDown() override { setenv("XDG_CONFIG_HOME", saved_.c_str(), 1); }

  TestServer server_;

 private:
  std::string saved_;
};

TEST_F(CreateObjectTest, RegisteredClassIsCreatedByProgIdAndCalledLateBound) {
  ASSERT_EQ(server_.Register(), S_OK);
  const auto server = RegistryKey::Open(RegistryHive::kClassesRoot,
                                        "CLSID\\" + FormatGuid(testserver::CLSID_TestWidget) + "\\InprocServer32");
  ASSERT_TRUE(server);
  EXPECT_EQ(std::filesystem::path(*server->String("")), std::filesystem::canonical(PLATFORM_TEST_SERVER_PATH));

  for (const char* progid : {"PlatformTest.Widget", "platformtest.widget.1", "PLATFORMTEST.WIDGET"}) {
    SCOPED_TRACE(progid);
    ComPtr<IDispatch> widget;
    ASSERT_EQ(CreateObject(std::string_view(progid), &widget), S_OK) << LastCreateObjectError();
    ASSERT_TRUE(widget);
    Variant sum;
    ASSERT_EQ(DispatchCallResult(widget.Get(), u"add", &sum, 10.5, u"11.5"), S_OK);
    EXPECT_EQ(sum.lVal, 22);  // 10 + 12: halves to even
    ASSERT_EQ(DispatchPut(widget.Get(), u"Value", Variant(std::int32_t{7})), S_OK);
    Variant value;
    ASSERT_EQ(DispatchGet(widget.Get(), u"VALUE", &value), S_OK);
    EXPECT_EQ(value.lVal, 7);
    Variant echo;
    ASSERT_EQ(DispatchCallResult(widget.Get(), u"Echo", &echo, "x\xC3\xA9"), S_OK);
    EXPECT_EQ(BstrView(echo.bstrVal), u"x\u00E9");
    EXPECT_EQ(DispatchCall(widget.Get(), u"Adopt", std::int32_t{1}), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(DispatchCall(widget.Get(), u"Adopt", Variant()), E_POINTER);
    EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);  // every object was released
}

TEST_F(CreateObjectTest, ObjectsOfTheServerPassEachOtherAsArguments) {
  ASSERT_EQ(server_.Register(), S_OK);
  ComPtr<IDispatch> a, b;
  ASSERT_EQ(CreateObject("PlatformTest.Widget", &a), S_OK);
  ASSERT_EQ(CreateObject("PlatformTest.Widget", &b), S_OK);
  ASSERT_EQ(DispatchPut(b.Get(), u"Value", Variant(std::int32_t{5})), S_OK);
  ASSERT_EQ(DispatchCall(a.Get(), u"Adopt", b), S_OK);
  Variant value;
  ASSERT_EQ(DispatchGet(a.Get(), u"Value", &value), S_OK);
  EXPECT_EQ(value.lVal, 5);
  ComPtr<testserver::ITestWidget> direct;
  ASSERT_EQ(a.As(testserver::IID_ITestWidget, &direct), S_OK);
  std::int32_t sum = 0;
  EXPECT_EQ(direct->Add(2, 3, &sum), S_OK);
  EXPECT_EQ(sum, 5);
}

TEST_F(CreateObjectTest, UnknownClassesFailCleanly) {
  ComPtr<IDispatch> object;
  EXPECT_EQ(CreateObject("PlatformTest.Widget", &object), CO_E_CLASSSTRING);
  EXPECT_FALSE(object);
  EXPECT_EQ(CreateObject("", &object), CO_E_CLASSSTRING);
  EXPECT_EQ(CreateObject("A\\B", &object), CO_E_CLASSSTRING);

  // A ProgID whose class has no server entry.
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kClassesRoot, "Ghost.Class\\CLSID")
                  ->SetString("", "{11111111-2222-3333-4444-555555555555}"));
  EXPECT_EQ(CreateObject("Ghost.Class", &object), REGDB_E_CLASSNOTREG);
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kClassesRoot, "Bad.Class\\CLSID")->SetString("", "not a guid"));
  EXPECT_EQ(CreateObject("Bad.Class", &object), CO_E_CLASSSTRING);

  // A server entry that names a missing file, a relative name, a file that is not a library.
  const auto inproc = RegistryKey::Create(RegistryHive::kClassesRoot,
                                          "CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32");
  ASSERT_TRUE(inproc->SetString("", (testsupport::FreshDir() / "missing.so").string()));
  EXPECT_EQ(CreateObject("Ghost.Class", &object), E_MODULE_NOT_FOUND);
  EXPECT_FALSE(LastCreateObjectError().empty());
  ASSERT_TRUE(inproc->SetString("", "libc.so.6"));
  EXPECT_EQ(CreateObject("Ghost.Class", &object), E_MODULE_NOT_FOUND);

  // The test server loaded for a class it does not serve.
  ASSERT_TRUE(inproc->SetString("", PLATFORM_TEST_SERVER_PATH));
  EXPECT_EQ(CreateObject("Ghost.Class", &object), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_FALSE(object);
}

TEST_F(CreateObjectTest, UnregistrationRemovesTheClass) {
  ASSERT_EQ(server_.Register(), S_OK);
  ComPtr<IDispatch> object;
  ASSERT_EQ(CreateObject("PlatformTest.Widget", &object), S_OK);
  object.Reset();
  ASSERT_EQ(server_.Unregister(), S_OK);
  EXPECT_FALSE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID\\" + FormatGuid(testserver::CLSID_TestWidget)));
  EXPECT_TRUE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID"));
  EXPECT_EQ(CreateObject("PlatformTest.Widget", &object), CO_E_CLASSSTRING);
}

TEST_F(CreateObjectTest, RegistrationToolCallsTheModuleEntryPoints) {
  ASSERT_EQ(RegisterServerModule(PLATFORM_TEST_SERVER_PATH), S_OK);
  EXPECT_TRUE(RegistryKey::Open(RegistryHive::kClassesRoot, "PlatformTest.Widget.1\\CLSID"));
  ASSERT_EQ(RegisterServerModule(PLATFORM_TEST_SERVER_PATH, true), S_OK);
  EXPECT_FALSE(RegistryKey::Open(RegistryHive::kClassesRoot, "PlatformTest.Widget.1"));
  EXPECT_EQ(RegisterServerModule(testsupport::FreshDir() / "none.so"), E_MODULE_NOT_FOUND);
}

// An outer object that aggregates a widget, the usual way.
class Outer final : public IUnknown {
 public:
  HRESULT Init() {
    return CreateInstance(testserver::CLSID_TestWidget, this, IID_IUnknown, reinterpret_cast<void**>(&inner_));
  }
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown) {
      *out = static_cast<IUnknown*>(this);
      AddRef();
      return S_OK;
    }
    return inner_->QueryInterface(iid, out);
  }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    const ULONG left = --refs_;
    if (left == 0) {
      if (inner_ != nullptr) inner_->Release();
      inner_ = nullptr;
    }
    return left;
  }
  ULONG Refs() const { return refs_; }

 private:
  std::atomic<ULONG> refs_{1};
  IUnknown* inner_ = nullptr;
};

TEST_F(CreateObjectTest, AggregationDelegatesToTheOuterObject) {
  ASSERT_EQ(server_.Register(), S_OK);
  Outer outer;
  ASSERT_EQ(outer.Init(), S_OK);
  EXPECT_EQ(outer.Refs(), 1u);
  {
    ComPtr<testserver::ITestWidget> widget;
    ASSERT_EQ(outer.QueryInterface(testserver::IID_ITestWidget, widget.PutVoid()), S_OK);
    EXPECT_EQ(outer.Refs(), 2u);  // the inner object counts on the outer one
    ComPtr<IUnknown> identity;
    ASSERT_EQ(widget->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    EXPECT_EQ(identity.Get(), static_cast<IUnknown*>(&outer));
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(widget.As(IID_IDispatch, &dispatch), S_OK);
    EXPECT_EQ(DispatchPut(dispatch.Get(), u"Value", Variant(std::int32_t{3})), S_OK);
  }
  EXPECT_EQ(outer.Refs(), 1u);
  EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
  outer.Release();
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);

  // Aggregated, only IUnknown may be asked for.
  Outer second;
  void* out = &second;
  EXPECT_EQ(CreateInstance(testserver::CLSID_TestWidget, &second, IID_IDispatch, &out), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  second.Release();
}

TEST_F(CreateObjectTest, ClassFactoryLocksKeepTheServer) {
  ASSERT_EQ(server_.Register(), S_OK);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(GetClassObject(testserver::CLSID_TestWidget, IID_IClassFactory, factory.PutVoid()), S_OK);
  EXPECT_EQ(factory->LockServer(true), S_OK);
  factory.Reset();
  EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
  ASSERT_EQ(GetClassObject(testserver::CLSID_TestWidget, IID_IClassFactory, factory.PutVoid()), S_OK);
  EXPECT_EQ(factory->LockServer(false), S_OK);
  EXPECT_EQ(GetClassObject(testserver::CLSID_TestWidget, IID_IDispatch, factory.PutVoid()), E_NOINTERFACE);
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);
  FreeUnusedLibraries();  // the test still holds its own handle, so nothing goes away
  ComPtr<IDispatch> object;
  EXPECT_EQ(CreateObject("PlatformTest.Widget", &object), S_OK);
}

}  // namespace
}  // namespace platform
