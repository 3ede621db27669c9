#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/FileLayer.h"

namespace korvanta {

// How a file is replaced.
struct ReplaceOptions {
    // Where the previous content is kept once the new content is safely on disk; empty for
    // none. An older file of that name is replaced only by a save that succeeds.
    std::filesystem::path backup;
};

// Writes bytes to a new file beside the target, flushes it to disk and only then moves it over
// the target in one step, so that the target holds either its previous content or the complete
// new content, never a part. A link is followed and the file it names is replaced; a replaced
// file keeps its permissions; a read-only file is not replaced. Temporary files that an
// interrupted save of the same target left behind are removed first. Returns false, leaving the
// target and the backup as they were and no temporary file, when any step fails.
bool ReplaceFile(const std::filesystem::path &target, const std::vector<uint8_t> &bytes,
                 const ReplaceOptions &options = {}, FileLayer &files = RealFiles());

} // namespace korvanta
