#include <gtest/gtest.h>

#include <vector>

#include "record_bytes.h"
#include "vectrel/encoding/define_text2.h"
#include "vectrel/encoding/glyph_text_record.h"
#include "vectrel/encoding/text_style_record.h"

namespace vectrel {
namespace {

using testing_enc::BitReader;
using testing_enc::TagBytes;
using testing_enc::TagHex;
using testsupport::ToHex;

class TextRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  void TearDown() override { ResetCharacterIds(); }
};

// What a reader of DefineText2 sees: records that each open with a flags
// byte (style fields when its top bit is set), then a glyph count byte.
struct ReadRun {
  int style_flags;
  std::vector<std::pair<int, int>> entries;
};

std::vector<ReadRun> ReadText(const testsupport::Bytes& tag) {
  std::vector<ReadRun> runs;
  BitReader r(tag, 2 + 2);  // short header, character id
  const int rect_bits = static_cast<int>(r.Unsigned(5));
  r.Unsigned(4 * rect_bits);
  r.Align();
  EXPECT_EQ(r.Unsigned(8), 0u);  // identity matrix
  const int glyph_bits = static_cast<int>(r.Unsigned(8));
  const int advance_bits = static_cast<int>(r.Unsigned(8));
  while (!r.overrun()) {
    const int flags = static_cast<int>(r.Unsigned(8));
    if (flags == 0) break;
    EXPECT_TRUE(flags & 0x80) << "every record opens with style flags";
    if (flags & 0x08) r.Unsigned(16);
    if (flags & 0x04) r.Unsigned(32);
    if (flags & 0x01) r.Unsigned(16);
    if (flags & 0x02) r.Unsigned(16);
    if (flags & 0x08) r.Unsigned(16);
    ReadRun run{flags, {}};
    const int count = static_cast<int>(r.Unsigned(8));
    EXPECT_LE(count, 127);
    for (int i = 0; i < count; ++i) {
      const int index = static_cast<int>(r.Unsigned(glyph_bits));
      const int advance = static_cast<int>(r.Unsigned(advance_bits));
      run.entries.emplace_back(index, advance);
    }
    r.Align();
    runs.push_back(std::move(run));
  }
  EXPECT_FALSE(r.overrun());
  EXPECT_EQ(r.byte_pos(), tag.size()) << "the end byte closes the tag";
  return runs;
}

std::string StyleHex(TextStyleRecord& r) {
  return testing_enc::Written([&](OutputBuffer& b) { r.Write(b, 5, 5); });
}

TEST(TextStyleRecord, Bytes) {
  struct Case {
    bool font, color, x, y;
    std::uint16_t font_id;
    int height;
    Color c;
    int xo, yo;
    const char* hex;
  };
  const Case cases[] = {
      {true, true, false, false, 1, 1024, Color(255, 0, 0, 255), 0, 0, "8C 01 00 FF 00 00 FF 00 04"},
      // Colour made without alpha still goes out as RGBA.
      {false, true, false, false, 0, 0, Color(1, 2, 3), 0, 0, "84 01 02 03 FF"},
      // Flags put y before x; the values come x first.
      {false, false, true, true, 0, 0, Color(), 10, -20, "83 0A 00 EC FF"},
      {false, false, true, false, 0, 0, Color(), 7, 0, "81 07 00"},
      {true, false, false, false, 0x0102, 0x0304, Color(), 0, 0, "88 02 01 04 03"},
      {false, false, false, false, 0, 0, Color(), 0, 0, "80"},
  };
  for (const Case& c : cases) {
    TextStyleRecord r(c.font, c.color, c.x, c.y, c.font_id, c.height, c.c, c.xo, c.yo);
    EXPECT_EQ(r.GlyphBitsNeeded(), 0);
    EXPECT_EQ(r.AdvanceBitsNeeded(), 0);
    EXPECT_EQ(StyleHex(r), c.hex);
  }
}

TEST(GlyphTextRecord, WidthsCountEveryEntryAsUnsignedPlusOne) {
  struct Case {
    std::vector<std::pair<int, int>> entries;
    int glyph_bits, advance_bits;
  };
  const Case cases[] = {
      {{}, 0, 0},
      {{{0, 500}, {3, 250}}, 3, 10},
      {{{0, 0}}, 1, 1},
      {{{1, 1}}, 2, 2},
      {{{5, 0}}, 4, 1},
      {{{65535, 65535}}, 17, 17},
      // A negative advance is taken as a large unsigned one.
      {{{0, -1}}, 1, 17},
  };
  for (const Case& c : cases) {
    GlyphTextRecord r;
    for (auto [index, advance] : c.entries) r.AddGlyphEntry(index, advance);
    EXPECT_EQ(r.GlyphBitsNeeded(), c.glyph_bits);
    EXPECT_EQ(r.AdvanceBitsNeeded(), c.advance_bits);
  }
}

TEST(GlyphTextRecord, Bytes) {
  GlyphTextRecord r;
  r.AddGlyphEntry(0, 500);
  r.AddGlyphEntry(3, 250);
  // 0 + count 2; then 000 0111110100, 011 0011111010.
  EXPECT_EQ(testing_enc::Written([&](OutputBuffer& b) { r.Write(b, 3, 10); }), "02 0F A3 3E 80");
  // An empty record is its count byte alone.
  GlyphTextRecord empty;
  EXPECT_EQ(testing_enc::Written([&](OutputBuffer& b) { empty.Write(b, 3, 10); }), "00");
}

TEST_F(TextRecordsTest, DefineText2WithStyleAndGlyphs) {
  DefineText2Record text(Rect{0, 0, 0, 0}, Matrix::Identity());
  text.AddTextRecord(std::make_unique<TextStyleRecord>(true, true, false, false, 1, 1024,
                                                       Color(255, 0, 0, 255), 0, 0));
  auto glyphs = std::make_unique<GlyphTextRecord>();
  glyphs->AddGlyphEntry(0, 500);
  text.AddTextRecord(std::move(glyphs));
  EXPECT_EQ(text.CharacterId(), 1);
  EXPECT_EQ(TagHex(text), "54 08 01 00 08 00 00 01 0A 8C 01 00 FF 00 00 FF 00 04 01 3E 80 00");
}

TEST_F(TextRecordsTest, WidthsAreTheLargestOverAllRecords) {
  DefineText2Record text(Rect{0, 0, 0, 0}, Matrix::Identity());
  text.AddTextRecord(std::make_unique<TextStyleRecord>(true, false, false, false, 1, 20, Color(), 0, 0));
  auto a = std::make_unique<GlyphTextRecord>();
  a->AddGlyphEntry(0, 500);
  auto b = std::make_unique<GlyphTextRecord>();
  b->AddGlyphEntry(3, 250);
  text.AddTextRecord(std::move(a));
  text.AddTextRecord(std::move(b));
  const auto bytes = TagBytes(text);
  // Header, id, RECT, identity matrix, then GlyphBits 3 and AdvanceBits 10.
  EXPECT_EQ(ToHex({bytes.begin() + 7, bytes.begin() + 9}), "03 0A");
  const auto runs = ReadText(bytes);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].entries, (std::vector<std::pair<int, int>>{{0, 500}}));
  EXPECT_EQ(runs[1].entries, (std::vector<std::pair<int, int>>{{3, 250}}));
}

