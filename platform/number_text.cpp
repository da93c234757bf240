#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::optional<double> ParseRadix(std::u16string_view digits, int radix) {
  if (digits.empty() || digits.size() > 64) return std::nullopt;
  double value = 0;
  for (char16_t c : digits) {
    int d;
    if (c >= u'0' && c <= u'9') {
      d = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
      d = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
      d = c - u'A' + 10;
    } else {
      return std::nullopt;
    }
    if (d >= radix) return std::nullopt;
    value = value * radix + d;
  }
  return value;
}

}  // namespace

std::optional<double> ParseAutomationNumber(std::u16string_view text) {
  // Strings longer than any number are not numbers; this also bounds the copy.
  if (text.size() > 1024) return std::nullopt;
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::u16string_view s = text.substr(begin, end - begin);
  if (s.empty()) return std::nullopt;

  bool negative = false;
  if (s.size() >= 2 && s.front() == u'(' && s.back() == u')') {
    negative = true;
    s = s.substr(1, s.size() - 2);
  }
  if (!s.empty() && (s.front() == u'+' || s.front() == u'-')) {
    negative = negative != (s.front() == u'-');
    s.remove_prefix(1);
  } else if (!s.empty() && (s.back() == u'+' || s.back() == u'-')) {
    negative = negative != (s.back() == u'-');
    s.remove_suffix(1);
  }
  if (s.empty()) return std::nullopt;

  if (s.size() >= 2 && s[0] == u'&') {
    const char16_t kind = s[1];
    std::optional<double> value;
    if (kind == u'H' || kind == u'h') {
      value = ParseRadix(s.substr(2), 16);
    } else if (kind == u'O' || kind == u'o') {
      value = ParseRadix(s.substr(2), 8);
    }
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
  }

  // Digits with optional group separators, a fraction, an exponent.
  std::string plain;
  std::size_t i = 0;
  bool digits = false;
  while (i < s.size() && (IsDigit(s[i]) || (s[i] == u',' && digits))) {
    if (s[i] != u',') plain += static_cast<char>(s[i]);
    digits = true;
    ++i;
  }
  if (i < s.size() && s[i] == u'.') {
    plain += '.';
    ++i;
    while (i < s.size() && IsDigit(s[i])) {
      plain += static_cast<char>(s[i]);
      digits = true;
      ++i;
    }
  }
  if (!digits) return std::nullopt;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
    plain += 'e';
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) plain += static_cast<char>(s[i++]);
    bool exponentDigits = false;
    while (i < s.size() && IsDigit(s[i])) {
      plain += static_cast<char>(s[i++]);
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  double value = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ptr != plain.data() + plain.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    // Too large overflows whatever it becomes; too small is zero.
    value = plain.find("e-") == std::string::npos ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

std::string FormatAutomationReal(double value, bool single) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  char text[64];
  std::snprintf(text, sizeof text, single ? "%.7G" : "%.15G", value);
  const std::string s = text;
  return s == "-0" ? "0" : s;
}

}  // namespace platform
