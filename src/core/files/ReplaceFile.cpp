#include "files/ReplaceFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace korvanta {

namespace {

namespace fs = std::filesystem;

constexpr char kTemporaryPrefix[] = ".saving-";
constexpr unsigned kNewFileMode = 0666; // narrowed by the user's file creation mask

// A short tag of the target's name, so that a target whose name is as long as the folder
// allows still gets a temporary file beside it, and a later save of the same target can tell
// its own leftovers from those of other files.
std::string NameTag(const fs::path &target) {
    uint32_t hash = 2166136261u;
    for (const char c : target.filename().string())
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    char tag[16];
    std::snprintf(tag, sizeof tag, "%08x-", static_cast<unsigned>(hash));
    return kTemporaryPrefix + std::string(tag);
}

fs::path TemporaryBeside(const fs::path &target, const char *suffix) {
    std::random_device random;
    char name[24];
    std::snprintf(name, sizeof name, "%08x%s", random(), suffix);
    return target.parent_path() / (NameTag(target) + name);
}

bool IsHex(const std::string &text) {
    return text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// A leftover of an interrupted save of this target, or of the older saves whose temporary
// names (".saving-" and 16 hex digits) did not tell the target.
bool IsLeftover(const std::string &name, const std::string &tag) {
    if (name.rfind(tag, 0) == 0)
        return true;
    const std::size_t prefix = sizeof kTemporaryPrefix - 1;
    return name.size() == prefix + 16 && name.rfind(kTemporaryPrefix, 0) == 0 &&
           IsHex(name.substr(prefix));
}

void RemoveLeftovers(const fs::path &target, FileLayer &files) {
    const std::string tag = NameTag(target);
    std::error_code error;
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (IsLeftover(it->path().filename().string(), tag))
            files.Remove(it->path().string());
}

// A link is followed, so that the file it names gets the new content and the link stays.
fs::path RealTarget(const fs::path &target) {
    std::error_code error;
    if (!fs::is_symlink(target, error))
        return target;
    const fs::path real = fs::weakly_canonical(target, error);
    return error ? target : real;
}

// An existing target must be a regular file with a write permission bit; checking the bits
// rather than asking the system keeps a read-only file for an administrator too.
bool MayReplace(const fs::file_status &status) {
    if (!fs::exists(status))
        return true;
    constexpr auto kWritable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return fs::is_regular_file(status) && (status.permissions() & kWritable) != fs::perms::none;
}

// Writes a complete, durable new file; removes it again when any step fails.
bool WriteNew(const fs::path &path, const std::vector<uint8_t> &bytes, unsigned mode,
              FileLayer &files) {
    const int file = files.CreateNew(path.string(), mode);
    if (file < 0)
        return false;
    bool written = files.Write(file, bytes.data(), bytes.size()) && files.Sync(file);
    written = files.Close(file) && written;
    if (!written)
        files.Remove(path.string());
    return written;
}

bool ReadWhole(const fs::path &path, std::vector<uint8_t> &bytes) {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.is_open() && !in.bad();
}

// A second name for the current target, made before the target is replaced. A hard link
// costs nothing; a file system without links gets a copy.
bool KeepPrevious(const fs::path &target, const fs::path &kept, unsigned mode, FileLayer &files) {
    if (files.Link(target.string(), kept.string()))
        return true;
    std::vector<uint8_t> previous;
    return ReadWhole(target, previous) && WriteNew(kept, previous, mode, files);
}

unsigned ModeBits(const fs::file_status &status) {
    return static_cast<unsigned>(status.permissions() & fs::perms::mask);
}

} // namespace

bool ReplaceFile(const fs::path &requested, const std::vector<uint8_t> &bytes,
                 const ReplaceOptions &options, FileLayer &files) {
    const fs::path target = RealTarget(requested);
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!MayReplace(status))
        return false;
    RemoveLeftovers(target, files);
    const bool existed = fs::exists(status);
    const unsigned mode = existed ? ModeBits(status) : kNewFileMode;
    const fs::path temporary = TemporaryBeside(target, "");
    if (!WriteNew(temporary, bytes, mode, files))
        return false;
    // The creation mask may have narrowed the bits a replaced file had.
    if (existed && !files.SetMode(temporary.string(), mode)) {
        files.Remove(temporary.string());
        return false;
    }
    const bool backup = existed && !options.backup.empty() && options.backup != target &&
                        options.backup != requested;
    const fs::path kept = TemporaryBeside(target, ".bak");
    if (backup && !KeepPrevious(target, kept, mode, files)) {
        files.Remove(temporary.string());
        return false;
    }
    if (!files.Rename(temporary.string(), target.string())) {
        files.Remove(temporary.string());
        if (backup)
            files.Remove(kept.string());
        return false;
    }
    // The older backup goes only now that the new content is in place. Should that fail,
    // the previous content is put back, so that it is never held by a hidden file alone.
    if (backup && !files.Rename(kept.string(), options.backup.string())) {
        if (files.Rename(kept.string(), target.string()))
            files.SyncFolder(target.parent_path().string());
        return false;
    }
    return files.SyncFolder(target.parent_path().empty() ? "." : target.parent_path().string());
}

} // namespace korvanta
