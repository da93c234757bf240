#include <gtest/gtest.h>

#include "record_bytes.h"
#include "vectrel/encoding/define_font.h"
#include "vectrel/encoding/define_font_info.h"

namespace vectrel {
namespace {

using testing_enc::TagHex;
using testsupport::ToHex;

class FontRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  void TearDown() override { ResetCharacterIds(); }
};

// A glyph of a fixed number of bytes, for offset arithmetic.
class SizedGlyph : public GlyphShape {
 public:
  explicit SizedGlyph(int n) : n_(n) {}
  void Write(OutputBuffer& buffer) override {
    for (int i = 0; i < n_; ++i) buffer.WriteU8(0xAA);
  }

 private:
  int n_;
};

// Selects fill style 1, one horizontal edge of 100 twips, end.
std::unique_ptr<GlyphShape> BarGlyph() {
  auto glyph = std::make_unique<GlyphShape>();
  glyph->AddShapeRecord(std::make_unique<StyleChangeRecord>(false, true, false, false, 0, 0, 0, 1, 0));
  glyph->AddShapeRecord(std::make_unique<StraightEdgeRecord>(100, 0));
  glyph->AddShapeRecord(std::make_unique<EndShapeRecord>());
  return glyph;
}

TEST_F(FontRecordsTest, OneGlyphHasTheSingleOffsetTwo) {
  DefineFontRecord font;
  font.AddGlyphShape(BarGlyph());
  EXPECT_EQ(font.glyph_count(), 1);
  // Fill bits 1: the fill style index is the single bit 1; line bits 0.
  EXPECT_EQ(TagHex(font), "89 02 01 00 02 00 10 13 B0 C8 00");
}

TEST_F(FontRecordsTest, AddingAGlyphSetsItsIndexWidths) {
  auto glyph = std::make_unique<GlyphShape>();
  glyph->set_fill_bits(3);
  glyph->set_line_bits(2);
  GlyphShape* seen = glyph.get();
  DefineFontRecord font;
  font.AddGlyphShape(std::move(glyph));
  EXPECT_EQ(seen->fill_bits(), 1);
  EXPECT_EQ(seen->line_bits(), 0);
}

TEST_F(FontRecordsTest, OffsetsCountFromTheTable) {
  DefineFontRecord font;
  font.AddGlyphShape(std::make_unique<SizedGlyph>(10));
  font.AddGlyphShape(std::make_unique<SizedGlyph>(12));
  font.AddGlyphShape(std::make_unique<SizedGlyph>(9));
  const auto bytes = testing_enc::TagBytes(font);
  // Body 2 + 6 + 31 = 39 bytes: short header.
  ASSERT_EQ(bytes.size(), 2u + 39u);
  EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + 10}), "A7 02 01 00 06 00 10 00 1C 00");
}

TEST_F(FontRecordsTest, GlyphWithoutEndRecordDoesNotShiftTheNext) {
  DefineFontRecord font;
  auto open = std::make_unique<GlyphShape>();
  open->AddShapeRecord(std::make_unique<StraightEdgeRecord>(3, 4));  // 14 bits, no end record
  font.AddGlyphShape(std::move(open));
  font.AddGlyphShape(BarGlyph());
  // Glyph 0: 10 + CA 68 (edge, padded) = 3 bytes; glyph 1 starts at 4 + 3 = 7.
  EXPECT_EQ(TagHex(font), "8E 02 01 00 04 00 07 00 10 CA 68 10 13 B0 C8 00");
}

TEST_F(FontRecordsTest, FontWithoutGlyphsIsItsIdAlone) {
  DefineFontRecord font;
  EXPECT_EQ(TagHex(font), "82 02 01 00");
}

TEST_F(FontRecordsTest, NullGlyphIsRejected) {
  DefineFontRecord font;
  EXPECT_THROW(font.AddGlyphShape(nullptr), std::logic_error);
  GlyphShape glyph;
  EXPECT_THROW(glyph.AddShapeRecord(nullptr), std::logic_error);
}

TEST_F(FontRecordsTest, FontInfoBody) {
  DefineFontInfoRecord info("Sans", 5, 1, false, false);
  info.AddCode(65);
  info.AddCode(66);
  EXPECT_EQ(TagHex(info), "4A 03 05 00 04 53 61 6E 73 10 41 42");
}

TEST_F(FontRecordsTest, FontInfoWrittenTwiceHasNoCodes) {
  DefineFontInfoRecord info("Sans", 5, 1, false, false);
  info.AddCode(65);
  info.AddCode(66);
  TagHex(info);
  EXPECT_EQ(info.code_count(), 0u);
  EXPECT_EQ(TagHex(info), "48 03 05 00 04 53 61 6E 73 10");
}

TEST_F(FontRecordsTest, FontInfoFlagByte) {
  struct Case {
    int selector;
    bool italic, bold;
    const char* flags;
  };
  const Case cases[] = {
      {1, false, false, "10"}, {2, false, false, "20"}, {3, false, false, "08"},
      {0, false, false, "00"}, {4, false, false, "00"}, {1, true, false, "14"},
      {1, false, true, "12"},  {3, true, true, "0E"},
  };
  for (const Case& c : cases) {
    DefineFontInfoRecord info("", 1, c.selector, c.italic, c.bold);
    const auto bytes = testing_enc::TagBytes(info);
    ASSERT_EQ(bytes.size(), 6u);
    EXPECT_EQ(ToHex({bytes[5]}), c.flags) << c.selector << c.italic << c.bold;
  }
}

TEST_F(FontRecordsTest, FontInfoCodesKeepTheirLowByte) {
  DefineFontInfoRecord info("A", 2, 1, false, false);
  info.AddCode(0x4E2D);
  info.AddCode(0x0041);
  EXPECT_EQ(TagHex(info), "47 03 02 00 01 41 10 2D 41");
}

TEST_F(FontRecordsTest, LongFontNameIsCutToWhatTheLengthByteCounts) {
  DefineFontInfoRecord info(std::string(300, 'x'), 1, 1, false, false);
  const auto bytes = testing_enc::TagBytes(info);
  // Long header (6) + font id (2) + length byte + 255 name bytes + flags.
  ASSERT_EQ(bytes.size(), 6u + 2u + 1u + 255u + 1u);
  EXPECT_EQ(bytes[8], 0xFF);
  EXPECT_EQ(bytes[9 + 255], 0x10);
}

TEST_F(FontRecordsTest, FontInfoTakesAnIdItNeverWrites) {
  DefineFontRecord font;
  DefineFontInfoRecord info("Sans", font.CharacterId(), 1, false, false);
  DefineFontRecord next;
  EXPECT_EQ(font.CharacterId(), 1);
  EXPECT_EQ(info.CharacterId(), 2);
  EXPECT_EQ(next.CharacterId(), 3);
  EXPECT_EQ(TagHex(info), "48 03 01 00 04 53 61 6E 73 10");
}

}  // namespace
}  // namespace vectrel
