#include "sim/MemoryFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "sim/HexText.h"

namespace korvanta::sim {

namespace {

constexpr const char *kCyclesFile = "cycles.bin";
constexpr const char *kSoftwareFile = "software.bin";
constexpr const char *kParamsFile = "params.txt";
constexpr unsigned kLargestParameterValue = 0xFFFF;

std::string PathIn(const std::string &dir, const char *name) {
    return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

bool Fail(std::string *error, const std::string &text) {
    if (error)
        *error = text;
    return false;
}

bool Exists(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

// Reads at most limit bytes; nullopt when the file cannot be read or is longer.
std::optional<std::vector<uint8_t>> ReadLimited(const std::string &path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<uint8_t> bytes(limit + 1);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return std::nullopt;
    std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got > limit)
        return std::nullopt;
    bytes.resize(got);
    return bytes;
}

bool ParseParamLine(const std::string &line, int &address, uint16_t &value) {
    std::istringstream fields(line);
    std::string addressText, valueText, rest;
    if (!(fields >> addressText >> valueText) || (fields >> rest))
        return false;
    unsigned a = 0, v = 0;
    if (!ParseDecimal(addressText, a) || !ParseDecimal(valueText, v))
        return false;
    if (!MachineMemory::HasParameter(static_cast<int>(a)) || v > kLargestParameterValue)
        return false;
    address = static_cast<int>(a);
    value = static_cast<uint16_t>(v);
    return true;
}

bool LoadParams(const std::string &path, MachineMemory &memory, std::string *error) {
    std::ifstream in(path);
    if (!in)
        return Fail(error, "cannot read " + path);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#')
            continue;
        int address = 0;
        uint16_t value = 0;
        if (!ParseParamLine(line, address, value))
            return Fail(error, path + ":" + std::to_string(lineNumber) + ": not a parameter line");
        memory.SetParameter(address, value);
    }
    return true;
}

bool WriteWhole(const std::string &path, const std::string &bytes, std::string *error) {
    std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out)
            return Fail(error, "cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        return Fail(error, "cannot replace " + path + ": " + reason);
    }
    return true;
}

std::string AsText(const std::vector<uint8_t> &bytes) {
    return {bytes.begin(), bytes.end()};
}

std::string ParamsText(const MachineMemory &memory) {
    std::string text = "# machine parameters: address value (decimal)\n";
    for (int address = 0; address < kParameterCount; ++address)
        if (MachineMemory::HasParameter(address))
            text +=
                std::to_string(address) + " " + std::to_string(memory.Parameter(address)) + "\n";
    return text;
}

} // namespace

bool LoadMemoryFiles(const std::string &dir, MachineMemory &memory, std::string *error) {
    MachineMemory loaded = memory;
    std::string cyclesPath = PathIn(dir, kCyclesFile);
    if (Exists(cyclesPath)) {
        auto bytes = ReadLimited(cyclesPath, kBlockBytes * kCycleBlockCount);
        if (!bytes)
            return Fail(error, "cannot read " + cyclesPath + " (at most 65536 bytes)");
        loaded.SetStoredCycles(*bytes);
    }
    std::string softwarePath = PathIn(dir, kSoftwareFile);
    if (Exists(softwarePath)) {
        auto bytes = ReadLimited(softwarePath, kSoftwareImageBytes);
        if (!bytes)
            return Fail(error, "cannot read " + softwarePath + " (at most 124928 bytes)");
        loaded.SetSoftware(*bytes);
    }
    std::string paramsPath = PathIn(dir, kParamsFile);
    if (Exists(paramsPath) && !LoadParams(paramsPath, loaded, error))
        return false;
    memory = loaded;
    return true;
}

bool SaveMemoryFiles(const std::string &dir, const MachineMemory &memory, std::string *error) {
    return WriteWhole(PathIn(dir, kCyclesFile), AsText(memory.StoredCycles()), error) &&
           WriteWhole(PathIn(dir, kSoftwareFile), AsText(memory.Software()), error) &&
           WriteWhole(PathIn(dir, kParamsFile), ParamsText(memory), error);
}

} // namespace korvanta::sim
