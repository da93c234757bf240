#include "vectrel/authoring/movie_model.h"

#include <gtest/gtest.h>

#include <regex>

#include "movie_reader.h"
#include "support/temp_env.h"
#include "vectrel/authoring/display_object.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {
namespace {

using authoringtest::Frames;
using authoringtest::ReadPlace;
using authoringtest::ReadRemove;
using testsupport::ParseMovie;
using testsupport::ReadFileBytes;

// A definition that only carries its id.
class StubDefinition : public CharacterRecord {
 public:
  void Write(OutputBuffer& file) override {
    OutputBuffer body;
    body.WriteU16(CharacterId());
    WriteTagHeader(file, kTagDefineShape3, body.Length(), &body);
  }
};

class StubObject : public DisplayObject {
 public:
  int AddToFrame(Frame& frame, MovieModel& movie) override {
    if (!defined()) {
      auto def = std::make_unique<StubDefinition>();
      set_character_id(def->CharacterId());
      frame.Append(std::move(def));
      set_defined(true);
    }
    return definition_only() ? 0 : Place(frame, movie);
  }
};

class MovieModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  testsupport::ParsedMovie WriteAndParse(MovieModel& movie) {
    const auto path = (dir_ / ("m" + std::to_string(n_++) + ".swf")).string();
    EXPECT_EQ(movie.Write(path), WriteStatus::kWritten);
    return ParseMovie(ReadFileBytes(path));
  }
  std::filesystem::path dir_ = testsupport::FreshDir();
  int n_ = 0;
};

TEST_F(MovieModelTest, EmptyMovieHasDefaultStageAndNoFrames) {
  MovieModel movie;
  const auto parsed = WriteAndParse(movie);
  EXPECT_EQ(parsed.width, 11000);
  EXPECT_EQ(parsed.height, 8000);
  EXPECT_EQ(parsed.frame_rate, 12);
  EXPECT_EQ(parsed.frame_count, 0);
  ASSERT_EQ(parsed.tags.size(), 1u);
  EXPECT_EQ(parsed.tags[0].code, 0);
}

TEST_F(MovieModelTest, FramesBelowTheHighestTouchedAreWrittenEmpty) {
  MovieModel movie;
  StubObject object;
  movie.GotoFrame(5);
  movie.CurrentFrame().AddObject(object);
  EXPECT_EQ(movie.frame_count(), 6);
  const auto parsed = WriteAndParse(movie);
  EXPECT_EQ(parsed.frame_count, 6);
  const auto frames = Frames(parsed);
  ASSERT_EQ(frames.size(), 6u);
  for (int f = 0; f < 5; ++f) EXPECT_TRUE(frames[f].empty()) << f;
  EXPECT_EQ(frames[5].size(), 2u);
}

TEST_F(MovieModelTest, GotoFrameAloneAddsNoFrame) {
  MovieModel movie;
  movie.GotoFrame(9);
  EXPECT_EQ(movie.frame_count(), 0);
  EXPECT_EQ(WriteAndParse(movie).frame_count, 0);
}

TEST_F(MovieModelTest, SameLayerOrdersByCharacterId) {
  MovieModel movie;
  StubObject filler1, filler2, a, b;
  // Give `a` id 3 and `b` id 2.
  filler1.AddToFrame(movie.GetFrame(0), movie);
  movie.GetFrame(0).RemoveObject(filler1);
  b.AddToFrame(movie.GetFrame(0), movie);
  a.AddToFrame(movie.GetFrame(0), movie);
  ASSERT_EQ(a.character_id(), 3);
  ASSERT_EQ(b.character_id(), 2);
  const auto frames = Frames(WriteAndParse(movie));
  std::map<int, int> depth_of;
  for (const auto& tag : frames[0])
    if (tag.code == kTagPlaceObject2) depth_of[ReadPlace(tag).character_id] = ReadPlace(tag).depth;
  EXPECT_EQ(depth_of[1], 0);
  EXPECT_EQ(depth_of[2], 1);
  EXPECT_EQ(depth_of[3], 2);
}

TEST_F(MovieModelTest, RemovalCarriesTheDepthOfThePlacementItEnds) {
  MovieModel movie;
  StubObject other, object;
  object.set_depth(5);
  other.set_depth(7);
  movie.GetFrame(0).AddObject(other);
  movie.GetFrame(0).AddObject(object);
  movie.GetFrame(3).RemoveObject(object);
  movie.GetFrame(4).AddObject(object);
  const auto frames = Frames(WriteAndParse(movie));
  ASSERT_EQ(frames.size(), 5u);
  const auto first = ReadPlace(frames[0][3]);
  const auto removal = ReadRemove(frames[3][0]);
  const auto second = ReadPlace(frames[4][0]);
  EXPECT_EQ(first.depth, 0);
  EXPECT_EQ(removal.depth, 0);
  EXPECT_EQ(second.depth, 1);
  EXPECT_EQ(ReadPlace(frames[0][1]).depth, 2);  // layer 7 after both layer-5 placements
}

