#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/com_object.h"
#include "platform/dispatch_client.h"
#include "platform/dispatch_impl.h"
#include "platform/server_module.h"

namespace platform {
namespace {

class ISample : public IDispatch {
 public:
  virtual HRESULT Sum(std::int32_t a, std::int32_t b, std::int32_t* sum) = 0;
  virtual HRESULT SetColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT put_Name(BSTR name) = 0;
  virtual HRESULT Describe(std::int16_t s, double d, BSTR text, bool flag, BSTR* out) = 0;
  virtual HRESULT Take(IUnknown* object) = 0;
  virtual HRESULT Optional(std::int32_t a, std::int32_t b, const VARIANT& c) = 0;
  virtual HRESULT Fail() = 0;
  virtual HRESULT Throw() = 0;
  virtual HRESULT get_Count(std::int32_t* count) = 0;
  virtual HRESULT get_Bytes(SAFEARRAY** bytes) = 0;

 protected:
  ~ISample() = default;
};

class Sample final : public ComObject<DispatchImpl<ISample>> {
 public:
  HRESULT Sum(std::int32_t a, std::int32_t b, std::int32_t* sum) override {
    *sum = a + b;
    return S_OK;
  }
  HRESULT SetColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    color = {red, green, blue};
    return S_OK;
  }
  HRESULT get_Name(BSTR* out) override {
    *out = SysAllocString(name.View());
    return S_OK;
  }
  HRESULT put_Name(BSTR value) override {
    name = Bstr(BstrView(value));
    return S_OK;
  }
  HRESULT Describe(std::int16_t s, double d, BSTR text, bool flag, BSTR* out) override {
    const std::string line = std::to_string(s) + "|" + std::to_string(d) + "|" + Bstr(BstrView(text)).ToUtf8() + "|" +
                             (flag ? "true" : "false");
    *out = Bstr::FromUtf8(line).Detach();
    return S_OK;
  }
  HRESULT Take(IUnknown* object) override {
    taken = object;
    return S_OK;
  }
  HRESULT Optional(std::int32_t a, std::int32_t b, const VARIANT& c) override {
    optional = {a, b, static_cast<std::int32_t>(c.vt)};
    return S_OK;
  }
  HRESULT Fail() override { return E_POINTER; }
  HRESULT Throw() override { throw std::runtime_error("broken"); }
  HRESULT get_Count(std::int32_t* count) override {
    *count = 3;
    return S_OK;
  }
  HRESULT get_Bytes(SAFEARRAY** bytes) override {
    const std::uint8_t data[] = {7, 8, 9};
    *bytes = MakeByteArray(data);
    return S_OK;
  }

  std::vector<int> color;
  Bstr name;
  IUnknown* taken = nullptr;
  std::vector<std::int32_t> optional;

 private:
  void* FindInterface(const IID& iid) override {
    if (iid == IID_IDispatch) return static_cast<ISample*>(this);
    return nullptr;
  }
  const DispatchTable<ISample>& DispatchDescription() const override {
    static const DispatchTable<ISample> table =
        DispatchTable<ISample>("ISample")
            .Method(1, "Sum", &ISample::Sum, {"a", "b"})
            .Method(2, "SetColor", &ISample::SetColor, {"red", "green", "blue"})
            .PropGet(3, "Name", &ISample::get_Name)
            .PropPut(3, "Name", &ISample::put_Name)
            .Method(5, "Describe", &ISample::Describe, {"s", "d", "text", "flag"})
            .Method(6, "Take", &ISample::Take, {"object"})
            .Method(7, "Optional", &ISample::Optional, {"a", platform::Optional("b", std::int32_t{7}), platform::Optional("c")})
            .Method(8, "Fail", &ISample::Fail)
            .Method(9, "Throw", &ISample::Throw)
            .PropGet(10, "Count", &ISample::get_Count)
            .PropGet(20, "Bytes", &ISample::get_Bytes);
    return table;
  }
};

class DispatchTableTest : public ::testing::Test {
 protected:
  void TearDown() override {
    object_.Reset();
    EXPECT_EQ(ServerModule::ObjectCount(), baseline_);  // every reference was given back
  }

