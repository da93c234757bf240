#include <gtest/gtest.h>

#include <cstring>

#include "platform/bstr.h"
#include "platform/safearray.h"
#include "platform/utf.h"
#include "platform/variant.h"

namespace platform {
namespace {

TEST(Bstr, IsLengthPrefixedAndTerminated) {
  const char16_t text[] = {u'a', 0, u'b'};
  BSTR b = SysAllocStringLen(text, 3);
  ASSERT_NE(b, nullptr);
  std::uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<char*>(b) - 4, 4);
  EXPECT_EQ(bytes, 6u);
  EXPECT_EQ(SysStringLen(b), 3u);  // the embedded zero counts
  EXPECT_EQ(SysStringByteLen(b), 6u);
  EXPECT_EQ(b[3], 0);
  EXPECT_EQ(BstrView(b), std::u16string_view(text, 3));
  SysFreeString(b);
}

TEST(Bstr, NullIsTheEmptyString) {
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_TRUE(BstrView(nullptr).empty());
  EXPECT_EQ(SysAllocString(static_cast<const OLECHAR*>(nullptr)), nullptr);
  SysFreeString(nullptr);
  BSTR empty = SysAllocString(std::u16string_view());
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(SysStringLen(empty), 0u);
  SysFreeString(empty);
}

TEST(Bstr, WrapperOwnsCopiesAndHandsOver) {
  Bstr a = Bstr::FromUtf8("Größe 文字");
  EXPECT_EQ(a.ToUtf8(), "Größe 文字");
  Bstr b = a;
  EXPECT_NE(a.Get(), b.Get());
  EXPECT_EQ(a.View(), b.View());
  Bstr c = std::move(b);
  EXPECT_EQ(b.Get(), nullptr);
  BSTR raw = c.Detach();
  EXPECT_TRUE(c.Empty());
  Bstr d = Bstr::Attach(raw);
  EXPECT_EQ(d.View(), a.View());
  ASSERT_TRUE(SysReAllocString(d.Put(), u"x"));
  EXPECT_EQ(d.View(), u"x");
}

TEST(Utf, RoundTripsAndReplacesInvalidInput) {
  const std::string text = "A\xC3\xA9\xE6\x96\x87\xF0\x9F\x98\x80";  // A é 文 😀
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide, u"A\u00E9\u6587\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(wide), text);
  EXPECT_EQ(Utf8ToUtf16("a\xC0\xAF" "b"), u"a\uFFFD\uFFFDb");  // overlong
  EXPECT_EQ(Utf8ToUtf16("a\xE6\x96"), u"a\uFFFD");             // truncated
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");          // surrogate
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(SafeArray, ByteVectorHasOneDimensionLowerBoundZero) {
  const std::uint8_t bytes[] = {1, 2, 3};
  SAFEARRAY* array = MakeByteArray(bytes);
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(SafeArrayGetDim(array), 1u);
  EXPECT_EQ(SafeArrayGetElemsize(array), 1u);
  LONG lo = -1, hi = -1;
  EXPECT_EQ(SafeArrayGetLBound(array, 1, &lo), S_OK);
  EXPECT_EQ(SafeArrayGetUBound(array, 1, &hi), S_OK);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 2);
  void* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(array, &data), S_OK);
  EXPECT_EQ(SafeArrayDestroy(array), E_UNEXPECTED);  // locked while accessed
  EXPECT_EQ(static_cast<std::uint8_t*>(data)[2], 3);
  EXPECT_EQ(SafeArrayUnaccessData(array), S_OK);
  EXPECT_EQ(SafeArrayCreateVector(VT_I4, 0, 3), nullptr);
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(Variant, CopyIsDeepAndClearFrees) {
  const std::uint8_t bytes[] = {9, 8};
  Variant text(u"hello");
  Variant array = Variant::Bytes(bytes);
  Variant textCopy = text;
  Variant arrayCopy = array;
  EXPECT_NE(textCopy.bstrVal, text.bstrVal);
  EXPECT_EQ(BstrView(textCopy.bstrVal), u"hello");
  EXPECT_NE(arrayCopy.parray, array.parray);
  EXPECT_EQ(ByteArrayView(arrayCopy.parray)[1], 8);
  text.Clear();
  EXPECT_EQ(text.vt, VT_EMPTY);
  EXPECT_EQ(BstrView(textCopy.bstrVal), u"hello");
  VARIANT raw = arrayCopy.Detach();
  EXPECT_EQ(arrayCopy.vt, VT_EMPTY);
  EXPECT_EQ(VariantClear(&raw), S_OK);
  EXPECT_EQ(raw.vt, VT_EMPTY);
}

TEST(Variant, ConstructorsPickTheirTypes) {
  EXPECT_EQ(Variant(std::int32_t{5}).vt, VT_I4);
  EXPECT_EQ(Variant(std::int16_t{5}).vt, VT_I2);
  EXPECT_EQ(Variant(std::uint8_t{5}).vt, VT_UI1);
  EXPECT_EQ(Variant(2.5).vt, VT_R8);
  EXPECT_EQ(Variant(2.5f).vt, VT_R4);
  const Variant yes(true);
  EXPECT_EQ(yes.vt, VT_BOOL);
  EXPECT_EQ(yes.boolVal, VARIANT_TRUE);
  const Variant utf8("é");
  EXPECT_EQ(utf8.vt, VT_BSTR);
  EXPECT_EQ(BstrView(utf8.bstrVal), u"\u00E9");
  const Variant missing = Variant::Missing();
  EXPECT_EQ(missing.vt, VT_ERROR);
  EXPECT_EQ(missing.scode, DISP_E_PARAMNOTFOUND);
}

TEST(Variant, CopyIndFollowsReferencesAndClearLeavesThemAlone) {
  std::int32_t number = 42;
  BSTR text = SysAllocString(u"ref");
  VARIANT byNumber{};
  byNumber.vt = VT_I4 | VT_BYREF;
  byNumber.plVal = &number;
  VARIANT byText{};
  byText.vt = VT_BSTR | VT_BYREF;
  byText.pbstrVal = &text;
  Variant a, b;
  EXPECT_EQ(VariantCopyInd(&a, &byNumber), S_OK);
  EXPECT_EQ(a.vt, VT_I4);
  EXPECT_EQ(a.lVal, 42);
  EXPECT_EQ(VariantCopyInd(&b, &byText), S_OK);
  EXPECT_EQ(BstrView(b.bstrVal), u"ref");
  EXPECT_NE(b.bstrVal, text);
  EXPECT_EQ(VariantClear(&byText), S_OK);  // does not free the referenced string
  EXPECT_EQ(BstrView(text), u"ref");
  SysFreeString(text);
}

TEST(Variant, UnknownTypesAreRejected) {
  VARIANT odd{};
  odd.vt = 0x55;
  EXPECT_EQ(VariantClear(&odd), DISP_E_BADVARTYPE);
  Variant target;
  EXPECT_EQ(VariantCopy(&target, &odd), DISP_E_BADVARTYPE);
}

}  // namespace
}  // namespace platform
