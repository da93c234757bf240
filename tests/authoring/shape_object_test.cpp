#include <gtest/gtest.h>

#include "shape_reader.h"
#include "support/temp_env.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/authoring/oval_shape.h"
#include "vectrel/authoring/picture_object.h"
#include "vectrel/authoring/polygon_shape.h"
#include "vectrel/authoring/rectangle_shape.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {
namespace {

using namespace authoringtest;
using Kind = ReadShapeRecord::Kind;

class ShapeTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  ParsedMovie Write() {
    const auto path = (dir_ / ("s" + std::to_string(n_++) + ".swf")).string();
    EXPECT_EQ(movie_.Write(path), WriteStatus::kWritten);
    return testsupport::ParseMovie(testsupport::ReadFileBytes(path));
  }
  ReadShape OnlyShape(const ParsedMovie& m) {
    const auto shapes = m.TagsWithCode(kTagDefineShape3);
    EXPECT_EQ(shapes.size(), 1u);
    return shapes.empty() ? ReadShape{} : ReadDefineShape3(shapes[0].body);
  }
  MovieModel movie_;
  std::filesystem::path dir_ = testsupport::FreshDir();
  int n_ = 0;
};

void ExpectEdges(const ReadShape& s, const std::vector<std::array<int, 2>>& edges) {
  ASSERT_EQ(s.records.size(), edges.size() + 2);
  for (std::size_t i = 0; i < edges.size(); ++i) {
    EXPECT_EQ(s.records[i + 1].kind, Kind::kStraight) << i;
    EXPECT_EQ(s.records[i + 1].dx, edges[i][0]) << i;
    EXPECT_EQ(s.records[i + 1].dy, edges[i][1]) << i;
  }
  EXPECT_EQ(s.records.back().kind, Kind::kEnd);
}

TEST_F(ShapeTest, NewRectangleHasWhiteFillBlackLineAndFourEdges) {
  RectangleShape rect(0, 0, 99, 49);
  movie_.GetFrame(0).AddObject(rect);
  const auto s = OnlyShape(Write());
  EXPECT_EQ(s.id, 1);
  EXPECT_EQ((std::array<int, 4>{s.xmin, s.xmax, s.ymin, s.ymax}), (std::array<int, 4>{0, 99, 0, 49}));
  ASSERT_EQ(s.fills.size(), 1u);
  EXPECT_EQ(s.fills[0].type, 0);
  EXPECT_EQ((std::array<int, 4>{s.fills[0].r, s.fills[0].g, s.fills[0].b, s.fills[0].a}),
            (std::array<int, 4>{255, 255, 255, 255}));
  ASSERT_EQ(s.lines.size(), 1u);
  EXPECT_EQ(s.lines[0].width, 20);
  EXPECT_EQ((std::array<int, 4>{s.lines[0].r, s.lines[0].g, s.lines[0].b, s.lines[0].a}),
            (std::array<int, 4>{0, 0, 0, 255}));
  const auto& first = s.records[0];
  EXPECT_EQ(first.kind, Kind::kStyle);
  EXPECT_TRUE(first.move && first.set_fill1 && first.set_line && !first.set_fill0);
  EXPECT_EQ(first.fill1, 1);
  EXPECT_EQ(first.line, 1);
  EXPECT_EQ(first.dx, 0);
  EXPECT_EQ(first.dy, 0);
  ExpectEdges(s, {{100, 0}, {0, 50}, {-100, 0}, {0, -50}});
}

TEST_F(ShapeTest, CircleCurvesUseTruncatedExtendedProducts) {
  auto circle = OvalShape::Circle(1000, 1000, 500);
  movie_.GetFrame(0).AddObject(*circle);
  const auto s = OnlyShape(Write());
  EXPECT_EQ(s.records[0].dx, 1353);
  EXPECT_EQ(s.records[0].dy, 1353);
  ASSERT_EQ(s.records.size(), 10u);
  const int expected[8][4] = {{-146, 146, -206, 0}, {-206, 0, -146, -146}, {-146, -146, 0, -206},
                              {0, -206, 146, -146}, {146, -146, 206, 0},   {206, 0, 146, 146},
                              {146, 146, 0, 206},   {0, 206, -146, 146}};
  for (int i = 0; i < 8; ++i) {
    const auto& r = s.records[static_cast<std::size_t>(i) + 1];
    ASSERT_EQ(r.kind, Kind::kCurve);
    EXPECT_EQ((std::array<int, 4>{r.cx, r.cy, r.dx, r.dy}),
              (std::array<int, 4>{expected[i][0], expected[i][1], expected[i][2], expected[i][3]}))
        << "curve " << i + 1;
  }
}