TEST_F(TextRecordsTest, StyleOnlyTextHasZeroWidths) {
  struct Case {
    bool with_empty_glyph_record;
  };
  for (const Case c : {Case{false}, Case{true}}) {
    DefineText2Record text(Rect{0, 0, 0, 0}, Matrix::Identity());
    text.AddTextRecord(
        std::make_unique<TextStyleRecord>(true, false, false, false, 1, 20, Color(), 0, 0));
    // Either way the style record is followed by a glyph count of 0, so
    // that readers find the count they expect after style fields.
    if (c.with_empty_glyph_record) text.AddTextRecord(std::make_unique<GlyphTextRecord>());
    const auto bytes = TagBytes(text);
    EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + 2}), "4E 08");
    EXPECT_EQ(ToHex({bytes.begin() + 7, bytes.end()}), "00 00 88 01 00 14 00 00 00");
    EXPECT_TRUE(ReadText(bytes).size() == 1 && ReadText(bytes)[0].entries.empty());
  }
}


testsupport::Bytes TextWithEntries(int n) {
  DefineText2Record text(Rect{0, 0, 0, 0}, Matrix::Identity());
  text.AddTextRecord(
      std::make_unique<TextStyleRecord>(true, true, false, false, 1, 1024, Color(0, 0, 0, 255), 0, 0));
  auto glyphs = std::make_unique<GlyphTextRecord>();
  for (int i = 0; i < n; ++i) glyphs->AddGlyphEntry(i % 7, 100 + i);
  text.AddTextRecord(std::move(glyphs));
  OutputBuffer b;
  text.Write(b);
  auto bytes = b.Flatten();
  // Re-head as a short tag so that ReadText can skip a fixed 2 bytes.
  if ((bytes[0] & 0x3F) == 0x3F) bytes.erase(bytes.begin() + 2, bytes.begin() + 6);
  return bytes;
}

