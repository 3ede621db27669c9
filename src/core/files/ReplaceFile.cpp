#include "files/ReplaceFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace korvanta {

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path &target) {
    std::random_device random;
    char suffix[20];
    std::snprintf(suffix, sizeof suffix, ".%08x%08x", random(), random());
    std::filesystem::path name = target.filename();
    name += ".saving";
    name += suffix;
    return target.parent_path() / name;
}

bool WriteWhole(const std::filesystem::path &path, const std::vector<uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

bool ReplaceFile(const std::filesystem::path &target, const std::vector<uint8_t> &bytes) {
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        return false;
    const std::filesystem::path temporary = TemporaryBeside(target);
    if (!WriteWhole(temporary, bytes)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    // A replaced file keeps its permissions; a new one gets the usual ones.
    const auto status = std::filesystem::status(target, error);
    if (!error && std::filesystem::exists(status))
        std::filesystem::permissions(temporary, status.permissions(), error);
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace korvanta
