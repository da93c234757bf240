#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace vectrel {

// A payload that a buffer carries without copying: it is inserted at
// `position` (a count of finished bytes) when the buffer is written out.
// The bytes belong to whoever attached them and must outlive the write.
struct DeferredBlock {
  std::uint32_t position = 0;
  const std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
};

// Growable byte array with an MSB-first bit writer in front of it.
class OutputBuffer {
 public:
  OutputBuffer();

  void WriteBits(std::uint32_t value, int count);
  void Align();
  void WriteU8(std::uint32_t value) { WriteBits(value & 0xFFu, 8); }
  void WriteU16(std::uint32_t value);
  void WriteU32(std::uint32_t value);

  // Only when aligned.
  void AddBlock(const std::uint8_t* data, std::uint32_t size);

  // Finished bytes plus the sizes of all blocks; the partial byte is not counted.
  std::uint32_t Length() const;

  // Moves `other`'s finished bytes and blocks to the end of this buffer;
  // other's block list is left empty.
  void Append(OutputBuffer& other);

  // Writes bytes and block payloads in order; empties the block list.
  // Returns false when the stream reported an error.
  bool WriteTo(std::FILE* file);

  bool aligned() const { return free_bits_ == 8; }
  std::uint32_t finished_count() const { return static_cast<std::uint32_t>(bytes_.size()); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t>& mutable_bytes() { return bytes_; }
  const std::vector<DeferredBlock>& blocks() const { return blocks_; }

  // The logical content (bytes with block payloads inserted): for tests and
  // small in-memory uses.
  std::vector<std::uint8_t> Flatten() const;

 private:
  void FinishByte();

  std::vector<std::uint8_t> bytes_;
  std::uint8_t partial_ = 0;
  int free_bits_ = 8;
  std::vector<DeferredBlock> blocks_;
};

// Bits for `value` as unsigned (0 for 0) plus `extra`.
int UnsignedBits(std::uint32_t value, int extra);

// Significant bits of the largest magnitude plus a sign bit; 1 for all zeros.
int SignedBits(std::initializer_list<std::int32_t> values);

void WriteString(OutputBuffer& buffer, std::string_view text, bool terminated);

}  // namespace vectrel
