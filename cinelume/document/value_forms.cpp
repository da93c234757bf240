#include "cinelume/document/value_forms.h"

#include "cinelume/document/xml_errors.h"

namespace cinelume {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;

  if (text.front() == '$') {
    text.remove_prefix(1);
    if (text.empty()) return false;
    std::uint64_t bits = 0;
    for (char c : text) {
      const int digit = HexDigit(c);
      if (digit < 0) return false;
      bits = bits * 16 + static_cast<std::uint64_t>(digit);
      if (bits > 0xFFFFFFFFu) return false;
    }
    std::uint32_t word = static_cast<std::uint32_t>(bits);
    if (negative) word = 0u - word;
    value = static_cast<std::int32_t>(word);
    return true;
  }

  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

std::int32_t StrToInt(std::string_view text, const std::string& element) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(std::string(text), "integer", element);
  return value;
}

bool TryColorFromText(std::string_view text, std::int32_t& color) { return TryStrToInt(text, color); }

std::int32_t ColorFromText(std::string_view text, const std::string& element) {
  std::int32_t color = 0;
  if (!TryColorFromText(text, color)) throw EConvertError(std::string(text), "colour", element);
  return color;
}

std::string ColorToText(std::int32_t color) { return std::to_string(color); }

bool SwitchFromText(std::string_view text) {
  constexpr std::string_view kTrue = "TRUE";
  if (text.size() != kTrue.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kTrue[i]) return false;
  }
  return true;
}

std::string SwitchToText(bool on) { return on ? "true" : "false"; }

}  // namespace cinelume
