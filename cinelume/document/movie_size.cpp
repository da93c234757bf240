#include "cinelume/document/movie_size.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <fstream>

namespace cinelume {

namespace {

constexpr std::size_t kRectBytes = 17;

std::uint32_t Bits(const std::array<std::uint8_t, kRectBytes>& bytes, unsigned start, unsigned count) {
  std::uint32_t value = 0;
  for (unsigned i = 0; i < count; ++i) {
    const unsigned bit = start + i;
    value = (value << 1) | ((bytes[bit / 8] >> (7 - bit % 8)) & 1u);
  }
  return value;
}

// The first bytes of the body of a compressed movie.
bool InflateStart(std::ifstream& in, std::array<std::uint8_t, kRectBytes>& rect) {
  std::array<std::uint8_t, 4096> input{};
  in.read(reinterpret_cast<char*>(input.data()), input.size());
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = input.data();
  stream.avail_in = static_cast<uInt>(in.gcount());
  stream.next_out = rect.data();
  stream.avail_out = kRectBytes;
  int rc = Z_OK;
  while (stream.avail_out > 0 && rc == Z_OK) rc = inflate(&stream, Z_SYNC_FLUSH);
  const bool complete = stream.avail_out == 0;
  inflateEnd(&stream);
  return complete;
}

}  // namespace

TMovieSize MovieSizeFromSwf(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw EMovieFileError("Cannot open the movie " + file);
  char header[8] = {};
  in.read(header, sizeof header);
  std::array<std::uint8_t, kRectBytes> rect{};
  bool ok = in.gcount() == sizeof header && header[1] == 'W' && header[2] == 'S';
  if (ok && header[0] == 'F') {
    in.read(reinterpret_cast<char*>(rect.data()), kRectBytes);
    ok = in.gcount() == static_cast<std::streamsize>(kRectBytes);
  } else if (ok && header[0] == 'C') {
    ok = InflateStart(in, rect);
  } else {
    ok = false;
  }
  if (!ok) throw EMovieFileError("Not a movie file: " + file);
  const unsigned n = Bits(rect, 0, 5);
  TMovieSize size;
  size.Width = static_cast<int>(Bits(rect, 5 + n, n) / 20);
  size.Height = static_cast<int>(Bits(rect, 5 + 3 * n, n) / 20);
  return size;
}

}  // namespace cinelume
