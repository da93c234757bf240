#include <gtest/gtest.h>

#include "record_bytes.h"
#include "support/temp_env.h"
#include "vectrel/encoding/define_bits_jpeg2.h"
#include "vectrel/encoding/define_edit_text.h"
#include "vectrel/encoding/movie_file_writer.h"
#include "vectrel/encoding/swf_string.h"

namespace vectrel {
namespace {

using testing_enc::TagBytes;
using testing_enc::TagHex;
using testsupport::Bytes;
using testsupport::ToHex;

class BitmapEditTextTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  void TearDown() override { ResetCharacterIds(); }
};

// A file that looks like a JPEG: FF D8, filler, FF D9; `size` bytes in all.
std::shared_ptr<const Bytes> JpegLike(std::size_t size) {
  auto bytes = std::make_shared<Bytes>(size, 0x5A);
  (*bytes)[0] = 0xFF;
  (*bytes)[1] = 0xD8;
  (*bytes)[size - 2] = 0xFF;
  (*bytes)[size - 1] = 0xD9;
  return bytes;
}

TEST_F(BitmapEditTextTest, JpegIsWrappedInMarkers) {
  const auto jpeg = JpegLike(1000);
  DefineBitsJpeg2Record record(jpeg);
  const Bytes tag = TagBytes(record);
  ASSERT_EQ(tag.size(), 6u + 1008u);
  EXPECT_EQ(ToHex({tag.begin(), tag.begin() + 12}), "7F 05 F0 03 00 00 01 00 FF D9 FF D8");
  EXPECT_EQ(Bytes(tag.begin() + 12, tag.end() - 2), *jpeg);
  // The file's own end marker, then one more.
  EXPECT_EQ(ToHex({tag.end() - 4, tag.end()}), "FF D9 FF D9");
}

TEST_F(BitmapEditTextTest, JpegBytesAreDeferredNotCopied) {
  const auto jpeg = JpegLike(1000);
  DefineBitsJpeg2Record record(jpeg);
  OutputBuffer file;
  record.Write(file);
  EXPECT_EQ(file.finished_count(), 6u + 8u);
  ASSERT_EQ(file.blocks().size(), 1u);
  EXPECT_EQ(file.blocks()[0].data, jpeg->data());
  EXPECT_EQ(file.blocks()[0].size, 1000u);
  EXPECT_EQ(file.blocks()[0].position, 12u);
  EXPECT_EQ(file.Length(), 1014u);
}

TEST_F(BitmapEditTextTest, RecordKeepsTheBytesAliveUntilTheFileIsWritten) {
  const auto dir = testsupport::FreshDir();
  auto jpeg = JpegLike(10000);
  const Bytes expected = *jpeg;
  MovieFileWriter writer;
  writer.Add(std::make_unique<DefineBitsJpeg2Record>(std::move(jpeg)));
  jpeg.reset();  // the record is now the only owner
  ASSERT_TRUE(writer.WriteFile(dir / "pic.swf", 2000, 2000, 12));
  const Bytes file = testsupport::ReadFileBytes(dir / "pic.swf");
  const auto movie = testsupport::ParseMovie(file);
  EXPECT_EQ(movie.file_length, file.size());
  EXPECT_GT(movie.file_length, 10000u);
  ASSERT_EQ(movie.tags.size(), 2u);  // the picture, End
  EXPECT_EQ(movie.tags[0].code, 21);
  EXPECT_TRUE(movie.tags[0].long_header);
  EXPECT_EQ(Bytes(movie.tags[0].body.begin() + 6, movie.tags[0].body.end() - 2), expected);
}

TEST_F(BitmapEditTextTest, EmptyOrMissingJpegStillMakesAWholeTag) {
  DefineBitsJpeg2Record none(nullptr);
  EXPECT_EQ(TagHex(none), "48 05 01 00 FF D9 FF D8 FF D9");
  DefineBitsJpeg2Record empty(std::make_shared<const Bytes>());
  EXPECT_EQ(TagHex(empty), "48 05 02 00 FF D9 FF D8 FF D9");
}

TEST_F(BitmapEditTextTest, AnyFileIsEmbeddedUnchecked) {
  DefineBitsJpeg2Record text(std::make_shared<const Bytes>(Bytes{'a', 'b', 'c'}));
  EXPECT_EQ(TagHex(text), "4B 05 01 00 FF D9 FF D8 61 62 63 FF D9");
}

struct EditTextArgs {
  Rect bounds{0, 2000, 0, 400};
  bool has_font = false, has_max_length = false, has_text_color = false, read_only = false,
       password = false, multiline = false, word_wrap = false, has_text = false,
       use_outlines = false, border = false, no_select = false, has_layout = false;
  std::uint16_t font_id = 0, font_height = 0;
  Color text_color;
  std::uint16_t max_length = 0;
  std::uint8_t align = 0;
  std::uint16_t left_margin = 0, right_margin = 0, indent = 0, leading = 0;
  std::string variable_name = "v";
  std::string initial_text;

