// Pictures, sounds and edit texts in written movies.
#include <gtest/gtest.h>

#include <cstring>

#include "shape_reader.h"
#include "support/temp_env.h"
#include "support/wave_file.h"
#include "vectrel/authoring/edit_text_object.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/authoring/picture_object.h"
#include "vectrel/authoring/sound_object.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {
namespace {

using namespace authoringtest;

class MediaTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  ParsedMovie Write() {
    const auto path = (dir_ / ("m" + std::to_string(n_++) + ".swf")).string();
    EXPECT_EQ(movie_.Write(path), WriteStatus::kWritten);
    return testsupport::ParseMovie(testsupport::ReadFileBytes(path));
  }
  // A 16-bit mono 11 kHz WAV of `frames` frames.
  std::string Wave(int frames) {
    const auto path = (dir_ / "tone.wav").string();
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i) samples.push_back(static_cast<std::int16_t>((i % 50) * 500));
    EXPECT_TRUE(wavetest::WriteBytes(path, wavetest::MonoPcm16(11025, samples)));
    return path;
  }
  MovieModel movie_;
  std::filesystem::path dir_ = testsupport::FreshDir();
  int n_ = 0;
};

struct EditText {
  int id = 0;
  int flags1 = 0, flags2 = 0;
  std::array<int, 4> color{};
  int leading = 0;
  std::string variable, text;
};

EditText ReadEditText(const Bytes& body) {
  EditText e;
  BitReader r(body);
  e.id = static_cast<int>(r.U16le());
  const int n = static_cast<int>(r.U(5));
  r.U(4 * n);
  r.Align();
  std::size_t p = r.byte_pos();
  e.flags1 = body[p++];
  e.flags2 = body[p++];
  for (auto& c : e.color) c = body[p++];
  p += 1 + 2 + 2 + 2;  // align, margins, indent
  e.leading = U16(body, p);
  p += 2;
  e.variable = reinterpret_cast<const char*>(&body[p]);
  p += e.variable.size() + 1;
  e.text = reinterpret_cast<const char*>(&body[p]);
  return e;
}

TEST_F(MediaTest, EditTextFieldIsNamedAfterItsRectangleAndLayer) {
  EditTextObject text(0, 0, 2000, 400, "Hi");
  EXPECT_EQ(text.VariableName(), "TextField_0_0_2000_400_1");
  text.set_depth(-3);
  EXPECT_EQ(text.VariableName(), "TextField_0_0_2000_400_-3");
}

TEST_F(MediaTest, EditTextIsDefinedAgainOnEveryAddition) {
  EditTextObject text(10, 20, 2000, 400, "Hello");
  text.SetEditTextColor(255, 0, 0);
  movie_.GetFrame(0).AddObject(text);
  text.SetEditTextEditable(false);
  movie_.GetFrame(1).AddObject(text);
  const auto m = Write();
  const auto fields = m.TagsWithCode(kTagDefineEditText);
  ASSERT_EQ(fields.size(), 2u);
  const auto a = ReadEditText(fields[0].body), b = ReadEditText(fields[1].body);
  EXPECT_NE(a.id, b.id);
  EXPECT_EQ(a.flags1, 0x84);  // has text, has text colour
  EXPECT_EQ(b.flags1, 0x8C);  // and read only
  EXPECT_EQ(a.flags2, 0x28);  // has layout, border
  for (const auto& e : {a, b}) {
    EXPECT_EQ(e.color, (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(e.leading, 40);
    EXPECT_EQ(e.variable, "TextField_10_20_2000_400_1");
    EXPECT_EQ(e.text, "Hello");
  }
  const auto places = m.TagsWithCode(kTagPlaceObject2);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(ReadPlace(places[1]).character_id, b.id);
}

TEST_F(MediaTest, SoundIsDefinedOnceAndStartedPerAddition) {
  auto sound = SoundObject::Make(Wave(5000));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->character_id(), 1);
  movie_.GetFrame(0).AddObject(*sound);
  movie_.GetFrame(10).AddObject(*sound);
  const auto frames = Frames(Write());
  ASSERT_EQ(frames.size(), 11u);
  ASSERT_EQ(frames[0].size(), 3u);
  EXPECT_EQ(frames[0][0].code, kTagSoundStreamHead);
  EXPECT_EQ(frames[0][1].code, kTagDefineSound);
  EXPECT_EQ(frames[0][2].code, kTagStartSound);
  EXPECT_EQ(U16(frames[0][1].body, 0), 1);
  EXPECT_EQ(U16(frames[0][2].body, 0), 1);
  ASSERT_EQ(frames[10].size(), 1u);
  EXPECT_EQ(frames[10][0].code, kTagStartSound);
  EXPECT_EQ(U16(frames[10][0].body, 0), 1);
}

TEST_F(MediaTest, SoundAddedToALaterMovieIsDefinedThereToo) {
  auto sound = SoundObject::Make(Wave(3000));
  ASSERT_TRUE(sound);
  movie_.GetFrame(0).AddObject(*sound);
  const auto first = Write();
  const auto first_def = first.TagsWithCode(kTagDefineSound).at(0);

  ResetCharacterIds();  // as after the write; the second movie's ids restart
  auto shape = std::make_unique<PictureObject>(0, 0, 10, 10);
  movie_.GetFrame(0).AddObject(*shape);  // takes id 1
  movie_.GetFrame(0).AddObject(*sound);
  const auto second = Write();
  const auto defs = second.TagsWithCode(kTagDefineSound);
  ASSERT_EQ(defs.size(), 1u);
  const int id = U16(defs[0].body, 0);
  EXPECT_NE(id, 1);
  EXPECT_EQ(U16(second.TagsWithCode(kTagStartSound).at(0).body, 0), id);
  EXPECT_EQ(std::vector<std::uint8_t>(defs[0].body.begin() + 2, defs[0].body.end()),
            std::vector<std::uint8_t>(first_def.body.begin() + 2, first_def.body.end()));
}

TEST_F(MediaTest, SoundFromAMissingFileIsNotMade) {
  EXPECT_FALSE(SoundObject::Make((dir_ / "missing.wav").string()));
}

TEST_F(MediaTest, MovedPictureIsDefinedOncePlacedPerAddition) {
  const auto path = (dir_ / "p.jpg").string();
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite("\xFF\xD8jpeg\xFF\xD9", 1, 8, f);
    std::fclose(f);
  }
  auto picture = PictureObject::Make(0, 0, 199, 99, 20, 10, path);
  ASSERT_TRUE(picture);
  movie_.GetFrame(0).AddObject(*picture);
  picture->Scale(131072, 131072);
  picture->Translate(40, 0);
  movie_.GetFrame(1).RemoveObject(*picture);
  movie_.GetFrame(1).AddObject(*picture);
  const auto m = Write();
  EXPECT_EQ(m.TagsWithCode(kTagDefineBitsJpeg2).size(), 1u);
  EXPECT_EQ(m.TagsWithCode(kTagDefineShape3).size(), 1u);
  const auto places = m.TagsWithCode(kTagPlaceObject2);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_FALSE(ReadPlace(places[0]).has_matrix);
  const auto matrix = ReadPlaceMatrix(places[1]);
  EXPECT_EQ(matrix.scale_x, 131072);
  EXPECT_EQ(matrix.tx, 40 + 99 - 198);
}

}  // namespace
}  // namespace vectrel
