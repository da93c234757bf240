#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/utf.h"
#include "platform/variant_coercion.h"

namespace platform {
namespace {

std::string Describe(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: return "empty";
    case VT_I2: return "I2 " + std::to_string(v.iVal);
    case VT_I4: return "I4 " + std::to_string(v.lVal);
    case VT_UI1: return "UI1 " + std::to_string(v.bVal);
    case VT_R4: return "R4 " + std::to_string(v.fltVal);
    case VT_R8: return "R8 " + std::to_string(v.dblVal);
    case VT_BOOL: return "BOOL " + std::to_string(v.boolVal);
    case VT_BSTR: return "BSTR \"" + Utf16ToUtf8(BstrView(v.bstrVal)) + "\"";
    case VT_UNKNOWN: return v.punkVal == nullptr ? "UNKNOWN null" : "UNKNOWN";
    case VT_DISPATCH: return v.pdispVal == nullptr ? "DISPATCH null" : "DISPATCH";
    default: return "vt " + std::to_string(v.vt);
  }
}

Variant Null() {
  Variant v;
  v.vt = VT_NULL;
  return v;
}

Variant NullDispatch() { return Variant(static_cast<IDispatch*>(nullptr)); }

struct Case {
  Variant input;
  VARTYPE target;
  HRESULT hr;
  Variant expected;  // when hr is S_OK
};

TEST(VariantCoercion, FollowsTheAutomationRules) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      // Reals to integers: round half to even, then check the range.
      {10.5, VT_I4, S_OK, std::int32_t{10}},
      {11.5, VT_I4, S_OK, std::int32_t{12}},
      {-2.5, VT_I4, S_OK, std::int32_t{-2}},
      {-1.5, VT_I4, S_OK, std::int32_t{-2}},
      {0.5, VT_I4, S_OK, std::int32_t{0}},
      {0.6, VT_I4, S_OK, std::int32_t{1}},
      {2147483647.49, VT_I4, S_OK, std::int32_t{2147483647}},
      {2147483647.5, VT_I4, DISP_E_OVERFLOW, {}},
      {-2147483648.5, VT_I4, S_OK, std::int32_t{-2147483647 - 1}},
      {-2147483648.51, VT_I4, DISP_E_OVERFLOW, {}},
      {nan, VT_I4, DISP_E_OVERFLOW, {}},
      {32767.49, VT_I2, S_OK, std::int16_t{32767}},
      {32767.5, VT_I2, DISP_E_OVERFLOW, {}},
      {-32768.5, VT_I2, S_OK, std::int16_t{-32768}},
      {40000.0, VT_I2, DISP_E_OVERFLOW, {}},
      {std::int32_t{40000}, VT_I2, DISP_E_OVERFLOW, {}},
      {255.49, VT_UI1, S_OK, std::uint8_t{255}},
      {255.5, VT_UI1, DISP_E_OVERFLOW, {}},
      {-0.5, VT_UI1, S_OK, std::uint8_t{0}},
      {-0.51, VT_UI1, DISP_E_OVERFLOW, {}},
      {std::int32_t{300}, VT_UI1, DISP_E_OVERFLOW, {}},
      {300.0, VT_UI1, DISP_E_OVERFLOW, {}},
      {std::int32_t{-1}, VT_UI1, DISP_E_OVERFLOW, {}},
      {1e300, VT_R4, DISP_E_OVERFLOW, {}},
      {std::int32_t{7}, VT_R8, S_OK, 7.0},
      {std::uint8_t{200}, VT_I2, S_OK, std::int16_t{200}},
      // Strings to numbers, in a fixed English locale.
      {u"12", VT_I4, S_OK, std::int32_t{12}},
      {u"  12 ", VT_I4, S_OK, std::int32_t{12}},
      {u"1.5", VT_I4, S_OK, std::int32_t{2}},
      {u"0.5", VT_I4, S_OK, std::int32_t{0}},
      {u"-7", VT_I4, S_OK, std::int32_t{-7}},
      {u"7-", VT_I4, S_OK, std::int32_t{-7}},
      {u"(5)", VT_I4, S_OK, std::int32_t{-5}},
      {u"1,000", VT_I4, S_OK, std::int32_t{1000}},
      {u"1e3", VT_I4, S_OK, std::int32_t{1000}},
      {u"&HFF", VT_I4, S_OK, std::int32_t{255}},
      {u"&o17", VT_I4, S_OK, std::int32_t{15}},
      {u"2.25", VT_R8, S_OK, 2.25},
      {u"300", VT_UI1, DISP_E_OVERFLOW, {}},
      {u"99999999999", VT_I4, DISP_E_OVERFLOW, {}},
      {u"abc", VT_I4, DISP_E_TYPEMISMATCH, {}},
      {u"12abc", VT_I4, DISP_E_TYPEMISMATCH, {}},
      {u"", VT_I4, DISP_E_TYPEMISMATCH, {}},
      {u"   ", VT_I4, DISP_E_TYPEMISMATCH, {}},
      {u"1e", VT_I4, DISP_E_TYPEMISMATCH, {}},
      {u"&H", VT_I4, DISP_E_TYPEMISMATCH, {}},
      // Booleans are -1 and 0; to a byte, true wraps to 255.
      {true, VT_I4, S_OK, std::int32_t{-1}},
      {true, VT_I2, S_OK, std::int16_t{-1}},
      {true, VT_UI1, S_OK, std::uint8_t{255}},
      {false, VT_I4, S_OK, std::int32_t{0}},
      {std::int32_t{5}, VT_BOOL, S_OK, true},
      {0.0, VT_BOOL, S_OK, false},
      {u"True", VT_BOOL, S_OK, true},
      {u"false", VT_BOOL, S_OK, false},
      {u"2", VT_BOOL, S_OK, true},
      // Empty is zero, "", false, a null object.
      {Variant(), VT_I4, S_OK, std::int32_t{0}},
      {Variant(), VT_UI1, S_OK, std::uint8_t{0}},
      {Variant(), VT_R8, S_OK, 0.0},
      {Variant(), VT_BSTR, S_OK, u""},
      {Variant(), VT_BOOL, S_OK, false},
      {Variant(), VT_UNKNOWN, S_OK, Variant(static_cast<IUnknown*>(nullptr))},
      {Variant(), VT_DISPATCH, S_OK, NullDispatch()},
      // Null, objects and errors are not numbers.
      {Null(), VT_I4, DISP_E_TYPEMISMATCH, {}},
      {NullDispatch(), VT_I4, DISP_E_TYPEMISMATCH, {}},
      {NullDispatch(), VT_BSTR, DISP_E_TYPEMISMATCH, {}},
      {Variant::Missing(), VT_I4, DISP_E_TYPEMISMATCH, {}},
      {std::int32_t{1}, VT_DISPATCH, DISP_E_TYPEMISMATCH, {}},
      // Numbers to strings.
      {std::int32_t{42}, VT_BSTR, S_OK, u"42"},
      {std::int16_t{-3}, VT_BSTR, S_OK, u"-3"},
      {10.5, VT_BSTR, S_OK, u"10.5"},
      {1e20, VT_BSTR, S_OK, u"1E+20"},
      {0.1, VT_BSTR, S_OK, u"0.1"},
      {true, VT_BSTR, S_OK, u"-1"},
      // Unknown target type.
      {std::int32_t{1}, 0x55, DISP_E_BADVARTYPE, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.input) + " to vt " + std::to_string(c.target));
    Variant out;
    EXPECT_EQ(VariantChangeType(&out, &c.input, 0, c.target), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(Describe(out), Describe(c.expected));
    } else {
      EXPECT_EQ(out.vt, VT_EMPTY);  // untouched on failure
    }
  }
}

TEST(VariantCoercion, AlphaBoolGivesWords) {
  const Variant yes(true);
  Variant out;
  ASSERT_EQ(VariantChangeType(&out, &yes, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
  EXPECT_EQ(BstrView(out.bstrVal), u"True");
}

TEST(VariantCoercion, InPlaceAndThroughReferences) {
  Variant v(u"11.5");
  ASSERT_EQ(v.ChangeType(VT_I4), S_OK);
  EXPECT_EQ(v.vt, VT_I4);
  EXPECT_EQ(v.lVal, 12);

  double real = 300.0;
  VARIANT ref{};
  ref.vt = VT_R8 | VT_BYREF;
  ref.pdblVal = &real;
  Variant out;
  EXPECT_EQ(VariantChangeType(&out, &ref, 0, VT_UI1), DISP_E_OVERFLOW);
  real = 254.5;
  ASSERT_EQ(VariantChangeType(&out, &ref, 0, VT_UI1), S_OK);
  EXPECT_EQ(out.bVal, 254);
}

TEST(VariantCoercion, RoundHalfEvenIgnoresTheRoundingMode) {
  EXPECT_EQ(RoundHalfEven(160.5), 160);
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(6.25), 6);
  EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);
}

}  // namespace
}  // namespace platform
