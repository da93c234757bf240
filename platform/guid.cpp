#include "platform/guid.h"

#include <cstdio>

namespace platform {
namespace {

int HexValue(char32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

template <class Char>
std::optional<GUID> Parse(std::basic_string_view<Char> text) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return std::nullopt;
  const std::basic_string_view<Char> body = text.substr(1, 36);
  std::uint8_t bytes[16];
  std::size_t n = 0;
  for (std::size_t i = 0; i < body.size();) {
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (body[i] != '-') return std::nullopt;
      ++i;
      continue;
    }
    const int hi = HexValue(static_cast<char32_t>(body[i]));
    const int lo = i + 1 < body.size() ? HexValue(static_cast<char32_t>(body[i + 1])) : -1;
    if (hi < 0 || lo < 0 || n >= 16) return std::nullopt;
    bytes[n++] = static_cast<std::uint8_t>(hi * 16 + lo);
    i += 2;
  }
  if (n != 16) return std::nullopt;
  GUID g;
  g.Data1 = static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
            static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
  g.Data2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
  g.Data3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
  for (int i = 0; i < 8; ++i) g.Data4[i] = bytes[8 + i];
  return g;
}

}  // namespace

std::optional<GUID> ParseGuid(std::string_view text) { return Parse(text); }
std::optional<GUID> ParseGuid(std::u16string_view text) { return Parse(text); }

std::string FormatGuid(const GUID& g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
                g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

std::size_t GuidHash::operator()(const GUID& g) const noexcept {
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  mix(g.Data1);
  mix(g.Data2);
  mix(g.Data3);
  for (std::uint8_t b : g.Data4) mix(b);
  return static_cast<std::size_t>(h);
}

}  // namespace platform