TEST_F(TextRecordsTest, LongGlyphRunsAreSplitIntoValidRecords) {
  struct Case {
    int entries;
    std::vector<std::size_t> run_sizes;
  };
  const Case cases[] = {
      {1, {1}}, {127, {127}}, {128, {127, 1}}, {254, {127, 127}}, {300, {127, 127, 46}},
  };
  for (const Case& c : cases) {
    const auto runs = ReadText(TextWithEntries(c.entries));
    ASSERT_EQ(runs.size(), c.run_sizes.size()) << c.entries;
    int next = 0;
    for (std::size_t k = 0; k < runs.size(); ++k) {
      EXPECT_EQ(runs[k].entries.size(), c.run_sizes[k]) << c.entries;
      // The first run keeps the text's style; the others change nothing.
      EXPECT_EQ(runs[k].style_flags, k == 0 ? 0x8C : 0x80);
      for (auto [index, advance] : runs[k].entries) {
        EXPECT_EQ(index, next % 7);
        EXPECT_EQ(advance, 100 + next);
        ++next;
      }
    }
    EXPECT_EQ(next, c.entries);
  }
}

TEST_F(TextRecordsTest, RecordSequencesAreCompletedForReaders) {
  // s = style record (font and colour), g<n> = glyph record of n entries.
  struct Case {
    const char* sequence;
    std::vector<int> flags;   // style flags of each run read back
    std::vector<std::size_t> sizes;
  };
  const Case cases[] = {
      {"s g2", {0x8C}, {2}},
      {"g2", {0x80}, {2}},
      {"g2 g3", {0x80, 0x80}, {2, 3}},
      {"s s g1", {0x8C, 0x8C}, {0, 1}},
      {"s g1 s", {0x8C, 0x8C}, {1, 0}},
      {"s g0", {0x8C}, {0}},
      {"s g130 g1", {0x8C, 0x80, 0x80}, {127, 3, 1}},
  };
  for (const Case& c : cases) {
    DefineText2Record text(Rect{0, 0, 0, 0}, Matrix::Identity());
    std::string seq = c.sequence;
    for (std::size_t pos = 0; pos < seq.size(); ++pos) {
      if (seq[pos] == 's') {
        text.AddTextRecord(
            std::make_unique<TextStyleRecord>(true, true, false, false, 1, 20, Color(0, 0, 0, 255), 0, 0));
      } else if (seq[pos] == 'g') {
        auto g = std::make_unique<GlyphTextRecord>();
        const int n = std::stoi(seq.substr(pos + 1));
        for (int i = 0; i < n; ++i) g->AddGlyphEntry(1, 3);
        text.AddTextRecord(std::move(g));
      }
    }
    auto bytes = TagBytes(text);
    if ((bytes[0] & 0x3F) == 0x3F) bytes.erase(bytes.begin() + 2, bytes.begin() + 6);
    const auto runs = ReadText(bytes);
    ASSERT_EQ(runs.size(), c.flags.size()) << c.sequence;
    for (std::size_t k = 0; k < runs.size(); ++k) {
      EXPECT_EQ(runs[k].style_flags, c.flags[k]) << c.sequence << " run " << k;
      EXPECT_EQ(runs[k].entries.size(), c.sizes[k]) << c.sequence << " run " << k;
    }
  }
}

TEST(GlyphTextRecord, CountFieldOf127) {
  GlyphTextRecord r;
  for (int i = 0; i < 127; ++i) r.AddGlyphEntry(0, 0);
  OutputBuffer b;
  r.Write(b, 1, 1);
  EXPECT_EQ(b.bytes()[0], 0x7F);
  // 8 + 127 * 2 bits, no second record.
  EXPECT_EQ(b.finished_count(), (8u + 254u) / 8u);
}

TEST(GlyphTextRecord, SecondRecordStartsOnAByteBoundary) {
  GlyphTextRecord r;
  for (int i = 0; i < 128; ++i) r.AddGlyphEntry(1, 1);
  OutputBuffer b;
  r.Write(b, 2, 2);
  b.Align();
  const auto bytes = b.Flatten();
  // 7F, 127 entries of 0101 (508 bits = 63.5 bytes, padded), 80, 01, 0101 padded.
  ASSERT_EQ(bytes.size(), 1u + 64u + 1u + 1u + 1u);
  EXPECT_EQ(bytes[0], 0x7F);
  EXPECT_EQ(bytes[64], 0x50);
  EXPECT_EQ(ToHex({bytes.end() - 3, bytes.end()}), "80 01 50");
}

TEST_F(TextRecordsTest, NullTextRecordIsRejected) {
  DefineText2Record text(Rect{}, Matrix::Identity());
  EXPECT_THROW(text.AddTextRecord(nullptr), std::logic_error);
}

}  // namespace
}  // namespace vectrel
