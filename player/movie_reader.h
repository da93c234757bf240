#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "player/movie.h"

namespace swfplayer {

// Decompressed movies larger than this are cut there.
inline constexpr std::size_t kMaxMovieBytes = 256u * 1024 * 1024;

// Reads a whole SWF file. Returns null (with a message in `error`) when it
// is not an SWF file at all; a damaged or cut file gives what could be read,
// with Movie::damaged set.
std::unique_ptr<Movie> ReadMovie(std::span<const std::uint8_t> file, std::string* error = nullptr);
std::unique_ptr<Movie> LoadMovieFile(const std::filesystem::path& path, std::string* error = nullptr);

}  // namespace swfplayer
