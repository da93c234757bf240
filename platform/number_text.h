#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads a number the way automation reads one from a string, in a fixed
// English locale: blanks around it; a sign before or after; parentheses for
// a negative value; "," between digit groups; "." as the decimal point; an
// exponent; "&H" hexadecimal and "&O" octal integers. Nothing for an empty,
// blank or malformed string.
std::optional<double> ParseAutomationNumber(std::u16string_view text);

// A real number as automation shows it: at most 15 significant digits
// (7 for single precision), no trailing zeros, "E+20" style exponents.
std::string FormatAutomationReal(double value, bool single = false);

}  // namespace platform