TEST_F(MovieModelTest, RemovingAnUnplacedObjectKeepsItsLayer) {
  MovieModel movie;
  StubObject object;
  object.set_depth(9);
  object.set_character_id(4);
  movie.GetFrame(0).RemoveObject(object);
  const auto frames = Frames(WriteAndParse(movie));
  ASSERT_EQ(frames[0].size(), 1u);
  EXPECT_EQ(ReadRemove(frames[0][0]).depth, 9);
  EXPECT_EQ(ReadRemove(frames[0][0]).character_id, 4);
}

TEST_F(MovieModelTest, LayerThatGoesDownFollowsTheMergeWalk) {
  // id 1 placed on layers 3 then 1; id 2 on layer 2. Merge walk: L = [1@3, 1@1];
  // 2@2 goes before 1@3; stable sort by layer: 1@1, 2@2, 1@3.
  MovieModel movie;
  StubObject a, b;
  a.set_depth(3);
  movie.GetFrame(0).AddObject(a);
  a.set_depth(1);
  movie.GetFrame(1).AddObject(a);
  b.set_depth(2);
  movie.GetFrame(1).AddObject(b);
  const auto frames = Frames(WriteAndParse(movie));
  EXPECT_EQ(ReadPlace(frames[0][1]).depth, 2);
  EXPECT_EQ(ReadPlace(frames[1][0]).depth, 0);
  EXPECT_EQ(ReadPlace(frames[1][2]).depth, 1);
}

TEST_F(MovieModelTest, NegativeLayersSortAsUnsigned) {
  MovieModel movie;
  StubObject low, high;
  high.set_depth(-1);  // 65535 as unsigned
  low.set_depth(100);
  movie.GetFrame(0).AddObject(high);
  movie.GetFrame(0).AddObject(low);
  const auto frames = Frames(WriteAndParse(movie));
  EXPECT_EQ(ReadPlace(frames[0][1]).depth, 1);
  EXPECT_EQ(ReadPlace(frames[0][3]).depth, 0);
}

TEST_F(MovieModelTest, BackgroundColoursKeepTheirOrder) {
  MovieModel movie;
  movie.CurrentFrame().AddBackgroundColor(255, 0, 0);
  movie.CurrentFrame().AddBackgroundColor(0, 0, 255);
  const auto frames = Frames(WriteAndParse(movie));
  ASSERT_EQ(frames[0].size(), 2u);
  EXPECT_EQ(testsupport::ToHex(frames[0][0].body), "FF 00 00");
  EXPECT_EQ(testsupport::ToHex(frames[0][1].body), "00 00 FF");
}

TEST_F(MovieModelTest, SecondMovieRepeatsNothingAndRestartsIds) {
  MovieModel movie;
  movie.SetSize(8400, 3600);
  movie.SetFrameRate(15);
  StubObject one, two;
  movie.GetFrame(0).AddObject(one);
  movie.GetFrame(1).AddObject(one);
  const auto first = WriteAndParse(movie);
  EXPECT_EQ(first.frame_count, 2);
  EXPECT_EQ(movie.frame_count(), 0);

  movie.GetFrame(0).AddObject(two);
  const auto second = WriteAndParse(movie);
  EXPECT_EQ(second.frame_count, 1);
  EXPECT_EQ(second.width, 8400);
  EXPECT_EQ(second.frame_rate, 15);
  EXPECT_EQ(two.character_id(), 1);
  const auto frames = Frames(second);
  ASSERT_EQ(frames[0].size(), 2u);
  EXPECT_EQ(ReadPlace(frames[0][1]).depth, 0);
}

TEST_F(MovieModelTest, UnwritableTargetConsumesTheFramesAndKeepsIdsRunning) {
  MovieModel movie;
  StubObject object;
  movie.GetFrame(0).AddObject(object);
  EXPECT_EQ(movie.Write((dir_ / "missing" / "x.swf").string()), WriteStatus::kCannotWrite);
  EXPECT_EQ(movie.frame_count(), 0);
  EXPECT_EQ(NextCharacterId(), 2);
}