  // Invoke with the arguments given first first, as the platform lays them out.
  HRESULT Call(DISPID id, WORD flags, std::vector<Variant> args, Variant* result = nullptr, UINT* argErr = nullptr,
               std::vector<DISPID> named = {}) {
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it);
    DISPPARAMS params;
    params.rgvarg = reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    params.rgdispidNamedArgs = named.data();
    params.cNamedArgs = static_cast<UINT>(named.size());
    VARIANT out{};
    const HRESULT hr = sample().Invoke(id, IID_NULL, 0, flags, &params, result ? &out : nullptr, nullptr, argErr);
    if (result != nullptr) *result = Variant::Attach(out);
    return hr;
  }

  Sample& sample() { return *object_; }
  IDispatch* dispatch() { return static_cast<ISample*>(object_.Get()); }

 private:
  long baseline_ = ServerModule::ObjectCount();
  ComPtr<Sample> object_ = MakeObject<Sample>();
};

std::vector<DISPID> Ids(IDispatch* object, std::vector<std::u16string> names, HRESULT* hr) {
  std::vector<OLECHAR*> pointers;
  for (auto& n : names) pointers.push_back(n.data());
  std::vector<DISPID> ids(names.size(), 99);
  *hr = object->GetIDsOfNames(IID_NULL, pointers.data(), static_cast<UINT>(pointers.size()), 0, ids.data());
  return ids;
}

