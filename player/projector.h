#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace swfplayer {

inline constexpr std::uint32_t kProjectorSignature = 0xFA123456;

// The movie a self-running executable carries: the file ends with the
// movie, the signature 56 34 12 FA and the movie's length (little-endian).
// Nothing when the file does not end that way or the length does not fit.
std::optional<std::vector<std::uint8_t>> ReadAttachedMovie(const std::filesystem::path& executable);
std::optional<std::span<const std::uint8_t>> FindAttachedMovie(std::span<const std::uint8_t> file);

}  // namespace swfplayer
