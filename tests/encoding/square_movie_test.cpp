#include <gtest/gtest.h>

#include "record_bytes.h"
#include "support/temp_env.h"
#include "vectrel/encoding/define_shape3.h"
#include "vectrel/encoding/display_records.h"
#include "vectrel/encoding/do_action.h"
#include "vectrel/encoding/movie_file_writer.h"

namespace vectrel {
namespace {

using testsupport::Bytes;
using testsupport::ToHex;

// One frame: white background, a red square placed at (200, 100) px, stop.
TEST(SquareMovie, CompleteFileAgreesWithItsHeader) {
  ResetCharacterIds();
  const auto dir = testsupport::FreshDir();
  MovieFileWriter writer;
  writer.Add(std::make_unique<SetBackgroundColorRecord>(Color(255, 255, 255)));

  auto square = std::make_unique<DefineShape3Record>(Rect{0, 2000, 0, 2000});
  const int fill = square->AddFillStyle(std::make_unique<SolidFill>(Color(255, 0, 0, 255)));
  square->CloseStyles();
  square->AddShapeRecord(std::make_unique<StyleChangeRecord>(false, true, false, true, 0, 0, 0, fill, 0));
  square->AddShapeRecord(std::make_unique<StraightEdgeRecord>(2000, 0));
  square->AddShapeRecord(std::make_unique<StraightEdgeRecord>(0, 2000));
  square->AddShapeRecord(std::make_unique<StraightEdgeRecord>(-2000, 0));
  square->AddShapeRecord(std::make_unique<StraightEdgeRecord>(0, -2000));
  square->AddShapeRecord(std::make_unique<EndShapeRecord>());
  const std::uint16_t id = square->CharacterId();
  writer.Add(std::move(square));
  writer.Add(std::make_unique<PlaceObject2Record>(1, id, Matrix::Translation(4000, 2000)));
  auto stop = std::make_unique<DoActionRecord>();
  stop->AppendAction(std::make_unique<StopActionRecord>());
  writer.Add(std::move(stop));
  writer.Add(std::make_unique<ShowFrameRecord>());

  ASSERT_TRUE(writer.WriteFile(dir / "square.swf", 11000, 8000, 12));
  const Bytes file = testsupport::ReadFileBytes(dir / "square.swf");
  const auto movie = testsupport::ParseMovie(file);

  EXPECT_EQ(movie.version, 5);
  EXPECT_EQ(movie.file_length, file.size());
  EXPECT_EQ(movie.frame_count, 1);
  EXPECT_EQ(movie.width, 11000);
  EXPECT_EQ(movie.height, 8000);
  EXPECT_EQ(movie.frame_rate, 12);

  ASSERT_EQ(movie.tags.size(), 6u);
  const int codes[] = {9, 32, 26, 12, 1, 0};
  for (std::size_t i = 0; i < movie.tags.size(); ++i) EXPECT_EQ(movie.tags[i].code, codes[i]) << i;
  EXPECT_EQ(ToHex(movie.tags[0].body), "FF FF FF");
  EXPECT_EQ(ToHex(movie.tags[2].body), "06 01 00 01 00 1A FA 03 E8 00");
  EXPECT_EQ(ToHex(movie.tags[3].body), "07 00");
  // The shape: id 1, RECT, one RGBA fill, no lines, fill bits 1, then the
  // move, four 13-bit edges and the end record.
  const Bytes& shape = movie.tags[1].body;
  ASSERT_GE(shape.size(), 2u);
  EXPECT_EQ(shape[0], 1);
  EXPECT_EQ(shape[1], 0);
  // The last tag before End is the ShowFrame, and nothing follows End.
  EXPECT_EQ(movie.tags.back().offset + 2, file.size());
}

}  // namespace
}  // namespace vectrel
