#include "vectrel/encoding/wave_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/wave_file.h"
#include "support/temp_env.h"
#include "vectrel/encoding/trace.h"

namespace vectrel {
namespace {

using wavetest::Bytes;
using wavetest::Chunk;
using wavetest::FmtBody;
using wavetest::Format;
using wavetest::Pcm16;
using wavetest::Riff;
using wavetest::Wave;

// Collects the trace texts of one test.
class TraceCapture {
 public:
  TraceCapture() {
    SetTraceHook([this](std::string_view t) { text_ += t; });
  }
  ~TraceCapture() { SetTraceHook(nullptr); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

struct Read {
  bool ok;
  SoundFormat format;
  Bytes samples;
};

Read ReadBytes(const Bytes& file) {
  Read r{};
  r.ok = ReadWave(file, r.format, r.samples);
  return r;
}

TEST(WaveReader, ReadsAMono16BitFile) {
  const Bytes data = Pcm16({0, 100, 50, -20});
  const Read r = ReadBytes(Wave(Format{}, data));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.format.format, 1);
  EXPECT_EQ(r.format.rate_code, 2);
  EXPECT_TRUE(r.format.sixteen_bit);
  EXPECT_FALSE(r.format.stereo);
  EXPECT_EQ(r.format.sample_count, 4u);
  EXPECT_EQ(r.samples, data);
}

TEST(WaveReader, StereoSampleCountCountsFrames) {
  Format f;
  f.channels = 2;
  const Read r = ReadBytes(Wave(f, Bytes(8000, 0x11)));
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.format.stereo);
  EXPECT_EQ(r.format.sample_count, 2000u);
  EXPECT_EQ(r.samples.size(), 8000u);
}

TEST(WaveReader, EightBitMono) {
  Format f;
  f.bits = 8;
  f.rate = 11025;
  const Read r = ReadBytes(Wave(f, Bytes{128, 228, 7}));
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(r.format.sixteen_bit);
  EXPECT_EQ(r.format.rate_code, 1);
  EXPECT_EQ(r.format.sample_count, 3u);
  EXPECT_EQ(r.samples, (Bytes{128, 228, 7}));
}

struct RateCase {
  std::uint32_t rate;
  int code;  // -1: rejected
};

class WaveRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(WaveRate, MapsByMultiplesOf5000) {
  Format f;
  f.rate = GetParam().rate;
  TraceCapture trace;
  const Read r = ReadBytes(Wave(f, Pcm16({1, 2})));
  if (GetParam().code < 0) {
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.samples.empty());
    EXPECT_NE(trace.text().find("Sample rate " + std::to_string(f.rate) + " unsupported\n"), std::string::npos);
  } else {
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.format.rate_code, GetParam().code);
  }
}

INSTANTIATE_TEST_SUITE_P(Rates, WaveRate,
                         ::testing::Values(RateCase{5512, 0}, RateCase{8000, 0}, RateCase{11025, 1},
                                           RateCase{12000, 1}, RateCase{22050, 2}, RateCase{44100, 3},
                                           RateCase{16000, -1}, RateCase{32000, -1}, RateCase{48000, -1},
                                           RateCase{4999, -1}, RateCase{0, -1}));

TEST(WaveReader, FailureKeepsTheFieldsReadSoFar) {
  Format f;
  f.channels = 2;
  f.rate = 48000;
  const Read r = ReadBytes(Wave(f, Pcm16({1, 2})));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.format.format, 1);
  EXPECT_TRUE(r.format.stereo);
  EXPECT_EQ(r.format.rate_code, 0);
  EXPECT_EQ(r.format.sample_count, 0u);
}

TEST(WaveReader, DataBeforeFormatIsRejected) {
  TraceCapture trace;
  const Read r = ReadBytes(Riff({Chunk("data", Pcm16({1, 2})), Chunk("fmt ", FmtBody(Format{}))}));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.samples.empty());
  EXPECT_NE(trace.text().find("Warning Format Chunk not defined before Data Chunk\n"), std::string::npos);
}

