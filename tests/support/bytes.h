#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// "78 00 05" -> {0x78, 0x00, 0x05}; spaces are optional.
Bytes Hex(std::string_view text);
// {0x78, 0x00} -> "78 00"
std::string ToHex(const Bytes& bytes);

Bytes ReadFileBytes(const std::filesystem::path& path);

// A tag as it stands in a file: code, body, offset of its header.
struct ParsedTag {
  int code = 0;
  Bytes body;
  std::size_t offset = 0;
  bool long_header = false;
};

// Splits an uncompressed SWF file into header fields and tags; fails the
// current test on malformed input.
struct ParsedMovie {
  int version = 0;
  std::uint32_t file_length = 0;
  int width = 0;   // twips
  int height = 0;  // twips
  int frame_rate = 0;
  int frame_count = 0;
  std::vector<ParsedTag> tags;

  std::vector<ParsedTag> TagsWithCode(int code) const;
};
ParsedMovie ParseMovie(const Bytes& file);

}  // namespace testsupport
