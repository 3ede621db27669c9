#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/MachineConfig.h"
#include "files/FileLayer.h"
#include "files/SaveStamp.h"
#include "model/UserMessage.h"
#include "model/WashData.h"

namespace korvanta {

// The .kvt wash data file: a 15-byte signature, a format byte, the machine configuration
// bytes, the save stamp and the saver's name, then the records one after the other. No length
// fields, no checksum. The writer always writes format 44; the reader also takes the older
// layouts 10, 11, 40 and 41.
using FileImage = std::vector<uint8_t>;

inline constexpr char kWashDataSignature[] = "KORVANTA-DAT100";
constexpr std::size_t kWashDataSignatureLength = 15;
static_assert(sizeof(kWashDataSignature) == kWashDataSignatureLength + 1);
constexpr uint8_t kWashDataFormatByte = 44;

// Format level of an accepted format byte (10 -> 100, 11 -> 105, 40 -> 100, 41 -> 105,
// 44 -> 119); none for any other byte.
std::optional<int> FormatLevel(uint8_t formatByte);

struct LoadResult {
    bool ok = false;
    std::optional<UserMessage> message; // set on every failure, with the exact text
    std::optional<uint8_t> formatByte;  // as read, when the file holds one
    bool rejected = false;              // read and refused: data was reset to empty wash data
};

// Reads a file image into data and config. On success the records replace data (a list that
// lacks DataEnd gets one) and the configuration bytes, stamp and name the format holds replace
// those in config. A rejected image leaves data empty (only DataEnd); config keeps every byte
// the image could not provide. The caller resets its editing state as after New.
LoadResult ReadWashData(const FileImage &image, WashData &data, MachineConfig &config);

// Reads the file at path (UTF-8), at most its first 16 MiB. A file that cannot be opened
// reports "Unable to open " + path and changes nothing.
LoadResult LoadWashData(const std::string &path, WashData &data, MachineConfig &config);

struct SaveResult {
    bool ok = false;
    std::optional<UserMessage> message;
};

// The image that a save writes. Before encoding it sets SaveStamp and SavedBy of config and
// brings Code1 of every Fill record in line with the machine type, in data itself.
FileImage WriteWashData(WashData &data, MachineConfig &config, const SaveContext &context);

// Saves to path (UTF-8) through a temporary file renamed over the target. On success data and
// config are updated as WriteWashData does, and a previous file at path is kept as backup when
// one is named; on failure ("Unable to save " + path) nothing in memory changes and the previous
// file and backup stay as they were.
SaveResult SaveWashData(const std::string &path, WashData &data, MachineConfig &config,
                        const SaveContext &context, const std::string &backup = {},
                        FileLayer &files = RealFiles());

// Code1 of a Fill step as the machine type allows it: a compartment machine needs bit 4 (16)
// or bit 7 (128) set and gets bit 4 when neither is; any other machine has both cleared.
int FillCode1ForMachine(int code1, int machineType);

} // namespace korvanta
