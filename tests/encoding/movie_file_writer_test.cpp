#include "vectrel/encoding/movie_file_writer.h"

#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/temp_env.h"
#include "vectrel/encoding/display_records.h"

namespace vectrel {
namespace {

using testsupport::Bytes;
using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ToHex;

// A record with a body of `n` bytes under the given tag code.
class SizedRecord : public CharacterRecord {
 public:
  SizedRecord(int code, std::uint32_t n) : code_(code), n_(n) {}
  void Write(OutputBuffer& file) override {
    OutputBuffer body;
    for (std::uint32_t i = 0; i < n_; ++i) body.WriteU8(i);
    WriteTagHeader(file, code_, body.Length(), &body);
  }

 private:
  int code_;
  std::uint32_t n_;
};

std::string RecordHex(TagRecord& r) {
  OutputBuffer b;
  r.Write(b);
  return ToHex(b.bytes());
}

class MovieFileWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  std::filesystem::path dir_ = testsupport::FreshDir();
};

TEST_F(MovieFileWriterTest, EmptyMovieIsExactly24Bytes) {
  MovieFileWriter w;
  ASSERT_TRUE(w.WriteFile(dir_ / "empty.swf", 11000, 8000, 12));
  EXPECT_EQ(ToHex(ReadFileBytes(dir_ / "empty.swf")),
            "46 57 53 05 18 00 00 00 88 00 00 55 F0 00 00 0F A0 00 00 0C 00 00 00 00");
}

TEST_F(MovieFileWriterTest, ShowFramesAreCountedAndTrailingRecordsKept) {
  MovieFileWriter w;
  w.Add(std::make_unique<ShowFrameRecord>());
  w.Add(std::make_unique<SetBackgroundColorRecord>(Color(1, 2, 3)));
  w.Add(std::make_unique<ShowFrameRecord>());
  w.Add(std::make_unique<RemoveObjectRecord>(1, 2));
  EXPECT_EQ(w.frame_count(), 2);
  ASSERT_TRUE(w.WriteFile(dir_ / "m.swf", 100, 100, 15));
  const auto movie = testsupport::ParseMovie(ReadFileBytes(dir_ / "m.swf"));
  EXPECT_EQ(movie.frame_count, 2);
  ASSERT_EQ(movie.tags.size(), 5u);
  EXPECT_EQ(movie.tags[3].code, kTagRemoveObject);
  EXPECT_EQ(movie.tags[4].code, kTagEnd);
}

TEST(TagHeader, ShortFormEndsAt62) {
  struct Case {
    int code;
    std::uint32_t length;
    const char* header;
  };
  for (const auto& c : {Case{32, 62, "3E 08"}, Case{32, 63, "3F 08 3F 00 00 00"}, Case{1, 0, "40 00"},
                        Case{0, 0, "00 00"}, Case{14, 100000, "BF 03 A0 86 01 00"}}) {
    OutputBuffer b;
    WriteTagHeader(b, c.code, c.length, nullptr);
    EXPECT_EQ(ToHex(b.bytes()), c.header) << c.code << "/" << c.length;
  }
}

TEST(TagHeader, RecordBodyOf62And63Bytes) {
  SizedRecord r62(kTagDefineShape3, 62), r63(kTagDefineShape3, 63);
  EXPECT_EQ(RecordHex(r62).substr(0, 5), "3E 08");
  EXPECT_EQ(RecordHex(r63).substr(0, 17), "3F 08 3F 00 00 00");
}

TEST(DisplayRecords, Bytes) {
  ShowFrameRecord show;
  SetBackgroundColorRecord bg(Color(255, 128, 0, 77));
  RemoveObjectRecord remove(1, 3);
  PlaceObject2Record place(0, 1, std::nullopt);
  PlaceObject2Record placed_at(2, 7, Matrix::Translation(100, 0));
  EXPECT_EQ(RecordHex(show), "40 00");
  EXPECT_EQ(RecordHex(bg), "43 02 FF 80 00");
  EXPECT_EQ(RecordHex(remove), "44 01 01 00 03 00");
  EXPECT_EQ(RecordHex(place), "85 06 02 00 00 01 00");
  EXPECT_EQ(RecordHex(placed_at), "88 06 06 02 00 07 00 10 C8 00");
}

TEST_F(MovieFileWriterTest, FileLengthCountsDeferredPayloads) {
  class Payload : public CharacterRecord {
   public:
    void Write(OutputBuffer& file) override {
      OutputBuffer body;
      body.WriteU16(CharacterId());
      body.AddBlock(data_.data(), static_cast<std::uint32_t>(data_.size()));
      WriteTagHeader(file, kTagDefineBitsJpeg2, body.Length(), &body);
    }
    std::vector<std::uint8_t> data_ = std::vector<std::uint8_t>(10000, 0xAB);
  };
  MovieFileWriter w;
  w.Add(std::make_unique<Payload>());
  w.Add(std::make_unique<ShowFrameRecord>());
  ASSERT_TRUE(w.WriteFile(dir_ / "p.swf", 100, 100, 12));
  const Bytes file = ReadFileBytes(dir_ / "p.swf");
  const auto movie = testsupport::ParseMovie(file);
  EXPECT_EQ(movie.file_length, file.size());
  EXPECT_GT(file.size(), 10000u);
  ASSERT_EQ(movie.tags[0].body.size(), 10002u);
  EXPECT_EQ(movie.tags[0].body[9999], 0xAB);
}

TEST_F(MovieFileWriterTest, IdsRestartAfterAWrittenFileButNotAfterAFailedOne) {
  {
    MovieFileWriter w;
    w.Add(std::make_unique<SizedRecord>(2, 0));
    w.Add(std::make_unique<SizedRecord>(2, 0));
    EXPECT_FALSE(w.WriteFile(dir_ / "no-such-folder" / "x.swf", 100, 100, 12));
  }
  EXPECT_EQ(NextCharacterId(), 3);  // the failed write left the counter running
  {
    MovieFileWriter w;
    w.Add(std::make_unique<SizedRecord>(2, 0));
    EXPECT_TRUE(w.WriteFile(dir_ / "x.swf", 100, 100, 12));
  }
  EXPECT_EQ(NextCharacterId(), 1);
}

TEST_F(MovieFileWriterTest, HeaderFieldsMatchTheFileOnDisk) {
  MovieFileWriter w;
  w.Add(std::make_unique<SetBackgroundColorRecord>(Color(0, 0, 255)));
  for (int i = 0; i < 3; ++i) w.Add(std::make_unique<ShowFrameRecord>());
  ASSERT_TRUE(w.WriteFile(dir_ / "h.swf", 8400, 3600, 15));
  const Bytes file = ReadFileBytes(dir_ / "h.swf");
  const auto movie = testsupport::ParseMovie(file);
  EXPECT_EQ(movie.version, 5);
  EXPECT_EQ(movie.file_length, file.size());
  EXPECT_EQ(movie.width, 8400);
  EXPECT_EQ(movie.height, 3600);
  EXPECT_EQ(movie.frame_rate, 15);
  EXPECT_EQ(movie.frame_count, 3);
}

TEST_F(MovieFileWriterTest, FailedWriteLeavesNoTemporaryFile) {
  // A folder stands at the target path: the rename fails even for root.
  const auto target = dir_ / "taken.swf";
  std::filesystem::create_directories(target / "inside");
  MovieFileWriter w;
  w.Add(std::make_unique<ShowFrameRecord>());
  std::string error;
  EXPECT_FALSE(w.WriteFile(target, 200, 200, 12, &error));
  EXPECT_FALSE(error.empty());
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1u);
  EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
}

}  // namespace
}  // namespace vectrel
