#include "support/bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace testsupport {

Bytes Hex(std::string_view text) {
  Bytes out;
  int nibbles = 0;
  std::uint8_t cur = 0;
  for (char c : text) {
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else continue;
    cur = static_cast<std::uint8_t>((cur << 4) | v);
    if (++nibbles == 2) {
      out.push_back(cur);
      nibbles = 0;
      cur = 0;
    }
  }
  return out;
}

std::string ToHex(const Bytes& bytes) {
  std::string s;
  char buf[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
    s += buf;
  }
  return s;
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<ParsedTag> ParsedMovie::TagsWithCode(int code) const {
  std::vector<ParsedTag> out;
  for (const auto& t : tags)
    if (t.code == code) out.push_back(t);
  return out;
}

ParsedMovie ParseMovie(const Bytes& f) {
  ParsedMovie m;
  if (f.size() < 22 || f[0] != 'F' || f[1] != 'W' || f[2] != 'S') {
    ADD_FAILURE() << "not an uncompressed SWF file";
    return m;
  }
  auto u16 = [&](std::size_t p) { return static_cast<std::uint32_t>(f[p] | (f[p + 1] << 8)); };
  auto u32 = [&](std::size_t p) { return u16(p) | (u16(p + 2) << 16); };
  m.version = f[3];
  m.file_length = u32(4);
  // RECT: 5-bit nbits then four fields, MSB first.
  std::size_t bitpos = 8 * 8;
  auto bits = [&](int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i, ++bitpos) v = (v << 1) | ((f[bitpos / 8] >> (7 - bitpos % 8)) & 1);
    return v;
  };
  const int nbits = static_cast<int>(bits(5));
  bits(nbits);
  m.width = static_cast<int>(bits(nbits));
  bits(nbits);
  m.height = static_cast<int>(bits(nbits));
  std::size_t p = (bitpos + 7) / 8;
  m.frame_rate = f[p + 1];
  m.frame_count = static_cast<int>(u16(p + 2));
  p += 4;
  while (p + 2 <= f.size()) {
    ParsedTag t;
    t.offset = p;
    const std::uint32_t head = u16(p);
    p += 2;
    t.code = static_cast<int>(head >> 6);
    std::uint32_t len = head & 63;
    if (len == 63) {
      if (p + 4 > f.size()) break;
      len = u32(p);
      p += 4;
      t.long_header = true;
    }
    if (p + len > f.size()) {
      ADD_FAILURE() << "tag " << t.code << " runs past the end of the file";
      break;
    }
    t.body.assign(f.begin() + static_cast<long>(p), f.begin() + static_cast<long>(p + len));
    p += len;
    m.tags.push_back(std::move(t));
    if (m.tags.back().code == 0) break;
  }
  if (p != f.size()) ADD_FAILURE() << "bytes after the End tag or truncated file";
  return m;
}

}  // namespace testsupport