TEST_F(ShapeTest, OvalProductsAboveTheExactRange) {
  // W = 10000: 0.1465 x 10000 is 1464 in extended precision (1465 in double).
  OvalShape oval(0, 0, 10000, 2000);
  movie_.GetFrame(0).AddObject(oval);
  const auto s = OnlyShape(Write());
  EXPECT_EQ(s.records[1].cx, -1464);
  EXPECT_EQ(s.records[1].dx, -2069);  // 0.207 x 10000 just below 2070
  EXPECT_EQ(s.records[4].cy, -413);  // 0.207 x 2000
}

TEST_F(ShapeTest, NoFillStaysWhenOnlyTheColourChanges) {
  RectangleShape rect(0, 0, 10, 10);
  rect.SetNoFill();
  rect.SetSolidFill(255, 0, 0, 255);
  movie_.GetFrame(0).AddObject(rect);
  const auto s = OnlyShape(Write());
  EXPECT_TRUE(s.fills.empty());
  EXPECT_EQ(s.fill_bits, 0);
  EXPECT_EQ(rect.fill_color(), Color(255, 0, 0, 255));
}

TEST_F(ShapeTest, ZeroLineWidthGivesNoLineStyle) {
  RectangleShape rect(0, 0, 10, 10);
  rect.SetLineWidth(0);
  movie_.GetFrame(0).AddObject(rect);
  const auto s = OnlyShape(Write());
  EXPECT_TRUE(s.lines.empty());
  EXPECT_EQ(s.line_bits, 0);
  EXPECT_TRUE(s.records[0].set_line);
  EXPECT_EQ(s.records[0].line, 0);
}

TEST_F(ShapeTest, PlacementMatrixOnlyWithATransform) {
  RectangleShape plain(0, 0, 10, 10), moved(0, 0, 10, 10);
  moved.Translate(100, 0);
  movie_.GetFrame(0).AddObject(plain);
  movie_.GetFrame(0).AddObject(moved);
  const auto places = Write().TagsWithCode(kTagPlaceObject2);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_FALSE(ReadPlace(places[0]).has_matrix);
  ASSERT_TRUE(ReadPlace(places[1]).has_matrix);
  const auto m = ReadPlaceMatrix(places[1]);
  EXPECT_TRUE(m.has_scale && m.has_rotate);
  EXPECT_EQ((std::array<int, 6>{m.scale_x, m.scale_y, m.skew0, m.skew1, m.tx, m.ty}),
            (std::array<int, 6>{65536, 65536, 0, 0, 100, 0}));
}

TEST_F(ShapeTest, BuildMatrixCases) {
  struct Case {
    Bounds bounds;
    int translate_x, translate_y, rotation, scale_x, scale_y;
    std::array<int, 6> expected;  // scale x, scale y, skew 0, skew 1, tx, ty
  };
  const Case cases[] = {
      // 90 degrees about the centre of a square.
      {{0, 0, 100, 100}, 0, 0, 90 * 65536, 65536, 65536, {0, 0, 65536, -65536, 100, 0}},
      // Doubling about the centre (50, 50) moves the origin to (-50, -50).
      {{0, 0, 100, 100}, 0, 0, 0, 131072, 131072, {131072, 131072, 0, 0, -50, -50}},
      // 180 degrees, then moved by (20, 30).
      {{0, 0, 100, 100}, 20, 30, 180 * 65536, 65536, 65536, {-65536, -65536, 0, 0, 120, 130}},
  };
  for (const auto& c : cases) {
    RectangleShape rect(c.bounds.xmin, c.bounds.ymin, c.bounds.xmax, c.bounds.ymax);
    rect.Translate(c.translate_x, c.translate_y);
    rect.Rotate(c.rotation);
    rect.Scale(c.scale_x, c.scale_y);
    ASSERT_TRUE(rect.HasTransform());
    const auto m = rect.BuildMatrix();
    ASSERT_TRUE(m);
    EXPECT_EQ((std::array<int, 6>{m->scale_x, m->scale_y, m->rotate_skew0, m->rotate_skew1, m->translate_x,
                                  m->translate_y}),
              c.expected)
        << "rotation " << c.rotation / 65536 << " scale " << c.scale_x;
  }
}

