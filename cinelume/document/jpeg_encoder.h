#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

class QImage;

namespace cinelume {

// Encodes `image` as a baseline JPEG of the given quality into `file`
// (written through a temporary file). False with `error` set on failure.
bool WriteJpegFile(const QImage& image, int quality, const std::filesystem::path& file, std::string* error);

}  // namespace cinelume
