#pragma once

#include <cstdint>
#include <string>

#include "support/bytes.h"
#include "vectrel/encoding/output_buffer.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel::testing_enc {

// The complete tag a record writes (header and body, blocks inserted).
inline std::string TagHex(TagRecord& record) {
  OutputBuffer b;
  record.Write(b);
  return testsupport::ToHex(b.Flatten());
}

inline testsupport::Bytes TagBytes(TagRecord& record) {
  OutputBuffer b;
  record.Write(b);
  return b.Flatten();
}

// Whatever `write` puts into a fresh buffer, then aligned.
template <typename F>
std::string Written(F&& write) {
  OutputBuffer b;
  write(b);
  b.Align();
  return testsupport::ToHex(b.Flatten());
}

// MSB-first reader for checking bit-packed output.
class BitReader {
 public:
  explicit BitReader(const testsupport::Bytes& bytes, std::size_t byte_offset = 0)
      : bytes_(bytes), pos_(byte_offset * 8) {}

  std::uint32_t Unsigned(int count) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i) {
      const std::size_t byte = pos_ / 8;
      const int bit = 7 - static_cast<int>(pos_ % 8);
      const std::uint32_t b = byte < bytes_.size() ? (bytes_[byte] >> bit) & 1u : 0u;
      if (byte >= bytes_.size()) overrun_ = true;
      v = (v << 1) | b;
      ++pos_;
    }
    return v;
  }
  std::int32_t Signed(int count) {
    if (count == 0) return 0;
    const std::uint32_t v = Unsigned(count);
    if (count < 32 && (v & (1u << (count - 1))) != 0) return static_cast<std::int32_t>(v | ~((1u << count) - 1));
    return static_cast<std::int32_t>(v);
  }
  void Align() { pos_ = (pos_ + 7) / 8 * 8; }
  std::size_t byte_pos() const { return pos_ / 8; }
  bool overrun() const { return overrun_; }

 private:
  const testsupport::Bytes& bytes_;
  std::size_t pos_;
  bool overrun_ = false;
};

}  // namespace vectrel::testing_enc