TEST_F(MovieModelTest, TooManyFramesIsRejectedWithoutAFile) {
  MovieModel movie;
  movie.GetFrame(65535);
  const auto path = dir_ / "big.swf";
  EXPECT_EQ(movie.Write(path.string()), WriteStatus::kTooManyFrames);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(movie.frame_count(), 0);
  movie.GetFrame(65534);
  EXPECT_EQ(movie.Write(path.string()), WriteStatus::kWritten);
  EXPECT_EQ(ParseMovie(ReadFileBytes(path)).frame_count, 65535);
}

TEST_F(MovieModelTest, TooManyPlacementsIsRejectedWithoutAFile) {
  MovieModel movie;
  StubObject object;
  for (int i = 0; i < 65537; ++i) movie.GetFrame(0).AddObject(object);
  const auto path = dir_ / "crowded.swf";
  EXPECT_EQ(movie.Write(path.string()), WriteStatus::kTooManyPlacements);
  EXPECT_FALSE(std::filesystem::exists(path));
  // The next movie starts clean.
  movie.GetFrame(0).AddObject(object);
  EXPECT_EQ(movie.Write(path.string()), WriteStatus::kWritten);
}

TEST_F(MovieModelTest, TooManyDefinitionsIsRejectedWithoutAFile) {
  MovieModel movie;
  std::vector<StubObject> objects(65536);
  for (auto& object : objects) movie.GetFrame(0).AddObject(object);
  const auto path = dir_ / "ids.swf";
  EXPECT_EQ(movie.Write(path.string()), WriteStatus::kTooManyCharacters);
  EXPECT_FALSE(std::filesystem::exists(path));
  // The next movie numbers from 1 again and writes.
  StubObject fresh;
  movie.GetFrame(0).AddObject(fresh);
  EXPECT_EQ(fresh.character_id(), 1);
  EXPECT_EQ(movie.Write(path.string()), WriteStatus::kWritten);
}

TEST_F(MovieModelTest, ReadFileContentAddsATrailingZero) {
  const auto path = dir_ / "ten.bin";
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite("0123456789", 1, 10, f);
    std::fclose(f);
  }
  const auto bytes = MovieModel::ReadFileContent(path.string());
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 11u);
  EXPECT_EQ(bytes->front(), '0');
  EXPECT_EQ(bytes->back(), 0);
  EXPECT_FALSE(MovieModel::ReadFileContent((dir_ / "none").string()));
  EXPECT_FALSE(MovieModel::ReadFileContent(dir_.string()));
}

TEST_F(MovieModelTest, MakeMovieWritesUnderAHexName) {
  MovieModel movie;
  EXPECT_EQ(movie.temp_movie_name(), "test.swf");
  movie.SetTempDir(dir_.string() + "/");
  movie.GetFrame(0).AddBackgroundColor(1, 2, 3);
  ASSERT_EQ(movie.MakeMovie(), WriteStatus::kWritten);
  EXPECT_TRUE(std::regex_match(movie.temp_movie_name(), std::regex("[0-9A-F]{1,4}\\.swf")));
  ASSERT_TRUE(std::filesystem::exists(dir_ / movie.temp_movie_name()));
  const auto content = movie.Content();
  ASSERT_TRUE(content);
  EXPECT_EQ((*content)[0], 'F');
  // Only the movie is left: the reserved .tmp file is gone.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1);
  movie.DeleteTempFile();
  EXPECT_FALSE(std::filesystem::exists(dir_ / movie.temp_movie_name()));
}

TEST_F(MovieModelTest, MakeMovieJoinsTheTempDirAsItStands) {
  MovieModel movie;
  const auto inner = dir_ / "inner";
  std::filesystem::create_directories(inner);
  movie.SetTempDir(inner.string());  // no trailing separator
  ASSERT_EQ(movie.MakeMovie(), WriteStatus::kWritten);
  EXPECT_TRUE(std::filesystem::exists(dir_ / ("inner" + movie.temp_movie_name())));
}

TEST_F(MovieModelTest, MakeMovieWithoutATempNameKeepsTheFrames) {
  MovieModel movie;
  movie.SetTempDir((dir_ / "missing/").string());
  movie.GetFrame(2);
  EXPECT_FALSE(movie.MakeMovie());
  EXPECT_EQ(movie.frame_count(), 3);
}

TEST_F(MovieModelTest, DefaultTempDirIsTheTempPath) {
  MovieModel movie;
  EXPECT_EQ(movie.temp_directory(), std::string(std::getenv("TMPDIR")) + "/");
}

}  // namespace
}  // namespace vectrel
