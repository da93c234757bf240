// One script per area, checked on the written file.
#include <cstdio>

#include "authoring/shape_reader.h"
#include "server_fixture.h"
#include "support/wave_file.h"

namespace automationtest {
namespace {

using authoringtest::Frames;
using authoringtest::ReadDefineShape3;
using authoringtest::ReadPlace;
using authoringtest::ReadPlaceMatrix;
using authoringtest::U16;

enum Tag { kShape = 32, kPlace = 26, kRemove = 5, kJpeg = 21, kEditText = 37, kFont = 10, kFontInfo = 13,
           kText = 33, kSound = 14, kStreamHead = 18, kStartSound = 15, kButton = 34, kDoAction = 12,
           kBackground = 9 };

class AreaTest : public ServerTest {
 protected:
  std::string Header() const {
    return "Set m = CreateObject(\"Vectrel.swfMovie\")\nSet o = CreateObject(\"Vectrel.swfObject\")\n"
           "Set p = CreateObject(\"Vectrel.swfObject\")\nSet a = CreateObject(\"Vectrel.swfAction\")\n";
  }
  testsupport::ParsedMovie RunMovie(const std::string& body) {
    Run(Header() + body + "\nm.WriteMovie \"" + Path("out.swf") + "\"\n");
    return Movie("out.swf");
  }
  std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = Path(name);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }
};

TEST_F(AreaTest, Shapes) {
  const auto m = RunMovie(R"(
m.SetSize 8400, 3600
o.MakeRectangle 0, 0, 99, 49
o.SetLineWidth 40
o.SetLineColor 0, 0, 255, 255
m.AddObject o
m.GotoFrame 1
m.RemoveObject o
o.Translate 100, 0
m.AddObject o
p.MakePolygon 0, 0
p.AddStraightLine 100, 0
p.AddCurvedLine 50, 50, -50, 50
p.AddNewPath 10, 10
p.AddStraightLine 20, 0
p.SetNoFill
p.SetDepth 3
m.AddObject p
)");
  EXPECT_EQ(m.width, 8400);
  EXPECT_EQ(m.frame_count, 2);
  const auto shapes = m.TagsWithCode(kShape);
  ASSERT_EQ(shapes.size(), 2u);
  const auto rect = ReadDefineShape3(shapes[0].body);
  EXPECT_EQ(rect.lines.at(0).width, 40);
  EXPECT_EQ(rect.lines.at(0).b, 255);
  const auto poly = ReadDefineShape3(shapes[1].body);
  EXPECT_TRUE(poly.fills.empty());
  EXPECT_EQ(poly.xmax, 100);
  const auto places = m.TagsWithCode(kPlace);
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(ReadPlaceMatrix(places[1]).tx, 100);
  EXPECT_EQ(ReadPlace(places[2]).depth, 2);  // layer 3 after both layer-1 placements
}

TEST_F(AreaTest, Gradients) {
  const auto m = RunMovie(R"(
o.MakeOval 0, 0, 999, 499
o.SetRadialFill 255, 255, 255, 255, 0, 0, 0, 255
o.SetRadialFillCenter 300, 200
m.AddObject o
p.MakeRectangle 0, 0, 99, 49
p.SetLinearFill 255, 0, 0, 255, 0, 0, 255, 128
m.AddObject p
)");
  const auto shapes = m.TagsWithCode(kShape);
  ASSERT_EQ(shapes.size(), 2u);
  const auto radial = ReadDefineShape3(shapes[0].body).fills.at(0);
  EXPECT_EQ(radial.type, 0x12);
  EXPECT_EQ(radial.matrix.tx, 300);
  EXPECT_EQ(radial.stops.size(), 2u);
  const auto linear = ReadDefineShape3(shapes[1].body).fills.at(0);
  EXPECT_EQ(linear.type, 0x10);
  EXPECT_EQ(linear.matrix.scale_x, 100);
  EXPECT_EQ(linear.stops.at(1).second, (std::array<int, 4>{0, 0, 255, 128}));
}

TEST_F(AreaTest, BitmapFillsAndPictures) {
  const std::string jpeg = WriteFile("p.jpg", {0xFF, 0xD8, 1, 2, 3, 0xFF, 0xD9});
  const auto m = RunMovie("o.MakeRectangle 0, 0, 199, 99\no.SetBitmapFillJpeg 20, 10, \"" + jpeg +
                          "\"\nm.AddObject o\np.MakePicture 0, 0, 399, 199, 20, 10, \"" + jpeg +
                          "\"\nPrint p.ObjectType\nm.AddObject p\no.MakePicture 0, 0, 1, 1, 1, 1, \"" +
                          Path("missing.jpg") + "\"\nPrint o.ObjectType\nm.AddObject o\n");
  const auto frame = Frames(m).at(0);
  ASSERT_EQ(frame.size(), 6u);
  EXPECT_EQ(frame[0].code, kJpeg);
  EXPECT_EQ(frame[1].code, kShape);
  EXPECT_EQ(frame[3].code, kJpeg);
  const auto picture = ReadDefineShape3(frame[4].body);
  EXPECT_TRUE(picture.lines.empty());
  EXPECT_EQ(picture.fills.at(1).bitmap_id, U16(frame[3].body, 0));
  EXPECT_EQ(picture.fills.at(1).matrix.scale_x, 400 * 65536 / 20);
  EXPECT_EQ(testsupport::ToHex(std::vector<std::uint8_t>(frame[0].body.begin() + 2, frame[0].body.end())),
            "FF D9 FF D8 FF D8 01 02 03 FF D9 FF D9");
}

TEST_F(AreaTest, EditTexts) {
  const auto m = RunMovie(R"(
o.MakeEditText 0, 0, 2000, 400, "Type here"
o.SetEditTextEditable 0
o.SetEditTextColor 255, 0, 0
o.SetEditTextHeight 300
m.AddObject o
)");
  const auto fields = m.TagsWithCode(kEditText);
  ASSERT_EQ(fields.size(), 1u);
  const std::string body(fields[0].body.begin(), fields[0].body.end());
  EXPECT_NE(body.find("TextField_0_0_2000_400_1"), std::string::npos);
  EXPECT_NE(body.find("Type here"), std::string::npos);
}

TEST_F(AreaTest, FontsAndTexts) {
  const auto m = RunMovie(R"(
p.MakeFont "Liberation Sans"
p.AddGlyph "Liberation Sans", "H", 72
p.AddGlyphEx "Liberation Sans", "i", 105, 300
o.MakeTextEx "Hi!", p, 200, 300, 1025
o.SetSolidFill 0, 128, 0, 255
m.AddObject o
Set s = CreateObject("Vectrel.swfObject")
s.MakeTextSimple "Liberation Sans", "Happy birthday", 0, 1000, 480
m.AddObject s
)");
  EXPECT_EQ(m.TagsWithCode(kFont).size(), 2u);
  EXPECT_EQ(m.TagsWithCode(kFontInfo).size(), 2u);
  const auto texts = m.TagsWithCode(kText);
  ASSERT_EQ(texts.size(), 2u);
  const auto places = m.TagsWithCode(kPlace);
  ASSERT_EQ(places.size(), 2u);
  const auto fitted = ReadPlaceMatrix(places[0]);
  EXPECT_EQ(fitted.scale_x, 65535);
  // Translated to (200, 300); the 65535 scale about the centre moves it by a twip at most.
  EXPECT_NEAR(fitted.tx, 200, 1);
  EXPECT_NEAR(fitted.ty, 300, 1);
  // The first font's info lists codes 72 and 105.
  const auto info = m.TagsWithCode(kFontInfo)[0].body;
  EXPECT_EQ(info[info.size() - 2], 72);
  EXPECT_EQ(info.back(), 105);
}

TEST_F(AreaTest, Sounds) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < 2000; ++i) samples.push_back(static_cast<std::int16_t>(((i % 64) << 8) | ((i * 37) & 0xFF)));
  const auto wav = wavetest::MonoPcm16(11025, samples);
  const std::string path = WriteFile("tone.wav", wav);
  const auto m = RunMovie("o.MakeSound \"" + path + "\"\nPrint o.ObjectType\nm.AddObject o\nm.GotoFrame 10\n"
                          "m.AddObject o\np.MakeSound \"" + Path("missing.wav") + "\"\nPrint p.ObjectType\n");
  const auto frames = Frames(m);
  ASSERT_EQ(frames.size(), 11u);
  ASSERT_EQ(frames[0].size(), 3u);
  EXPECT_EQ(frames[0][0].code, kStreamHead);
  EXPECT_EQ(frames[0][1].code, kSound);
  EXPECT_EQ(frames[0][2].code, kStartSound);
  EXPECT_EQ(frames[10].at(0).code, kStartSound);
}

