#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvanta {

// A file read for sending: its size, and its bytes up to a limit (a longer file is measured
// and only its head is read).
struct FileBytes {
    bool opened = false;
    std::uintmax_t size = 0;
    std::vector<uint8_t> bytes; // the first min(size, limit) bytes
};

FileBytes ReadFileBytes(const std::string &path, std::uintmax_t limit);
} // namespace korvanta