TEST_F(ShapeTest, PolygonRecordsAndBounds) {
  PolygonShape poly(0, 0);
  poly.AddStraightLine(100, 0);
  poly.AddCurvedLine(50, 50, -50, 50);
  poly.AddNewPath(10, 10);
  poly.AddStraightLine(20, 0);
  EXPECT_EQ(poly.bounds().xmax, 100);
  EXPECT_EQ(poly.bounds().ymax, 100);
  movie_.GetFrame(0).AddObject(poly);
  const auto s = OnlyShape(Write());
  EXPECT_EQ((std::array<int, 4>{s.xmin, s.xmax, s.ymin, s.ymax}), (std::array<int, 4>{0, 100, 0, 100}));
  std::vector<Kind> kinds;
  for (const auto& r : s.records) kinds.push_back(r.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::kStyle, Kind::kStraight, Kind::kCurve, Kind::kStyle, Kind::kStraight,
                                      Kind::kEnd}));
  EXPECT_TRUE(s.records[3].move && !s.records[3].set_fill1 && !s.records[3].set_line);
  EXPECT_EQ(s.records[3].dx, 10);
  EXPECT_EQ(s.records[3].dy, 10);
}

TEST_F(ShapeTest, UnchangedShapeIsDefinedOnceAndPlacedPerAddition) {
  RectangleShape rect(0, 0, 10, 10);
  movie_.GetFrame(0).AddObject(rect);
  movie_.GetFrame(1).RemoveObject(rect);
  movie_.GetFrame(1).AddObject(rect);
  const auto m = Write();
  EXPECT_EQ(m.TagsWithCode(kTagDefineShape3).size(), 1u);
  const auto places = m.TagsWithCode(kTagPlaceObject2);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(ReadPlace(places[0]).character_id, ReadPlace(places[1]).character_id);
}

TEST_F(ShapeTest, LookChangingSetterMakesANewDefinition) {
  RectangleShape rect(0, 0, 10, 10);
  movie_.GetFrame(0).AddObject(rect);
  rect.Translate(5, 5);  // placement only
  movie_.GetFrame(1).AddObject(rect);
  rect.SetSolidFill(1, 2, 3, 4);
  movie_.GetFrame(2).AddObject(rect);
  const auto shapes = Write().TagsWithCode(kTagDefineShape3);
  ASSERT_EQ(shapes.size(), 2u);
  const auto second = ReadDefineShape3(shapes[1].body);
  EXPECT_EQ(second.id, 2);
  EXPECT_EQ((std::array<int, 4>{second.fills[0].r, second.fills[0].g, second.fills[0].b, second.fills[0].a}),
            (std::array<int, 4>{1, 2, 3, 4}));
}

TEST_F(ShapeTest, ALaterMovieGetsItsOwnDefinition) {
  // A placement must never name a character the file lacks.
  RectangleShape rect(0, 0, 10, 10);
  movie_.GetFrame(0).AddObject(rect);
  Write();
  movie_.GetFrame(0).AddObject(rect);
  const auto second = Write();
  ASSERT_EQ(second.TagsWithCode(kTagDefineShape3).size(), 1u);
  EXPECT_EQ(ReadDefineShape3(second.TagsWithCode(kTagDefineShape3)[0].body).id, 1);
  EXPECT_EQ(ReadPlace(second.TagsWithCode(kTagPlaceObject2).at(0)).character_id, 1);

  MovieModel other;
  movie_.GetFrame(0).AddObject(rect);
  other.GetFrame(0).AddObject(rect);  // defined in movie_, not in `other`
  EXPECT_EQ(other.GetFrame(0).records().size(), 2u);
  EXPECT_EQ(rect.character_id(), 2);
}

