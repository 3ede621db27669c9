#pragma once

#include <cstddef>

#include "model/WashData.h"

namespace korvanta {

constexpr std::size_t kWashDataHeaderBytes = 60;

// Bytes one record takes in a .kvt file (0 for types a file cannot hold).
std::size_t RecordFileSize(RecordType type);
// Size in bytes of the .kvt file that would hold this data: header plus every record.
std::size_t WashDataFileSize(const WashData &data);

} // namespace korvanta
