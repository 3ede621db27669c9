#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace korvanta {

// Writes bytes to a new file beside the target and renames it over the target, so that the
// target holds either its previous content or the complete new content, never a part.
// Returns false (and leaves no temporary file) when the folder cannot be written, the disk
// is full or the rename fails.
bool ReplaceFile(const std::filesystem::path &target, const std::vector<uint8_t> &bytes);

} // namespace korvanta