TEST_F(ShapeTest, LinearAndRadialGradientMatrices) {
  RectangleShape linear(0, 0, 99, 49), radial(0, 0, 99, 49);
  linear.SetLinearFill(Color(255, 0, 0, 255), Color(0, 0, 255, 128));
  radial.SetRadialFill(Color(0, 0, 0, 255), Color(255, 255, 255, 255));
  radial.SetRadialFillCenter(10, 20);
  movie_.GetFrame(0).AddObject(linear);
  movie_.GetFrame(0).AddObject(radial);
  const auto shapes = Write().TagsWithCode(kTagDefineShape3);
  ASSERT_EQ(shapes.size(), 2u);
  const auto l = ReadDefineShape3(shapes[0].body).fills.at(0);
  EXPECT_EQ(l.type, 0x10);
  EXPECT_EQ((std::array<int, 4>{l.matrix.scale_x, l.matrix.scale_y, l.matrix.tx, l.matrix.ty}),
            (std::array<int, 4>{100, 50, 49, 24}));
  ASSERT_EQ(l.stops.size(), 2u);
  EXPECT_EQ(l.stops[0].first, 0);
  EXPECT_EQ(l.stops[1].first, 255);
  EXPECT_EQ(l.stops[1].second, (std::array<int, 4>{0, 0, 255, 128}));
  const auto r = ReadDefineShape3(shapes[1].body).fills.at(0);
  EXPECT_EQ(r.type, 0x12);
  EXPECT_EQ(r.matrix.scale_x, 223);  // trunc(2 * sqrt(100^2 + 50^2))
  EXPECT_EQ(r.matrix.scale_y, 223);
  EXPECT_EQ(r.matrix.tx, 10);
  EXPECT_EQ(r.matrix.ty, 20);
  EXPECT_EQ(r.stops.size(), 2u);  // the centre setter keeps the stops
}

TEST_F(ShapeTest, GradientStopsAccumulateUntilADefinition) {
  RectangleShape rect(0, 0, 10, 10);
  rect.SetLinearFill(Color(1, 1, 1, 255), Color(2, 2, 2, 255));
  rect.SetLinearFill(Color(3, 3, 3, 255), Color(4, 4, 4, 255));
  movie_.GetFrame(0).AddObject(rect);
  rect.SetLinearFill(Color(5, 5, 5, 255), Color(6, 6, 6, 255));
  movie_.GetFrame(1).AddObject(rect);
  const auto shapes = Write().TagsWithCode(kTagDefineShape3);
  ASSERT_EQ(shapes.size(), 2u);
  const auto first = ReadDefineShape3(shapes[0].body).fills.at(0);
  ASSERT_EQ(first.stops.size(), 4u);
  EXPECT_EQ(first.stops[2].first, 0);
  const auto second = ReadDefineShape3(shapes[1].body).fills.at(0);
  ASSERT_EQ(second.stops.size(), 2u);
  EXPECT_EQ(second.stops[0].second[0], 5);
}

TEST_F(ShapeTest, RedefinitionReusesTheGradient) {
  RectangleShape rect(0, 0, 10, 10);
  rect.SetRadialFill(Color(9, 9, 9, 255), Color(7, 7, 7, 255));
  movie_.GetFrame(0).AddObject(rect);
  rect.SetLineWidth(40);
  movie_.GetFrame(1).AddObject(rect);
  const auto shapes = Write().TagsWithCode(kTagDefineShape3);
  ASSERT_EQ(shapes.size(), 2u);
  const auto a = ReadDefineShape3(shapes[0].body);
  const auto b = ReadDefineShape3(shapes[1].body);
  ASSERT_EQ(b.fills.size(), 1u);
  EXPECT_EQ(b.fills[0].type, 0x12);
  EXPECT_EQ(b.fills[0].stops, a.fills[0].stops);
  EXPECT_EQ(b.fills[0].matrix.scale_x, a.fills[0].matrix.scale_x);
  EXPECT_EQ(b.lines.at(0).width, 40);
}

class BitmapTest : public ShapeTest {
 protected:
  std::string Jpeg(std::size_t size) {
    const auto path = (dir_ / ("p" + std::to_string(size) + ".jpg")).string();
    std::vector<std::uint8_t> bytes(size, 0x5A);
    bytes[0] = 0xFF;
    bytes[1] = 0xD8;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }
};

