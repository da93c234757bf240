#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A 128-bit identifier of a class, interface or type library, laid out as the
// platform lays it out (three little fields, then eight bytes).
struct GUID {
  std::uint32_t Data1 = 0;
  std::uint16_t Data2 = 0;
  std::uint16_t Data3 = 0;
  std::uint8_t Data4[8] = {};

  friend constexpr bool operator==(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i) {
      if (a.Data4[i] != b.Data4[i]) return false;
    }
    return true;
  }
};

using IID = GUID;
using CLSID = GUID;

inline constexpr GUID GUID_NULL{};
inline constexpr IID IID_NULL{};

// "{0DD77391-686B-11D4-B367-D4475FDFF33A}"; hex digits of either case. The
// braces are required. Anything else gives nothing.
std::optional<GUID> ParseGuid(std::string_view text);
std::optional<GUID> ParseGuid(std::u16string_view text);

// The braced form with upper-case digits, as the registry keeps it.
std::string FormatGuid(const GUID& guid);

struct GuidHash {
  std::size_t operator()(const GUID& guid) const noexcept;
};

}  // namespace platform

template <>
struct std::hash<platform::GUID> {
  std::size_t operator()(const platform::GUID& guid) const noexcept { return platform::GuidHash{}(guid); }
};