// Common writers put these chunks around "fmt " and "data"; they are skipped.
TEST(WaveReader, SkipsUnknownChunksIncludingOddSizedOnes) {
  const Bytes data = Pcm16({10, -10, 300});
  const std::vector<std::vector<Bytes>> layouts = {
      {Chunk("LIST", Bytes(26, 'i')), Chunk("fmt ", FmtBody(Format{})), Chunk("data", data)},
      {Chunk("fmt ", FmtBody(Format{})), Chunk("fact", Bytes{3, 0, 0, 0}), Chunk("data", data)},
      {Chunk("fmt ", FmtBody(Format{})), Chunk("LIST", Bytes(5, 'x')), Chunk("cue ", Bytes(1, 0)),
       Chunk("data", data)},
      // An 18-byte PCM format chunk (with a zero extra size) is common too.
      {Chunk("fmt ", [] { Bytes b = FmtBody(Format{}); b.push_back(0); b.push_back(0); return b; }()),
       Chunk("data", data)},
  };
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    TraceCapture trace;
    const Read r = ReadBytes(Riff(layouts[i]));
    ASSERT_TRUE(r.ok) << "layout " << i;
    EXPECT_EQ(r.samples, data) << "layout " << i;
    EXPECT_EQ(r.format.sample_count, 3u);
    EXPECT_EQ(trace.text().find("Unknown Chunk\n") != std::string::npos, i < 3) << "layout " << i;
  }
}

TEST(WaveReader, AcceptsExtensibleWithPcmSubFormatOnly) {
  Format f;
  f.channels = 2;
  const Bytes data = Pcm16({1, 2, 3, 4});
  const Read pcm = ReadBytes(Riff({Chunk("fmt ", wavetest::ExtensibleFmtBody(f, 1)), Chunk("data", data)}));
  ASSERT_TRUE(pcm.ok);
  EXPECT_EQ(pcm.format.sample_count, 2u);
  EXPECT_TRUE(pcm.format.stereo);

  TraceCapture trace;
  const Read float_data = ReadBytes(Riff({Chunk("fmt ", wavetest::ExtensibleFmtBody(f, 3)), Chunk("data", data)}));
  EXPECT_FALSE(float_data.ok);
  EXPECT_NE(trace.text().find("  NOT YET SUPPORTED\n"), std::string::npos);
}

struct FormatCase {
  const char* name;
  Format format;
};

class WaveUnsupportedFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(WaveUnsupportedFormat, IsRejected) {
  const Read r = ReadBytes(Wave(GetParam().format, Pcm16({1, 2, 3, 4, 5, 6})));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.samples.empty());
}

