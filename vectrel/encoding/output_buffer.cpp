#include "vectrel/encoding/output_buffer.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace vectrel {

OutputBuffer::OutputBuffer() { bytes_.reserve(1024); }

void OutputBuffer::FinishByte() {
  if (bytes_.size() == bytes_.capacity()) {
    // Geometric growth; the vector would do the same but this keeps the
    // policy explicit.
    bytes_.reserve(bytes_.capacity() + std::max<std::size_t>(bytes_.capacity(), 1));
  }
  bytes_.push_back(partial_);
  partial_ = 0;
  free_bits_ = 8;
}

void OutputBuffer::WriteBits(std::uint32_t value, int count) {
  if (count <= 0) return;
  if (count < 32) value &= (std::uint32_t{1} << count) - 1;
  while (count > 0) {
    if (count > free_bits_) {
      // Top free_bits_ bits of the count-bit field.
      const std::uint32_t top = (value << (32 - count)) >> (32 - free_bits_);
      partial_ |= static_cast<std::uint8_t>(top);
      count -= free_bits_;
      FinishByte();
    } else {
      partial_ |= static_cast<std::uint8_t>(value << (free_bits_ - count));
      free_bits_ -= count;
      count = 0;
      if (free_bits_ == 0) FinishByte();
    }
    if (count < 32 && count > 0) value &= (std::uint32_t{1} << count) - 1;
  }
}

void OutputBuffer::Align() {
  if (free_bits_ != 8) FinishByte();
}

void OutputBuffer::WriteU16(std::uint32_t value) {
  WriteU8(value);
  WriteU8(value >> 8);
}

void OutputBuffer::WriteU32(std::uint32_t value) {
  WriteU8(value);
  WriteU8(value >> 8);
  WriteU8(value >> 16);
  WriteU8(value >> 24);
}

void OutputBuffer::AddBlock(const std::uint8_t* data, std::uint32_t size) {
  blocks_.push_back(DeferredBlock{finished_count(), data, size});
}

std::uint32_t OutputBuffer::Length() const {
  std::uint32_t n = finished_count();
  for (const auto& b : blocks_) n += b.size;
  return n;
}

void OutputBuffer::Append(OutputBuffer& other) {
  const std::uint32_t base = finished_count();
  if (aligned()) {
    bytes_.insert(bytes_.end(), other.bytes_.begin(), other.bytes_.end());
  } else {
    for (std::uint8_t b : other.bytes_) WriteU8(b);
  }
  for (const auto& b : other.blocks_) blocks_.push_back(DeferredBlock{base + b.position, b.data, b.size});
  other.blocks_.clear();
}

bool OutputBuffer::WriteTo(std::FILE* file) {
  bool ok = true;
  std::size_t done = 0;
  for (const auto& b : blocks_) {
    const std::size_t upto = std::min<std::size_t>(b.position, bytes_.size());
    if (upto > done) ok = ok && std::fwrite(bytes_.data() + done, 1, upto - done, file) == upto - done;
    done = std::max(done, upto);
    if (b.size > 0) ok = ok && std::fwrite(b.data, 1, b.size, file) == b.size;
  }
  if (bytes_.size() > done) ok = ok && std::fwrite(bytes_.data() + done, 1, bytes_.size() - done, file) == bytes_.size() - done;
  blocks_.clear();
  return ok;
}

std::vector<std::uint8_t> OutputBuffer::Flatten() const {
  std::vector<std::uint8_t> out;
  out.reserve(Length());
  std::size_t done = 0;
  for (const auto& b : blocks_) {
    const std::size_t upto = std::min<std::size_t>(b.position, bytes_.size());
    if (upto > done) out.insert(out.end(), bytes_.begin() + done, bytes_.begin() + upto);
    done = std::max(done, upto);
    out.insert(out.end(), b.data, b.data + b.size);
  }
  out.insert(out.end(), bytes_.begin() + done, bytes_.end());
  return out;
}

int UnsignedBits(std::uint32_t value, int extra) {
  if (value == 0) return extra;
  return std::bit_width(value) + extra;
}

int SignedBits(std::initializer_list<std::int32_t> values) {
  std::uint32_t largest = 0;
  for (std::int32_t v : values) {
    const std::uint32_t mag = v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
    largest = std::max(largest, mag);
  }
  return UnsignedBits(largest, 1);
}

void WriteString(OutputBuffer& buffer, std::string_view text, bool terminated) {
  for (char c : text) buffer.WriteU8(static_cast<std::uint8_t>(c));
  if (terminated) buffer.WriteU8(0);
}

}  // namespace vectrel
