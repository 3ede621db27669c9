#include "files/ReplaceFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

namespace korvanta {

namespace {

namespace fs = std::filesystem;

// A short name of its own, so that even a target whose name is as long as the folder allows
// gets a temporary file beside it.
fs::path TemporaryBeside(const fs::path &target) {
    std::random_device random;
    char name[32];
    std::snprintf(name, sizeof name, ".saving-%08x%08x", random(), random());
    return target.parent_path() / name;
}

bool WriteWhole(const fs::path &path, const std::vector<uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// A link is followed, so that the file it names gets the new content and the link stays.
fs::path RealTarget(const fs::path &target) {
    std::error_code error;
    if (!fs::is_symlink(target, error))
        return target;
    const fs::path real = fs::weakly_canonical(target, error);
    return error ? target : real;
}

// An existing file that may not be written (read-only) is not replaced either, although the
// folder would allow the rename. Opening for appending changes nothing in the file.
bool MayReplace(const fs::path &target) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!fs::exists(status))
        return true;
    if (!fs::is_regular_file(status))
        return false;
    return std::ofstream(target, std::ios::binary | std::ios::app).is_open();
}

} // namespace

bool ReplaceFile(const fs::path &requested, const std::vector<uint8_t> &bytes) {
    const fs::path target = RealTarget(requested);
    if (!MayReplace(target))
        return false;
    std::error_code error;
    const fs::path temporary = TemporaryBeside(target);
    if (!WriteWhole(temporary, bytes)) {
        fs::remove(temporary, error);
        return false;
    }
    // A replaced file keeps its permissions; a new one gets the usual ones.
    const auto status = fs::status(target, error);
    if (!error && fs::exists(status))
        fs::permissions(temporary, status.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace korvanta
