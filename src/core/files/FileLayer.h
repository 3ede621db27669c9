#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvanta {

// The few file operations a save needs, so that a test can make any one of them fail.
// Paths are in the system's own encoding; every call returns false on failure.
class FileLayer {
public:
    virtual ~FileLayer() = default;
    // Creates a new file that must not exist yet, with the given permission bits; -1 on failure.
    virtual int CreateNew(const std::string &path, unsigned mode) = 0;
    virtual bool Write(int file, const uint8_t *bytes, std::size_t count) = 0;
    virtual bool Sync(int file) = 0;
    virtual bool Close(int file) = 0;
    virtual bool SetMode(const std::string &path, unsigned mode) = 0;
    // Gives an existing file a second name; false where the file system has no such links.
    virtual bool Link(const std::string &existing, const std::string &added) = 0;
    // Replaces `to` by `from` in one step.
    virtual bool Rename(const std::string &from, const std::string &to) = 0;
    virtual bool Remove(const std::string &path) = 0;
    virtual bool SyncFolder(const std::string &folder) = 0;
};

// The operations on the real disk.
FileLayer &RealFiles();

} // namespace korvanta
