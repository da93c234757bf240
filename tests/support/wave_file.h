#pragma once

// Small WAV files built byte by byte for tests and benchmarks.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace wavetest {

using Bytes = std::vector<std::uint8_t>;

inline void PutU16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutU32(Bytes& b, std::uint32_t v) {
  PutU16(b, v & 0xFFFF);
  PutU16(b, v >> 16);
}
inline void PutId(Bytes& b, const char* id) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}

// A chunk with its header; odd sizes get the RIFF pad byte.
inline Bytes Chunk(const char* id, const Bytes& body, bool pad = true) {
  Bytes b;
  PutId(b, id);
  PutU32(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (pad && body.size() % 2 == 1) b.push_back(0);
  return b;
}

struct Format {
  std::uint16_t tag = 1;
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint16_t bits = 16;
  // 0: computed from channels and bits
  std::uint16_t block_align = 0;
  bool use_block_align_zero = false;
};

inline Bytes FmtBody(const Format& f) {
  Bytes b;
  const std::uint16_t align = f.use_block_align_zero
                                  ? 0
                                  : (f.block_align != 0 ? f.block_align
                                                        : static_cast<std::uint16_t>(f.channels * f.bits / 8));
  PutU16(b, f.tag);
  PutU16(b, f.channels);
  PutU32(b, f.rate);
  PutU32(b, f.rate * align);
  PutU16(b, align);
  PutU16(b, f.bits);
  return b;
}

// WAVE_FORMAT_EXTENSIBLE with the given sub-format tag (1 = PCM).
inline Bytes ExtensibleFmtBody(Format f, std::uint16_t sub_format) {
  f.tag = 0xFFFE;
  Bytes b = FmtBody(f);
  PutU16(b, 22);
  PutU16(b, f.bits);
  PutU32(b, f.channels == 2 ? 3 : 4);
  PutU16(b, sub_format);
  const std::uint8_t tail[] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
  b.insert(b.end(), std::begin(tail), std::end(tail));
  return b;
}

// RIFF/WAVE around the given chunks; riff size counts them all.
inline Bytes Riff(const std::vector<Bytes>& chunks) {
  Bytes inner;
  PutId(inner, "WAVE");
  for (const auto& c : chunks) inner.insert(inner.end(), c.begin(), c.end());
  Bytes b;
  PutId(b, "RIFF");
  PutU32(b, static_cast<std::uint32_t>(inner.size()));
  b.insert(b.end(), inner.begin(), inner.end());
  return b;
}

inline Bytes Pcm16(const std::vector<std::int16_t>& samples) {
  Bytes b;
  for (std::int16_t s : samples) PutU16(b, static_cast<std::uint16_t>(s));
  return b;
}

// The plain form: "fmt " then "data".
inline Bytes Wave(const Format& f, const Bytes& data) {
  return Riff({Chunk("fmt ", FmtBody(f)), Chunk("data", data)});
}

// A 16-bit mono PCM file of the given samples at `rate`.
inline Bytes MonoPcm16(std::uint32_t rate, const std::vector<std::int16_t>& samples) {
  Format f;
  f.rate = rate;
  return Wave(f, Pcm16(samples));
}

// A square wave of `count` samples, `half_period` samples high then low.
inline std::vector<std::int16_t> Square(int count, int half_period, std::int16_t amplitude) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    samples[static_cast<std::size_t>(i)] = (i / half_period) % 2 ? amplitude : static_cast<std::int16_t>(-amplitude);
  return samples;
}

inline bool WriteBytes(const std::string& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace wavetest
