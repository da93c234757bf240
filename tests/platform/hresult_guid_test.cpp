#include <gtest/gtest.h>

#include <unordered_set>

#include "platform/guid.h"
#include "platform/hresult.h"

namespace platform {
namespace {

TEST(HResult, CodesHaveTheirStandardValuesAndNames) {
  struct Case {
    HRESULT code;
    std::uint32_t bits;
    const char* name;
  };
  const Case cases[] = {
      {S_OK, 0x00000000u, "S_OK"},
      {S_FALSE, 0x00000001u, "S_FALSE"},
      {E_POINTER, 0x80004003u, "E_POINTER"},
      {E_NOINTERFACE, 0x80004002u, "E_NOINTERFACE"},
      {E_INVALIDARG, 0x80070057u, "E_INVALIDARG"},
      {E_OUTOFMEMORY, 0x8007000Eu, "E_OUTOFMEMORY"},
      {CLASS_E_CLASSNOTAVAILABLE, 0x80040111u, "CLASS_E_CLASSNOTAVAILABLE"},
      {CLASS_E_NOAGGREGATION, 0x80040110u, "CLASS_E_NOAGGREGATION"},
      {DISP_E_UNKNOWNNAME, 0x80020006u, "DISP_E_UNKNOWNNAME"},
      {DISP_E_MEMBERNOTFOUND, 0x80020003u, "DISP_E_MEMBERNOTFOUND"},
      {DISP_E_TYPEMISMATCH, 0x80020005u, "DISP_E_TYPEMISMATCH"},
      {DISP_E_OVERFLOW, 0x8002000Au, "DISP_E_OVERFLOW"},
      {DISP_E_BADPARAMCOUNT, 0x8002000Eu, "DISP_E_BADPARAMCOUNT"},
      {DISP_E_PARAMNOTOPTIONAL, 0x8002000Fu, "DISP_E_PARAMNOTOPTIONAL"},
      {DISP_E_PARAMNOTFOUND, 0x80020004u, "DISP_E_PARAMNOTFOUND"},
      {REGDB_E_CLASSNOTREG, 0x80040154u, "REGDB_E_CLASSNOTREG"},
      {CO_E_CLASSSTRING, 0x800401F3u, "CO_E_CLASSSTRING"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<std::uint32_t>(c.code), c.bits) << c.name;
    EXPECT_STREQ(HResultName(c.code), c.name);
  }
  EXPECT_STREQ(HResultName(MakeHResult(0x80001234u)), "");
  EXPECT_EQ(FormatHResult(E_POINTER), "0x80004003");
  EXPECT_EQ(FormatHResult(S_FALSE), "0x00000001");
}

TEST(HResult, SuccessIsNotNegative) {
  EXPECT_TRUE(SUCCEEDED(S_OK));
  EXPECT_TRUE(SUCCEEDED(S_FALSE));
  EXPECT_TRUE(FAILED(E_POINTER));
  EXPECT_FALSE(FAILED(S_FALSE));
}

TEST(Guid, ParsesAndFormatsTheBracedForm) {
  const auto g = ParseGuid("{0dd77391-686b-11d4-b367-d4475fdff33a}");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->Data1, 0x0DD77391u);
  EXPECT_EQ(g->Data2, 0x686B);
  EXPECT_EQ(g->Data3, 0x11D4);
  EXPECT_EQ(g->Data4[0], 0xB3);
  EXPECT_EQ(g->Data4[7], 0x3A);
  EXPECT_EQ(FormatGuid(*g), "{0DD77391-686B-11D4-B367-D4475FDFF33A}");
  EXPECT_EQ(ParseGuid(u"{0DD77391-686B-11D4-B367-D4475FDFF33A}"), g);
}

TEST(Guid, RejectsMalformedText) {
  for (const char* bad : {"", "0DD77391-686B-11D4-B367-D4475FDFF33A", "{0DD77391-686B-11D4-B367-D4475FDFF33}",
                          "{0DD77391-686B-11D4-B367-D4475FDFF33AA}", "{0DD77391x686B-11D4-B367-D4475FDFF33A}",
                          "{0DD7739G-686B-11D4-B367-D4475FDFF33A}", "{0DD77391-686B-11D4-B367-D4475FDFF33A"}) {
    EXPECT_FALSE(ParseGuid(bad)) << bad;
  }
}

TEST(Guid, EqualityAndHashing) {
  const GUID a = *ParseGuid("{0DD77391-686B-11D4-B367-D4475FDFF33A}");
  const GUID b = *ParseGuid("{0DD7739D-686B-11D4-B367-D4475FDFF33A}");
  EXPECT_FALSE(a == b);
  std::unordered_set<GUID> set{a, b, a};
  EXPECT_EQ(set.size(), 2u);
  EXPECT_TRUE(set.contains(*ParseGuid("{0dd7739d-686b-11d4-b367-d4475fdff33a}")));
}

}  // namespace
}  // namespace platform