TEST_F(AreaTest, ButtonsAndActions) {
  const auto m = RunMovie(R"(
o.MakeRectangle 0, 0, 99, 99
p.MakeButtonSimple o, 50, 50, 50, 0, 100, 0, 0, 0
Print p.ObjectType
a.MakeActionGotoURLTarget "http://example.org/", "_blank"
p.QueueEvent a, 6
Print p.ObjectType
m.AddObject p
a.MakeActionGotoFrame 12
m.GotoFrame 3
m.AddAction a
a.MakeActionStop
m.AddAction a
)");
  const auto frames = Frames(m);
  ASSERT_EQ(frames.size(), 4u);
  ASSERT_EQ(frames[0].size(), 3u);
  EXPECT_EQ(frames[0][1].code, kButton);
  const std::string button(frames[0][1].body.begin(), frames[0][1].body.end());
  EXPECT_NE(button.find("http://example.org/"), std::string::npos);
  EXPECT_FALSE(ReadPlace(frames[0][2]).has_matrix);
  ASSERT_EQ(frames[3].size(), 2u);
  EXPECT_EQ(testsupport::ToHex(frames[3][0].body), "81 02 00 0C 00 00");
  EXPECT_EQ(testsupport::ToHex(frames[3][1].body), "07 00");
}

TEST_F(AreaTest, MovieAndTempFiles) {
  const auto r = Run(Header() + "m.SetTempDir \"" + dir_.string() + "/\"\nm.SetFrameBkColor 255, 128, 0\n"
                     "m.GotoFrame 2\nm.MakeMovie\nDim name = m.filename\nDim bytes = m.Content\nPrint bytes\n"
                     "m.DeleteTempFile\nPrint m.Content\n");
  std::istringstream lines(r.out);
  std::string content, after;
  std::getline(lines, content);
  std::getline(lines, after);
  // 31 bytes: header, background, one ShowFrame (GotoFrame alone adds no frame), End;
  // then the trailing 0.
  EXPECT_EQ(content.substr(0, 18), "32 46 57 53 05 1F ");
  EXPECT_EQ(after, "");
}

}  // namespace
}  // namespace automationtest