TEST_F(DispatchTableTest, NamesMatchWithoutRegardToCase) {
  HRESULT hr;
  EXPECT_EQ(Ids(dispatch(), {u"sUM"}, &hr), std::vector<DISPID>{1});
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(Ids(dispatch(), {u"setcolor", u"BLUE", u"Red"}, &hr), (std::vector<DISPID>{2, 2, 0}));
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(Ids(dispatch(), {u"name"}, &hr), std::vector<DISPID>{3});
  EXPECT_EQ(Ids(dispatch(), {u"Nope", u"a"}, &hr), (std::vector<DISPID>{DISPID_UNKNOWN, DISPID_UNKNOWN}));
  EXPECT_EQ(hr, DISP_E_UNKNOWNNAME);
  EXPECT_EQ(Ids(dispatch(), {u"Sum", u"c"}, &hr), (std::vector<DISPID>{1, DISPID_UNKNOWN}));
  EXPECT_EQ(hr, DISP_E_UNKNOWNNAME);
  EXPECT_EQ(Ids(dispatch(), {u"Su"}, &hr), std::vector<DISPID>{DISPID_UNKNOWN});
  EXPECT_EQ(Ids(dispatch(), {u"Sums"}, &hr), std::vector<DISPID>{DISPID_UNKNOWN});

  std::u16string name = u"Sum";
  OLECHAR* names[] = {name.data()};
  DISPID id;
  EXPECT_EQ(dispatch()->GetIDsOfNames(IID_IDispatch, names, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
}

TEST_F(DispatchTableTest, PositionalArgumentsArriveLastFirst) {
  ASSERT_EQ(Call(2, DISPATCH_METHOD, {std::int32_t{1}, std::int32_t{2}, std::int32_t{3}}), S_OK);
  EXPECT_EQ(sample().color, (std::vector<int>{1, 2, 3}));
  Variant sum;
  ASSERT_EQ(Call(1, DISPATCH_METHOD, {std::int32_t{40}, std::int32_t{2}}, &sum), S_OK);
  EXPECT_EQ(sum.vt, VT_I4);
  EXPECT_EQ(sum.lVal, 42);
}

TEST_F(DispatchTableTest, EachArgumentIsCoercedToItsDeclaredType) {
  Variant text;
  ASSERT_EQ(Call(5, DISPATCH_METHOD, {11.5, u"2.5", std::int32_t{42}, std::int32_t{1}}, &text), S_OK);
  EXPECT_EQ(Bstr(BstrView(text.bstrVal)).ToUtf8(), "12|2.500000|42|true");
  ASSERT_EQ(Call(2, DISPATCH_METHOD, {10.5, 11.5, -0.5}), S_OK);
  EXPECT_EQ(sample().color, (std::vector<int>{10, 12, 0}));
}

TEST_F(DispatchTableTest, FailedCoercionNamesTheArgument) {
  struct Case {
    std::vector<Variant> args;
    HRESULT hr;
    UINT argErr;
  };
  const Case cases[] = {
      {{std::int32_t{1}, std::int32_t{300}, std::int32_t{3}}, DISP_E_OVERFLOW, 1},
      {{300.0, std::int32_t{2}, std::int32_t{3}}, DISP_E_OVERFLOW, 2},
      {{std::int32_t{1}, std::int32_t{2}, u"abc"}, DISP_E_TYPEMISMATCH, 0},
      {{Variant(dispatch()), std::int32_t{2}, std::int32_t{3}}, DISP_E_TYPEMISMATCH, 2},
  };
  for (const Case& c : cases) {
    UINT argErr = 99;
    EXPECT_EQ(Call(2, DISPATCH_METHOD, c.args, nullptr, &argErr), c.hr);
    EXPECT_EQ(argErr, c.argErr);
  }
  EXPECT_TRUE(sample().color.empty());  // the method never ran
}

TEST_F(DispatchTableTest, WrongCountsAndMissingArguments) {
  EXPECT_EQ(Call(1, DISPATCH_METHOD, {std::int32_t{1}}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(Call(1, DISPATCH_METHOD, {std::int32_t{1}, std::int32_t{2}, std::int32_t{3}}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(Call(8, DISPATCH_METHOD, {std::int32_t{1}}), DISP_E_BADPARAMCOUNT);
  UINT argErr = 99;
  EXPECT_EQ(Call(1, DISPATCH_METHOD, {Variant::Missing(), std::int32_t{2}}, nullptr, &argErr), DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(argErr, 1u);
}

TEST_F(DispatchTableTest, OptionalArgumentsTakeTheirDefaults) {
  ASSERT_EQ(Call(7, DISPATCH_METHOD, {std::int32_t{1}}), S_OK);
  EXPECT_EQ(sample().optional, (std::vector<std::int32_t>{1, 7, VT_ERROR}));
  ASSERT_EQ(Call(7, DISPATCH_METHOD, {std::int32_t{1}, Variant::Missing(), u"x"}), S_OK);
  EXPECT_EQ(sample().optional, (std::vector<std::int32_t>{1, 7, VT_BSTR}));
  ASSERT_EQ(Call(7, DISPATCH_METHOD, {std::int32_t{1}, 2.5}), S_OK);
  EXPECT_EQ(sample().optional, (std::vector<std::int32_t>{1, 2, VT_ERROR}));
}

TEST_F(DispatchTableTest, NamedArguments) {
  Variant sum;
  // Sum(a:=10, b:=5) given as b first by name, a by position.
  ASSERT_EQ(Call(1, DISPATCH_METHOD, {std::int32_t{10}, std::int32_t{5}}, &sum, nullptr, {1}), S_OK);
  EXPECT_EQ(sum.lVal, 15);
  UINT argErr = 99;
  EXPECT_EQ(Call(1, DISPATCH_METHOD, {std::int32_t{10}, std::int32_t{5}}, nullptr, &argErr, {7}), DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(argErr, 0u);
  // The named one collides with the positional one.
  EXPECT_EQ(Call(1, DISPATCH_METHOD, {std::int32_t{10}, std::int32_t{5}}, nullptr, nullptr, {0}), DISP_E_PARAMNOTFOUND);
}

TEST_F(DispatchTableTest, PropertiesGetAndPut) {
  ASSERT_EQ(Call(3, DISPATCH_PROPERTYPUT, {std::int32_t{17}}, nullptr, nullptr, {DISPID_PROPERTYPUT}), S_OK);
  EXPECT_EQ(sample().name.View(), u"17");
  Variant value;
  ASSERT_EQ(Call(3, DISPATCH_PROPERTYGET, {}, &value), S_OK);
  EXPECT_EQ(BstrView(value.bstrVal), u"17");
  ASSERT_EQ(Call(3, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, &value), S_OK);
  EXPECT_EQ(BstrView(value.bstrVal), u"17");
  // A put without its named value, a put on a read-only property, a get called as a method.
  EXPECT_EQ(Call(3, DISPATCH_PROPERTYPUT, {std::int32_t{1}}), DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(Call(10, DISPATCH_PROPERTYPUT, {std::int32_t{1}}, nullptr, nullptr, {DISPID_PROPERTYPUT}),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Call(10, DISPATCH_METHOD, {}, &value), DISP_E_MEMBERNOTFOUND);
  ASSERT_EQ(Call(20, DISPATCH_PROPERTYGET, {}, &value), S_OK);
  ASSERT_EQ(value.vt, VT_ARRAY | VT_UI1);
  EXPECT_EQ(ByteArrayView(value.parray).size(), 3u);
}

TEST_F(DispatchTableTest, UnusedDispidsAreUnknownMembers) {
  for (DISPID id : {4, 19, 0, -1, 1000}) {
    Variant result;
    EXPECT_EQ(Call(id, DISPATCH_METHOD, {}, &result), DISP_E_MEMBERNOTFOUND) << id;
    EXPECT_EQ(Call(id, DISPATCH_PROPERTYGET, {}, &result), DISP_E_MEMBERNOTFOUND) << id;
  }
}

TEST_F(DispatchTableTest, ObjectArgumentsAreLentForTheCall) {
  ComPtr<Sample> other = MakeObject<Sample>();
  IDispatch* otherDispatch = static_cast<ISample*>(other.Get());
  ASSERT_EQ(Call(6, DISPATCH_METHOD, {Variant(otherDispatch)}), S_OK);
  EXPECT_NE(sample().taken, nullptr);
  ASSERT_EQ(Call(6, DISPATCH_METHOD, {Variant()}), S_OK);  // empty is a null object
  EXPECT_EQ(sample().taken, nullptr);
  EXPECT_EQ(Call(6, DISPATCH_METHOD, {std::int32_t{5}}), DISP_E_TYPEMISMATCH);
  // The reference the call took is given back: only ours is left.
  EXPECT_EQ(other->AddRef(), 2u);
  other->Release();
}

TEST_F(DispatchTableTest, FailuresOfTheMethodItself) {
  EXPECT_EQ(Call(8, DISPATCH_METHOD, {}), E_POINTER);
  DISPPARAMS params;
  EXCEPINFO info;
  EXPECT_EQ(dispatch()->Invoke(9, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &info, nullptr), DISP_E_EXCEPTION);
  EXPECT_EQ(BstrView(info.bstrDescription), u"broken");
  ClearExcepInfo(info);
  EXPECT_EQ(dispatch()->Invoke(8, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), E_INVALIDARG);
  EXPECT_EQ(dispatch()->Invoke(8, IID_IDispatch, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  UINT count = 9;
  EXPECT_EQ(dispatch()->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}

TEST_F(DispatchTableTest, ClientHelpersCallByName) {
  Variant result;
  ASSERT_EQ(DispatchCallResult(dispatch(), u"sum", &result, 2.5, u"3"), S_OK);
  EXPECT_EQ(result.lVal, 5);  // 2.5 rounds to 2
  ASSERT_EQ(DispatchCall(dispatch(), u"SetColor", std::int32_t{1}, 2.0, "3"), S_OK);
  EXPECT_EQ(sample().color, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(DispatchCall(dispatch(), u"SetColor", std::int32_t{1}, std::int32_t{300}, std::int32_t{3}),
            DISP_E_OVERFLOW);
  EXPECT_EQ(DispatchCall(dispatch(), u"Unknown"), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(DispatchCall(dispatch(), u"Fail"), E_POINTER);
  EXPECT_EQ(DispatchCall(dispatch(), u"Throw"), E_FAIL);  // the exception's code
  ASSERT_EQ(DispatchPut(dispatch(), u"NAME", Variant("Ünï")), S_OK);
  ASSERT_EQ(DispatchGet(dispatch(), u"name", &result), S_OK);
  EXPECT_EQ(Bstr(BstrView(result.bstrVal)).ToUtf8(), "Ünï");
  EXPECT_EQ(DispatchPut(dispatch(), u"Count", Variant(std::int32_t{1})), DISP_E_MEMBERNOTFOUND);
}

struct Bad : IDispatch {
  HRESULT Two(std::int32_t, std::int32_t) { return S_OK; }
  HRESULT Get(std::int32_t*) { return S_OK; }
};

TEST(DispatchTableDeclaration, MistakesAreCaughtWhenTheTableIsBuilt) {
  DispatchTable<Bad> table("IBad");
  EXPECT_THROW(table.Method(1, "Two", &Bad::Two, {"a"}), std::logic_error);
  table.Method(1, "Two", &Bad::Two, {"a", "b"});
  EXPECT_THROW(table.Method(1, "Two", &Bad::Two), std::logic_error);
  EXPECT_THROW(table.Method(2, "two", &Bad::Two), std::logic_error);  // one name, one DISPID
  EXPECT_THROW(table.PropGet(3, "Three", &Bad::Two), std::logic_error);
  EXPECT_THROW(table.PropPut(4, "Four", &Bad::Get), std::logic_error);
  EXPECT_EQ(table.Members().size(), 1u);
  EXPECT_EQ(table.Find(1, MemberKind::kMethod)->params[1].name, "b");
}

}  // namespace
}  // namespace platform