Format With(void (*change)(Format&)) {
  Format f;
  change(f);
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WaveUnsupportedFormat,
    ::testing::Values(FormatCase{"ImaAdpcm", With([](Format& f) { f.tag = 0x11; })},
                      FormatCase{"Float", With([](Format& f) { f.tag = 3; })},
                      FormatCase{"NoChannels", With([](Format& f) { f.channels = 0; })},
                      FormatCase{"ThreeChannels", With([](Format& f) { f.channels = 3; })},
                      FormatCase{"ZeroBlockAlign", With([](Format& f) { f.use_block_align_zero = true; })},
                      FormatCase{"TwentyFourBits", With([](Format& f) { f.bits = 24; })},
                      FormatCase{"FourBits", With([](Format& f) { f.bits = 4; })}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaveReader, TracesTheChunkDump) {
  TraceCapture trace;
  ASSERT_TRUE(ReadBytes(Wave(Format{}, Pcm16({1, 2}))).ok);
  EXPECT_EQ(trace.text(),
            "\n----- Chunk ID 20746d66, Size 16 -----\n"
            "Format Chunk\n"
            "Common Fields:\n"
            "  Format Tag 0001h:WAVE_FORMAT_PCM\n"
            "  1 Channels\n"
            "  22050 Samples Per Second\n"
            "  44100 Average Bytes Per Second\n"
            "  Block Align 2\n"
            "Format Specific Fields:\n"
            "  16 Bits Per Sample\n"
            "\n----- Chunk ID 61746164, Size 4 -----\n"
            "Data Chunk\n");
}

TEST(WaveReader, TracesFormatTagNames) {
  Format f;
  f.tag = 2;
  TraceCapture trace;
  EXPECT_FALSE(ReadBytes(Wave(f, Pcm16({1}))).ok);
  EXPECT_NE(trace.text().find("  Format Tag 0002h:WAVE_FORMAT_ADPCM\n"), std::string::npos);
  EXPECT_NE(trace.text().find("  0 Bytes of extra information\n  NOT YET SUPPORTED\n"), std::string::npos);
}

TEST(WaveReader, RejectsWhatIsNotRiffWave) {
  Bytes not_riff = Wave(Format{}, Pcm16({1}));
  not_riff[3] = 'X';
  Bytes not_wave = Wave(Format{}, Pcm16({1}));
  not_wave[8] = 'A';
  TraceCapture trace;
  EXPECT_FALSE(ReadBytes(not_riff).ok);
  EXPECT_FALSE(ReadBytes(not_wave).ok);
  EXPECT_NE(trace.text().find("Not a RIFF format file\n"), std::string::npos);
  EXPECT_NE(trace.text().find("Not a WAVE file\n"), std::string::npos);
}

TEST(WaveReader, DataLargerThanTheFileIsRejectedWithoutAllocating) {
  Bytes file = Wave(Format{}, Pcm16({1, 2, 3}));
  // data chunk size field: the last 4 bytes of its header.
  const std::size_t size_at = file.size() - 6 - 4;
  for (std::uint32_t claimed : {8u, 0x7FFFFFFEu, 0xFFFFFFFEu}) {
    file[size_at] = static_cast<std::uint8_t>(claimed);
    file[size_at + 1] = static_cast<std::uint8_t>(claimed >> 8);
    file[size_at + 2] = static_cast<std::uint8_t>(claimed >> 16);
    file[size_at + 3] = static_cast<std::uint8_t>(claimed >> 24);
    TraceCapture trace;
    const Read r = ReadBytes(file);
    EXPECT_FALSE(r.ok) << claimed;
    EXPECT_EQ(r.samples.capacity(), 0u) << claimed;
    // The count was taken from the chunk before the read failed.
    EXPECT_EQ(r.format.sample_count, claimed / 2);
    EXPECT_NE(trace.text().find("Warning Read 6 of "), std::string::npos);
  }
}

// Truncated and corrupted headers: every one fails, none crashes or
// allocates more than the file holds.
TEST(WaveReader, DamagedFilesFailCleanly) {
  const Bytes good = Riff({Chunk("fmt ", FmtBody(Format{})), Chunk("LIST", Bytes(3, 'x')), Chunk("data", Pcm16({1, 2, 3}))});
  ASSERT_TRUE(ReadBytes(good).ok);
  for (std::size_t n = 0; n < good.size(); ++n) {
    const Read r = ReadBytes(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)));
    EXPECT_FALSE(r.ok) << "truncated to " << n;
    EXPECT_TRUE(r.samples.empty()) << "truncated to " << n;
  }

  struct Patch {
    const char* what;
    std::size_t at;
    Bytes bytes;
  };
  const Patch patches[] = {
      {"riff size 0", 4, {0, 0, 0, 0}},
      {"riff size 4", 4, {4, 0, 0, 0}},
      {"fmt size huge", 16, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"fmt size 0", 16, {0, 0, 0, 0}},
      {"fmt size 14", 16, {14, 0, 0, 0}},
      {"fmt id damaged", 12, {'f', 'm', 't', 'x'}},
      {"65535 channels", 22, {0xFF, 0xFF}},
      {"LIST size huge", 40, {0xF0, 0xFF, 0xFF, 0xFF}},
      {"LIST size past data", 40, {9, 0, 0, 0}},
  };
  for (const Patch& p : patches) {
    Bytes file = good;
    std::copy(p.bytes.begin(), p.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(p.at));
    const Read r = ReadBytes(file);
    EXPECT_FALSE(r.ok) << p.what;
    EXPECT_TRUE(r.samples.empty()) << p.what;
  }

  // Every single byte of the headers flipped: accepted or not, the samples
  // never exceed what the file holds.
  for (std::size_t at = 0; at + 6 < good.size(); ++at) {
    for (std::uint8_t x : {0x01, 0x80, 0xFF}) {
      Bytes file = good;
      file[at] ^= x;
      const Read r = ReadBytes(file);
      EXPECT_LE(r.samples.capacity(), file.size());
      if (r.ok) {
        EXPECT_LE(static_cast<std::uint64_t>(r.format.sample_count) * r.format.channels() * r.format.bytes_per_sample(),
                  r.samples.size());
      }
    }
  }
}

TEST(WaveReader, ReadsFromAnOpenFile) {
  const auto path = testsupport::FreshDir() / "tone.wav";
  const Bytes file = Wave(Format{}, Pcm16({5, 6, 7}));
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  SoundFormat format;
  Bytes samples;
  EXPECT_TRUE(ReadWave(f, format, samples));
  std::fclose(f);
  EXPECT_EQ(samples, Pcm16({5, 6, 7}));
  EXPECT_EQ(format.sample_count, 3u);

  EXPECT_FALSE(ReadWave(static_cast<std::FILE*>(nullptr), format, samples));
  EXPECT_EQ(format.format, 0);
}

}  // namespace
}  // namespace vectrel
