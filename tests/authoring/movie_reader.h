#pragma once

// Test-only decoding of the records the authoring layer writes.
#include <cstdint>
#include <vector>

#include "support/bytes.h"

namespace authoringtest {

using testsupport::Bytes;
using testsupport::ParsedMovie;
using testsupport::ParsedTag;

inline int U16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

struct Placement {
  int depth = 0;
  int character_id = 0;
  bool has_matrix = false;
};
inline Placement ReadPlace(const ParsedTag& tag) {
  return Placement{U16(tag.body, 1), U16(tag.body, 3), (tag.body[0] & 0x04) != 0};
}

struct Removal {
  int character_id = 0;
  int depth = 0;
};
inline Removal ReadRemove(const ParsedTag& tag) { return Removal{U16(tag.body, 0), U16(tag.body, 2)}; }

// Tags grouped by frame (ShowFrame closes a frame; End is dropped).
inline std::vector<std::vector<ParsedTag>> Frames(const ParsedMovie& movie) {
  std::vector<std::vector<ParsedTag>> frames(1);
  for (const auto& tag : movie.tags) {
    if (tag.code == 0) break;
    if (tag.code == 1) {
      frames.emplace_back();
      continue;
    }
    frames.back().push_back(tag);
  }
  frames.pop_back();
  return frames;
}

// MSB-first bit reader over a record body.
class BitReader {
 public:
  BitReader(const Bytes& bytes, std::size_t byte_offset = 0) : bytes_(&bytes), pos_(byte_offset * 8) {}
  std::uint32_t U(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i, ++pos_) v = (v << 1) | (((*bytes_)[pos_ / 8] >> (7 - pos_ % 8)) & 1);
    return v;
  }
  std::int32_t S(int n) {
    if (n == 0) return 0;
    const std::uint32_t v = U(n);
    if (n < 32 && (v & (1u << (n - 1)))) return static_cast<std::int32_t>(v | ~((1u << n) - 1));
    return static_cast<std::int32_t>(v);
  }
  void Align() { pos_ = (pos_ + 7) / 8 * 8; }
  std::size_t byte_pos() const { return pos_ / 8; }
  std::uint32_t U8() { return U(8); }
  std::uint32_t U16le() {
    const std::uint32_t lo = U(8);
    return lo | (U(8) << 8);
  }

 private:
  const Bytes* bytes_;
  std::size_t pos_;
};

}  // namespace authoringtest