  std::unique_ptr<DefineEditTextRecord> Make() const {
    return std::make_unique<DefineEditTextRecord>(
        bounds, has_font, has_max_length, has_text_color, read_only, password, multiline, word_wrap,
        has_text, use_outlines, border, no_select, has_layout, font_id, font_height, text_color,
        max_length, align, left_margin, right_margin, indent, leading, variable_name, initial_text);
  }
};

TEST_F(BitmapEditTextTest, EditTextExample) {
  EditTextArgs a;
  a.has_text = true;
  a.read_only = true;
  a.has_text_color = true;
  a.text_color = Color(0, 0, 0, 255);
  a.border = true;
  a.has_layout = true;
  a.leading = 40;
  a.initial_text = "Hi";
  auto record = a.Make();
  EXPECT_EQ(TagHex(*record),
            "5D 09 01 00 60 00 3E 80 00 0C 80 8C 28 00 00 00 FF 00 00 00 00 00 00 00 28 00 76 00 48 69 00");
}

// Bytes after the id and the RECT (60 00 3E 80 00 0C 80 for the usual bounds).
std::string AfterRect(const EditTextArgs& a) {
  ResetCharacterIds();
  auto record = a.Make();
  const Bytes tag = TagBytes(*record);
  return ToHex({tag.begin() + 2 + 2 + 7, tag.end()});
}

TEST_F(BitmapEditTextTest, EditTextFlagsAndOptionalFields) {
  struct Case {
    const char* what;
    void (*set)(EditTextArgs&);
    const char* hex;
  };
  const Case cases[] = {
      {"nothing", [](EditTextArgs&) {}, "00 00 76 00"},
      {"has text", [](EditTextArgs& a) { a.has_text = true; a.initial_text = "x"; }, "80 00 76 00 78 00"},
      {"empty text", [](EditTextArgs& a) { a.has_text = true; }, "80 00 76 00 00"},
      {"text without flag", [](EditTextArgs& a) { a.initial_text = "x"; }, "00 00 76 00"},
      {"word wrap", [](EditTextArgs& a) { a.word_wrap = true; }, "40 00 76 00"},
      {"multiline", [](EditTextArgs& a) { a.multiline = true; }, "20 00 76 00"},
      {"password", [](EditTextArgs& a) { a.password = true; }, "10 00 76 00"},
      {"read only", [](EditTextArgs& a) { a.read_only = true; }, "08 00 76 00"},
      {"colour, made without alpha",
       [](EditTextArgs& a) { a.has_text_color = true; a.text_color = Color(1, 2, 3); },
       "04 00 01 02 03 FF 76 00"},
      {"max length", [](EditTextArgs& a) { a.has_max_length = true; a.max_length = 300; }, "02 00 2C 01 76 00"},
      {"font", [](EditTextArgs& a) { a.has_font = true; a.font_id = 3; a.font_height = 240; },
       "01 00 03 00 F0 00 76 00"},
      {"layout",
       [](EditTextArgs& a) {
         a.has_layout = true; a.align = 2; a.left_margin = 1; a.right_margin = 2; a.indent = 3; a.leading = 4;
       },
       "00 20 02 01 00 02 00 03 00 04 00 76 00"},
      {"no select", [](EditTextArgs& a) { a.no_select = true; }, "00 10 76 00"},
      {"border", [](EditTextArgs& a) { a.border = true; }, "00 08 76 00"},
      {"use outlines", [](EditTextArgs& a) { a.use_outlines = true; }, "00 01 76 00"},
      {"empty variable name", [](EditTextArgs& a) { a.variable_name.clear(); }, "00 00 00"},
      {"embedded zero ends a string",
       [](EditTextArgs& a) {
         a.variable_name = std::string("ab\0cd", 5);
         a.has_text = true;
         a.initial_text = std::string("x\0y", 3);
       },
       "80 00 61 62 00 78 00"},
      {"every field",
       [](EditTextArgs& a) {
         a.has_font = a.has_max_length = a.has_text_color = a.has_text = a.has_layout = true;
         a.font_id = 1; a.font_height = 2; a.text_color = Color(9, 8, 7, 6); a.max_length = 5;
         a.align = 1; a.initial_text = "t";
       },
       "87 20 01 00 02 00 09 08 07 06 05 00 01 00 00 00 00 00 00 00 00 76 00 74 00"},
  };
  for (const Case& c : cases) {
    EditTextArgs a;
    c.set(a);
    EXPECT_EQ(AfterRect(a), c.hex) << c.what;
  }
}

TEST(SwfString, StopsAtTheFirstZero) {
  EXPECT_EQ(TerminatedPart(std::string_view("abc")), "abc");
  EXPECT_EQ(TerminatedPart(std::string_view("a\0b", 3)), "a");
  EXPECT_EQ(testing_enc::Written([](OutputBuffer& b) { WriteTerminatedString(b, ""); }), "00");
}

}  // namespace
}  // namespace vectrel
