#include "player/bit_reader.h"

#include <algorithm>

namespace swfplayer {

std::uint32_t BitReader::ReadUBits(int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) {
    std::uint32_t bit = 0;
    if (pos_ < data_.size()) {
      bit = (data_[pos_] >> (7 - bit_)) & 1u;
    } else {
      overrun_ = true;
    }
    value = (value << 1) | bit;
    if (++bit_ == 8) {
      bit_ = 0;
      if (pos_ < data_.size()) ++pos_;
    }
  }
  return value;
}

std::int32_t BitReader::ReadSBits(int count) {
  if (count <= 0) return 0;
  const std::uint32_t raw = ReadUBits(count);
  if (count >= 32) return static_cast<std::int32_t>(raw);
  const std::uint32_t sign = 1u << (count - 1);
  return static_cast<std::int32_t>((raw ^ sign) - sign);
}

std::uint8_t BitReader::ReadU8() {
  Align();
  if (pos_ >= data_.size()) {
    overrun_ = true;
    return 0;
  }
  return data_[pos_++];
}

std::uint16_t BitReader::ReadU16() {
  const std::uint16_t lo = ReadU8();
  const std::uint16_t hi = ReadU8();
  return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::uint32_t BitReader::ReadU32() {
  const std::uint32_t lo = ReadU16();
  const std::uint32_t hi = ReadU16();
  return lo | (hi << 16);
}

std::string BitReader::ReadString() {
  Align();
  std::string text;
  while (pos_ < data_.size()) {
    const char c = static_cast<char>(data_[pos_++]);
    if (c == '\0') return text;
    text.push_back(c);
  }
  overrun_ = true;
  return text;
}

std::span<const std::uint8_t> BitReader::ReadBytes(std::size_t count) {
  Align();
  const std::size_t n = std::min(count, remaining());
  if (n < count) overrun_ = true;
  auto bytes = data_.subspan(std::min(pos_, data_.size()), n);
  pos_ += n;
  return bytes;
}

void BitReader::Skip(std::size_t count) { ReadBytes(count); }

void BitReader::Seek(std::size_t pos) {
  bit_ = 0;
  if (pos > data_.size()) {
    overrun_ = true;
    pos = data_.size();
  }
  pos_ = pos;
}

}  // namespace swfplayer
