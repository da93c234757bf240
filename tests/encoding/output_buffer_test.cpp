#include "vectrel/encoding/output_buffer.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/bytes.h"
#include "support/temp_env.h"

namespace vectrel {
namespace {

using testsupport::Hex;
using testsupport::ToHex;

TEST(OutputBuffer, BitFieldsPackMostSignificantFirst) {
  OutputBuffer b;
  b.WriteBits(5, 3);
  b.WriteBits(1, 1);
  b.Align();
  EXPECT_EQ(ToHex(b.bytes()), "B0");
}

TEST(OutputBuffer, ZeroCountAndRedundantAlignWriteNothing) {
  OutputBuffer b;
  b.WriteBits(0xFFFF, 0);
  b.Align();
  EXPECT_EQ(b.Length(), 0u);
  EXPECT_TRUE(b.aligned());
}

TEST(OutputBuffer, FieldsCrossByteBoundaries) {
  OutputBuffer b;
  b.WriteBits(1, 1);
  b.WriteBits(0x1FF, 9);  // straddles two bytes
  b.WriteBits(0xABCDEF01u, 32);
  b.Align();
  // 1 111111111 then 0xABCDEF01, six zero bits of padding.
  EXPECT_EQ(ToHex(b.bytes()), "FF EA F3 7B C0 40");
}

TEST(OutputBuffer, NegativeValuesAreTwosComplementInTheirWidth) {
  OutputBuffer b;
  b.WriteBits(static_cast<std::uint32_t>(-1), 4);
  b.WriteBits(static_cast<std::uint32_t>(-4), 4);
  EXPECT_EQ(ToHex(b.bytes()), "FC");
}

TEST(OutputBuffer, LittleEndianIntegersKeepTheirLowBytes) {
  OutputBuffer b;
  b.WriteU16(0x1234);
  b.WriteU16(0x12345);
  b.WriteU32(0x01020304);
  EXPECT_EQ(ToHex(b.bytes()), "34 12 45 23 04 03 02 01");
}

TEST(OutputBuffer, LengthCountsBlocksButNotThePartialByte) {
  OutputBuffer b;
  b.WriteU8(1);
  b.WriteU8(2);
  std::vector<std::uint8_t> payload(1000, 7);
  b.AddBlock(payload.data(), 1000);
  b.WriteU8(3);
  b.WriteBits(0x1F, 5);
  EXPECT_EQ(b.Length(), 1003u);
}

TEST(OutputBuffer, AppendShiftsBlocksAndEmptiesTheSource) {
  const std::uint8_t payload[] = {9, 9};
  OutputBuffer parent;
  for (int i = 0; i < 10; ++i) parent.WriteU8(0);
  OutputBuffer child;
  child.WriteU8(1);
  child.AddBlock(payload, 2);
  child.WriteU8(2);
  parent.Append(child);
  ASSERT_EQ(parent.blocks().size(), 1u);
  EXPECT_EQ(parent.blocks()[0].position, 11u);
  EXPECT_TRUE(child.blocks().empty());
  EXPECT_EQ(parent.Length(), 14u);
}

TEST(OutputBuffer, WriteToInsertsBlocksAtTheirPositions) {
  const std::uint8_t xyz[] = {'x', 'y', 'z'};
  const std::uint8_t first[] = {'<'};
  const std::uint8_t second[] = {'>'};
  OutputBuffer b;
  b.AddBlock(first, 1);
  b.WriteU8('A');
  b.WriteU8('B');
  b.AddBlock(xyz, 3);
  b.AddBlock(first, 1);
  b.AddBlock(second, 1);
  b.WriteU8('C');
  b.WriteU8('D');
  const auto flat = b.Flatten();
  EXPECT_EQ(std::string(flat.begin(), flat.end()), "<ABxyz<>CD");

  const auto path = testsupport::FreshDir() / "out.bin";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(b.WriteTo(f));
  std::fclose(f);
  const auto bytes = testsupport::ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "<ABxyz<>CD");
  EXPECT_TRUE(b.blocks().empty());
}

TEST(OutputBuffer, GrowsPastItsInitialRoom) {
  OutputBuffer b;
  for (int i = 0; i < 5000; ++i) b.WriteBits(static_cast<std::uint32_t>(i), 8);
  ASSERT_EQ(b.Length(), 5000u);
  EXPECT_EQ(b.bytes()[4999], static_cast<std::uint8_t>(4999));
}

struct BitsCase {
  std::uint32_t value;
  int expected;
};

TEST(BitWidth, UnsignedBitsWithoutExtra) {
  for (const auto& c : {BitsCase{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {7, 3}, {255, 8}, {0xFFFFFFFFu, 32}})
    EXPECT_EQ(UnsignedBits(c.value, 0), c.expected) << c.value;
  EXPECT_EQ(UnsignedBits(0, 1), 1);
  EXPECT_EQ(UnsignedBits(500, 1), 10);
}

TEST(BitWidth, SignedBitsCountTheMagnitude) {
  struct Case {
    std::int32_t v;
    int bits;
  };
  for (const auto& c : {Case{0, 1}, {1, 2}, {-1, 2}, {-4, 4}, {-5, 4}, {255, 9}, {65535, 17}, {-65536, 18}})
    EXPECT_EQ(SignedBits({c.v}), c.bits) << c.v;
  EXPECT_EQ(SignedBits({3, -100, 7}), 8);
  EXPECT_EQ(SignedBits({0, 0, 0}), 1);
}

TEST(WriteStringTest, TerminatedAndNot) {
  struct Case {
    const char* text;
    bool terminated;
    const char* hex;
  };
  for (const auto& c : {Case{"abc", true, "61 62 63 00"}, {"abc", false, "61 62 63"}, {"", true, "00"}, {"", false, ""}}) {
    OutputBuffer b;
    WriteString(b, c.text, c.terminated);
    EXPECT_EQ(ToHex(b.bytes()), c.hex);
  }
}

}  // namespace
}  // namespace vectrel
