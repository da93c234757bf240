#pragma once

#include "platform/variant.h"

namespace platform {

// VariantChangeType flags.
inline constexpr WORD VARIANT_NOVALUEPROP = 0x01;
// Booleans become "True"/"False" rather than "-1"/"0".
inline constexpr WORD VARIANT_ALPHABOOL = 0x02;

// Nearest integer, halves to the even neighbour (10.5 -> 10, 11.5 -> 12,
// -2.5 -> -2), whatever the floating-point rounding mode is.
double RoundHalfEven(double value);

// Converts `src` to type `vt` into `dest` (which may be `src`), as Invoke
// converts each argument to its declared type:
// - reals to integers and bytes round half to even, then the range is
//   checked; out of range (also NaN and infinities) gives DISP_E_OVERFLOW;
// - strings are read as numbers in a fixed English locale; an empty, blank
//   or malformed one gives DISP_E_TYPEMISMATCH; "True"/"False" also read as
//   booleans;
// - booleans are -1 (true) or 0; to a byte, true is 255;
// - empty gives 0, the empty string, false or a null object;
// - an object where a number or string is wanted, VT_NULL, and errors give
//   DISP_E_TYPEMISMATCH; an object lacking IDispatch where one is wanted too;
// - references (VT_BYREF) are followed first.
// dest is changed only on success. DISP_E_BADVARTYPE for unknown types.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt);

}  // namespace platform
