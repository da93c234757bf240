#include "player/projector.h"

#include <fstream>

namespace swfplayer {
namespace {
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
}  // namespace

std::optional<std::span<const std::uint8_t>> FindAttachedMovie(std::span<const std::uint8_t> file) {
  if (file.size() < 8) return std::nullopt;
  const std::uint8_t* tail = file.data() + file.size() - 8;
  if (U32(tail) != kProjectorSignature) return std::nullopt;
  const std::uint32_t length = U32(tail + 4);
  if (length == 0 || length > file.size() - 8) return std::nullopt;
  return file.subspan(file.size() - 8 - length, length);
}

std::optional<std::vector<std::uint8_t>> ReadAttachedMovie(const std::filesystem::path& executable) {
  std::ifstream in(executable, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 8) return std::nullopt;
  std::uint8_t tail[8];
  in.seekg(size - 8);
  if (!in.read(reinterpret_cast<char*>(tail), 8)) return std::nullopt;
  if (U32(tail) != kProjectorSignature) return std::nullopt;
  const std::uint32_t length = U32(tail + 4);
  if (length == 0 || static_cast<std::streamoff>(length) > size - 8) return std::nullopt;
  std::vector<std::uint8_t> movie(length);
  in.seekg(size - 8 - static_cast<std::streamoff>(length));
  if (!in.read(reinterpret_cast<char*>(movie.data()), length)) return std::nullopt;
  return movie;
}

}  // namespace swfplayer