TEST_F(BitmapTest, PictureIsAJpegRecordThenAClippedBitmapShape) {
  auto picture = PictureObject::Make(100, 200, 419, 439, 32, 24, Jpeg(500));
  ASSERT_TRUE(picture);
  movie_.GetFrame(0).AddObject(*picture);
  const auto m = Write();
  const auto frame = Frames(m).at(0);
  ASSERT_EQ(frame.size(), 3u);
  EXPECT_EQ(frame[0].code, kTagDefineBitsJpeg2);
  EXPECT_EQ(frame[1].code, kTagDefineShape3);
  EXPECT_EQ(frame[2].code, kTagPlaceObject2);
  const int jpeg_id = U16(frame[0].body, 0);
  ASSERT_EQ(frame[0].body.size(), 508u);  // id, FF D9 FF D8, the bytes as read, FF D9
  EXPECT_EQ(frame[0].body[6], 0xFF);
  EXPECT_EQ(frame[0].body[7], 0xD8);
  const auto s = ReadDefineShape3(frame[1].body);
  ASSERT_EQ(s.fills.size(), 2u);
  EXPECT_EQ(s.fills[0].type, 0x41);
  EXPECT_EQ(s.fills[0].bitmap_id, 65535);
  EXPECT_EQ(s.fills[0].matrix.scale_x, 655360);
  EXPECT_EQ(s.fills[1].type, 0x41);
  EXPECT_EQ(s.fills[1].bitmap_id, jpeg_id);
  EXPECT_EQ(s.fills[1].matrix.scale_x, 320 * 65536 / 32);
  EXPECT_EQ(s.fills[1].matrix.scale_y, 240 * 65536 / 24);
  EXPECT_EQ(s.fills[1].matrix.tx, 100);
  EXPECT_EQ(s.fills[1].matrix.ty, 200);
  EXPECT_TRUE(s.lines.empty());
  EXPECT_EQ(s.records[0].fill1, 2);
}

TEST_F(BitmapTest, RedefinedPictureWritesTheBytesAgain) {
  auto picture = PictureObject::Make(0, 0, 99, 99, 10, 10, Jpeg(300));
  ASSERT_TRUE(picture);
  movie_.GetFrame(0).AddObject(*picture);
  picture->SetLineWidth(20);
  movie_.GetFrame(1).AddObject(*picture);
  const auto m = Write();
  const auto jpegs = m.TagsWithCode(kTagDefineBitsJpeg2);
  ASSERT_EQ(jpegs.size(), 2u);
  EXPECT_NE(U16(jpegs[0].body, 0), U16(jpegs[1].body, 0));
  EXPECT_EQ(jpegs[0].body.size(), 308u);
  EXPECT_EQ(std::vector<std::uint8_t>(jpegs[0].body.begin() + 2, jpegs[0].body.end()),
            std::vector<std::uint8_t>(jpegs[1].body.begin() + 2, jpegs[1].body.end()));
  const auto second = ReadDefineShape3(m.TagsWithCode(kTagDefineShape3)[1].body);
  EXPECT_EQ(second.fills[1].bitmap_id, U16(jpegs[1].body, 0));
  // The bytes outlive the object that read them.
  picture.reset();
  movie_.GetFrame(0);
  EXPECT_EQ(movie_.Write((dir_ / "after.swf").string()), WriteStatus::kWritten);
}

TEST_F(BitmapTest, UnusableInputLeavesTheFillAlone) {
  EXPECT_FALSE(PictureObject::Make(0, 0, 10, 10, 10, 10, (dir_ / "missing.jpg").string()));
  EXPECT_FALSE(PictureObject::Make(0, 0, 10, 10, 0, 10, Jpeg(10)));
  EXPECT_FALSE(PictureObject::Make(0, 0, 10, 10, 10, -1, Jpeg(10)));
  RectangleShape rect(0, 0, 10, 10);
  EXPECT_EQ(rect.SetBitmapFillJpeg(10, 10, (dir_ / "missing.jpg").string()), BitmapFillResult::kNotOpened);
  EXPECT_EQ(rect.fill_kind(), FillKind::kSolid);
}

TEST_F(BitmapTest, HugeShapeScaleIsClampedNotWrapped) {
  auto picture = PictureObject::Make(0, 0, 2000000, 10, 1, 10, Jpeg(10));
  ASSERT_TRUE(picture);
  movie_.GetFrame(0).AddObject(*picture);
  const auto s = OnlyShape(Write());
  EXPECT_EQ(s.fills[1].matrix.scale_x, (1 << 30) - 1);
}

}  // namespace
}  // namespace vectrel
