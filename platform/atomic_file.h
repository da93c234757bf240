#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace platform {

// Writes a file through a temporary file in the same folder and an atomic
// rename, so a failed write never leaves a partial file at the target.
// `fill` writes the content and returns false on failure.
// Returns false (and leaves the target untouched) when anything failed;
// `error` then says what.
bool WriteFileAtomically(const std::filesystem::path& target, const std::function<bool(std::FILE*)>& fill,
                         std::string* error = nullptr);

// Convenience for content already in memory.
bool WriteFileAtomically(const std::filesystem::path& target, const void* data, std::size_t size,
                         std::string* error = nullptr);

}  // namespace platform
