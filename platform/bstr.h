#pragma once

#include <string>
#include <string_view>

#include "platform/automation_types.h"

namespace platform {

// An automation string: UTF-16 characters, preceded by their length in bytes
// (32 bits) and followed by a zero. The pointer points at the first character.
// Embedded zeros are allowed; a null BSTR is the empty string.
using BSTR = OLECHAR*;

// Null when `text` is null (or memory runs out).
BSTR SysAllocString(const OLECHAR* text);
// `len` characters from `text`, or zero-filled ones when `text` is null.
// Null when the length cannot be represented or memory runs out.
BSTR SysAllocStringLen(const OLECHAR* text, UINT len);
BSTR SysAllocString(std::u16string_view text);
void SysFreeString(BSTR bstr);
// Replaces *slot with a copy of `text`; false (and *slot unchanged) on failure.
bool SysReAllocString(BSTR* slot, const OLECHAR* text);
UINT SysStringLen(BSTR bstr);
UINT SysStringByteLen(BSTR bstr);

// The characters of a BSTR; a null one is empty.
std::u16string_view BstrView(BSTR bstr);

// Owns one BSTR.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::u16string_view text);
  static Bstr FromUtf8(std::string_view text);
  // Adopts a BSTR the caller owned.
  static Bstr Attach(BSTR bstr);
  Bstr(const Bstr& other);
  Bstr(Bstr&& other) noexcept;
  Bstr& operator=(const Bstr& other);
  Bstr& operator=(Bstr&& other) noexcept;
  ~Bstr();

  BSTR Get() const { return b_; }
  // Frees what is held and hands out the slot, for [out] BSTR* parameters.
  BSTR* Put();
  [[nodiscard]] BSTR Detach();
  void Reset();

  std::u16string_view View() const { return BstrView(b_); }
  std::string ToUtf8() const;
  UINT Length() const { return SysStringLen(b_); }
  bool Empty() const { return Length() == 0; }

 private:
  BSTR b_ = nullptr;
};

}  // namespace platform
