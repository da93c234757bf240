#include "platform/bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "platform/utf.h"

namespace platform {
namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);

std::uint32_t* Header(BSTR bstr) { return reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(bstr) - kPrefix); }

std::size_t Length(const OLECHAR* text) {
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT len) {
  // The byte count must fit its 32-bit prefix.
  if (len > (std::numeric_limits<std::uint32_t>::max() - kPrefix - sizeof(OLECHAR)) / sizeof(OLECHAR)) return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(len) * sizeof(OLECHAR);
  void* block = std::malloc(kPrefix + bytes + sizeof(OLECHAR));
  if (block == nullptr) return nullptr;
  const std::uint32_t count = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &count, kPrefix);
  BSTR chars = reinterpret_cast<BSTR>(static_cast<char*>(block) + kPrefix);
  if (text != nullptr && len != 0) {
    std::memcpy(chars, text, bytes);
  } else {
    std::memset(chars, 0, bytes);
  }
  chars[len] = 0;
  return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  const std::size_t n = Length(text);
  if (n > std::numeric_limits<UINT>::max()) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(n));
}

BSTR SysAllocString(std::u16string_view text) {
  if (text.size() > std::numeric_limits<UINT>::max()) return nullptr;
  // Never null for an empty view: a real empty string.
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void SysFreeString(BSTR bstr) {
  if (bstr != nullptr) std::free(Header(bstr));
}

bool SysReAllocString(BSTR* slot, const OLECHAR* text) {
  if (slot == nullptr) return false;
  BSTR copy = SysAllocString(text);
  if (copy == nullptr && text != nullptr) return false;
  SysFreeString(*slot);
  *slot = copy;
  return true;
}

UINT SysStringByteLen(BSTR bstr) {
  if (bstr == nullptr) return 0;
  std::uint32_t count;
  std::memcpy(&count, Header(bstr), kPrefix);
  return count;
}

UINT SysStringLen(BSTR bstr) { return SysStringByteLen(bstr) / sizeof(OLECHAR); }

std::u16string_view BstrView(BSTR bstr) {
  if (bstr == nullptr) return {};
  return std::u16string_view(bstr, SysStringLen(bstr));
}

Bstr::Bstr(std::u16string_view text) : b_(SysAllocString(text)) {
  if (b_ == nullptr) throw std::bad_alloc();
}

Bstr Bstr::FromUtf8(std::string_view text) { return Bstr(Utf8ToUtf16(text)); }

Bstr Bstr::Attach(BSTR bstr) {
  Bstr result;
  result.b_ = bstr;
  return result;
}

Bstr::Bstr(const Bstr& other) {
  if (other.b_ != nullptr) {
    b_ = SysAllocString(other.View());
    if (b_ == nullptr) throw std::bad_alloc();
  }
}

Bstr::Bstr(Bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}

Bstr& Bstr::operator=(const Bstr& other) {
  Bstr copy(other);
  std::swap(b_, copy.b_);
  return *this;
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  Bstr moved(std::move(other));
  std::swap(b_, moved.b_);
  return *this;
}

Bstr::~Bstr() { Reset(); }

BSTR* Bstr::Put() {
  Reset();
  return &b_;
}

BSTR Bstr::Detach() { return std::exchange(b_, nullptr); }

void Bstr::Reset() { SysFreeString(std::exchange(b_, nullptr)); }

std::string Bstr::ToUtf8() const { return Utf16ToUtf8(View()); }

}  // namespace platform
