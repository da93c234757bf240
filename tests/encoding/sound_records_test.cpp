#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "support/wave_file.h"
#include "support/bytes.h"
#include "support/temp_env.h"
#include "vectrel/encoding/adpcm_encoder.h"
#include "vectrel/encoding/define_sound_record.h"
#include "vectrel/encoding/movie_file_writer.h"
#include "vectrel/encoding/sound_stream_head_record.h"
#include "vectrel/encoding/start_sound_record.h"

namespace vectrel {
namespace {

using testsupport::Bytes;
using testsupport::Hex;
using testsupport::ToHex;
using wavetest::Format;
using wavetest::Pcm16;
using wavetest::Wave;

std::string RecordHex(TagRecord& r) {
  OutputBuffer b;
  r.Write(b);
  return ToHex(b.Flatten());
}

class SoundRecords : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
};

TEST_F(SoundRecords, StartSoundWithTheSystemsSoundInfo) {
  StartSoundRecord start(3, SoundInfo{});
  EXPECT_EQ(RecordHex(start), "C3 03 03 00 10");
}

TEST_F(SoundRecords, SoundInfoWritesPointsAndLoopsInOrder) {
  SoundInfo info;
  info.has_in_point = true;
  info.in_point = 0x01020304;
  info.has_out_point = true;
  info.out_point = 0x0A0B0C0D;
  info.has_loops = true;
  info.loop_count = 0x0102;
  StartSoundRecord start(1, info);
  // 0001 0 1 1 1: SyncNoMultiple, no envelope, loops, out point, in point.
  EXPECT_EQ(RecordHex(start), "CD 03 01 00 17 04 03 02 01 0D 0C 0B 0A 02 01");
}

TEST_F(SoundRecords, SoundStreamHeadFollowsTheTagHeaderRule) {
  // 22 kHz, 16-bit, stereo, 70000 frames: playback 0x0B, stream 0x13, count
  // cut to 0x1170. Code 18 with 4 bytes is headed 84 04.
  SoundFormat format;
  format.format = 1;
  format.rate_code = 2;
  format.sixteen_bit = true;
  format.stereo = true;
  format.sample_count = 70000;
  SoundStreamHeadRecord head(format);
  EXPECT_EQ(head.playback(), 0x0B);
  EXPECT_EQ(RecordHex(head), "84 04 0B 13 70 11");

  SoundStreamHeadRecord mono(0x04, false, 4);
  EXPECT_EQ(RecordHex(mono), "84 04 04 12 04 00");
}

TEST_F(SoundRecords, DefineSoundCarriesTheEncodedWave) {
  Format f;
  f.rate = 11025;
  DefineSoundRecord sound(Wave(f, Pcm16({0, 100, 50, -20})), 5);
  EXPECT_EQ(sound.CharacterId(), 1);
  EXPECT_EQ(ToHex(*sound.payload()), "C0 00 1C 3D 2A");
  // id 1; ADPCM, 11 kHz, 16-bit, mono = 0001 01 1 0; 4 frames; payload.
  // Body of 12 bytes under code 14: 8C 03.
  EXPECT_EQ(RecordHex(sound), "8C 03 01 00 16 04 00 00 00 C0 00 1C 3D 2A");
}

TEST_F(SoundRecords, PayloadIsADeferredBlockNotACopy) {
  DefineSoundRecord sound(Wave(Format{}, Pcm16(std::vector<std::int16_t>(5000, 300))), 5);
  const SoundPayload payload = sound.payload();
  ASSERT_EQ(payload->size(), AdpcmEncoder::EncodedSize(5000, 1, 5));
  OutputBuffer file;
  sound.Write(file);
  // Long header (6) + id, flags, count (7); the payload only as a block.
  EXPECT_EQ(file.bytes().size(), 13u);
  ASSERT_EQ(file.blocks().size(), 1u);
  EXPECT_EQ(file.blocks()[0].data, payload->data());
  EXPECT_EQ(file.blocks()[0].position, 13u);
  EXPECT_EQ(file.Length(), 13u + payload->size());
}

TEST_F(SoundRecords, EightBitWaveIsEncodedFromWidenedSamples) {
  Format f;
  f.bits = 8;
  DefineSoundRecord sound(Wave(f, Bytes{128, 228}), 5);
  EXPECT_FALSE(sound.format().sixteen_bit);
  AdpcmEncoder encoder(0, 5);
  const std::int16_t widened[] = {0, 25600};
  Bytes expected;
  encoder.Encode(widened, 2, expected);
  encoder.Flush(expected);
  EXPECT_EQ(*sound.payload(), expected);
  // 0001 10 0 0: ADPCM, 22 kHz, 8-bit, mono.
  EXPECT_EQ(sound.format().flags(), 0x08);
}

TEST_F(SoundRecords, StereoWaveEncodesAlternatingChannels) {
  Format f;
  f.channels = 2;
  std::vector<std::int16_t> values(4000);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<std::int16_t>(i % 2 ? -1000 - i : 1000 + i);
  const Bytes data = Pcm16(values);
  ASSERT_EQ(data.size(), 8000u);
  DefineSoundRecord sound(Wave(f, data), 5);
  EXPECT_EQ(sound.format().sample_count, 2000u);
  AdpcmEncoder encoder(3, 5);
  Bytes expected;
  encoder.Encode(values.data(), 2000, expected);
  encoder.Flush(expected);
  EXPECT_EQ(*sound.payload(), expected);
}

struct RejectedCase {
  const char* name;
  Bytes file;
  const char* body;  // the DefineSound body after the id
};

class DefineSoundRejected : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(DefineSoundRejected, HasNoData) {
  ResetCharacterIds();
  DefineSoundRecord sound(GetParam().file, 5);
  EXPECT_TRUE(sound.payload()->empty());
  OutputBuffer b;
  sound.Write(b);
  EXPECT_EQ(ToHex(b.Flatten()), std::string("87 03 01 00 ") + GetParam().body);
}

wavetest::Format Rate48k() {
  Format f;
  f.rate = 48000;
  f.channels = 2;
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DefineSoundRejected,
    ::testing::Values(
        // Only format 1 had been set when the data turned up.
        RejectedCase{"DataBeforeFmt",
                     wavetest::Riff({wavetest::Chunk("data", Pcm16({1, 2})),
                                     wavetest::Chunk("fmt ", wavetest::FmtBody(Format{}))}),
                     "10 00 00 00 00"},
        // The stereo flag was read before the rate was refused.
        RejectedCase{"Rate48k", Wave(Rate48k(), Pcm16({1, 2})), "11 00 00 00 00"},
        RejectedCase{"NotRiff", Bytes{'R', 'I', 'F'}, "10 00 00 00 00"}),
    [](const auto& info) { return std::string(info.param.name); });

// Mended: a LIST chunk before "data" no longer makes the sound empty.
TEST_F(SoundRecords, ListChunkBeforeDataStillGivesTheSound) {
  const Bytes file = wavetest::Riff({wavetest::Chunk("fmt ", wavetest::FmtBody(Format{})),
                                     wavetest::Chunk("LIST", Bytes(11, 'x')),
                                     wavetest::Chunk("data", Pcm16({0, 100, 50, -20}))});
  DefineSoundRecord sound(file, 5);
  EXPECT_EQ(ToHex(*sound.payload()), "C0 00 1C 3D 2A");
}

TEST_F(SoundRecords, WithoutAFileAllFieldsAreZero) {
  DefineSoundRecord sound(static_cast<std::FILE*>(nullptr), 5);
  EXPECT_EQ(sound.format().format, 0);
  EXPECT_EQ(RecordHex(sound), "87 03 01 00 00 00 00 00 00");
}

TEST_F(SoundRecords, ReadsAnOpenWaveFile) {
  const auto path = testsupport::FreshDir() / "s.wav";
  const Bytes file = Wave(Format{}, Pcm16({0, 100, 50, -20}));
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  DefineSoundRecord sound(f, 4);
  std::fclose(f);
  EXPECT_EQ(ToHex(*sound.payload()), "80 00 1C 39 B0");
}

TEST_F(SoundRecords, SamePayloadWrittenAgainUnderItsOldId) {
  auto first = std::make_unique<DefineSoundRecord>(Wave(Format{}, Pcm16({0, 100, 50, -20})), 5);
  const SoundPayload payload = first->payload();
  const SoundFormat format = first->format();
  const std::uint16_t id = first->CharacterId();
  const std::string bytes = RecordHex(*first);
  first.reset();  // the first movie was written and its records destroyed

  const std::uint16_t before = LastCharacterId();
  DefineSoundRecord again(id, format, payload);
  EXPECT_EQ(LastCharacterId(), before);  // takes no new id
  EXPECT_EQ(again.payload().get(), payload.get());
  EXPECT_EQ(RecordHex(again), bytes);
}

TEST_F(SoundRecords, MovieWithASound) {
  auto sound = std::make_unique<DefineSoundRecord>(Wave(Format{}, Pcm16(std::vector<std::int16_t>(9000, -7))), 5);
  const SoundPayload payload = sound->payload();
  const std::uint16_t id = sound->CharacterId();
  MovieFileWriter writer;
  writer.Add(std::make_unique<SoundStreamHeadRecord>(sound->format()));
  writer.Add(std::move(sound));
  writer.Add(std::make_unique<StartSoundRecord>(id, SoundInfo{}));
  const auto path = testsupport::FreshDir() / "sound.swf";
  ASSERT_TRUE(writer.WriteFile(path, 11000, 8000, 12));

  const auto movie = testsupport::ParseMovie(testsupport::ReadFileBytes(path));
  ASSERT_EQ(movie.tags.size(), 4u);
  EXPECT_EQ(movie.tags[0].code, kTagSoundStreamHead);
  EXPECT_EQ(ToHex(movie.tags[0].body), "0A 12 28 23");  // 9000 = 0x2328
  EXPECT_EQ(movie.tags[1].code, kTagDefineSound);
  ASSERT_EQ(movie.tags[1].body.size(), 7 + payload->size());
  EXPECT_TRUE(Bytes(movie.tags[1].body.begin() + 7, movie.tags[1].body.end()) == *payload);
  EXPECT_EQ(movie.tags[2].code, kTagStartSound);
  EXPECT_EQ(movie.tags[3].code, kTagEnd);
}

}  // namespace
}  // namespace vectrel
