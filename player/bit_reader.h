#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace swfplayer {

// Reads SWF bit fields (MSB first) and little-endian integers from a byte
// span. Reading past the end yields zeros and sets `overrun`, so callers can
// parse a damaged record to its end and then decide what to keep.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint32_t ReadUBits(int count);
  std::int32_t ReadSBits(int count);
  // Signed 16.16 fixed point from `count` bits.
  double ReadFixedBits(int count) { return ReadSBits(count) / 65536.0; }
  void Align() {
    if (bit_ != 0) {
      bit_ = 0;
      ++pos_;
    }
  }

  std::uint8_t ReadU8();
  std::uint16_t ReadU16();
  std::int16_t ReadS16() { return static_cast<std::int16_t>(ReadU16()); }
  std::uint32_t ReadU32();
  // 8.8 fixed point.
  double ReadFixed8() { return ReadS16() / 256.0; }
  // Up to the terminating zero (or the end of the data).
  std::string ReadString();
  // `count` bytes, capped by what remains.
  std::span<const std::uint8_t> ReadBytes(std::size_t count);
  void Skip(std::size_t count);

  std::size_t position() const { return pos_; }
  void Seek(std::size_t pos);
  std::size_t remaining() const { return pos_ < data_.size() ? data_.size() - pos_ : 0; }
  bool at_end() const { return remaining() == 0; }
  bool overrun() const { return overrun_; }
  std::span<const std::uint8_t> data() const { return data_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  int bit_ = 0;  // bits of data_[pos_] already used
  bool overrun_ = false;
};

}  // namespace swfplayer
