#include "files/FileLayer.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvanta {

namespace {

#ifdef _WIN32

class RealFileLayer final : public FileLayer {
public:
    int CreateNew(const std::string &path, unsigned) override {
        return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                     _S_IREAD | _S_IWRITE);
    }
    bool Write(int file, const uint8_t *bytes, std::size_t count) override {
        while (count > 0) {
            const int written = _write(file, bytes, static_cast<unsigned>(count));
            if (written <= 0)
                return false;
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
        return true;
    }
    bool Sync(int file) override { return _commit(file) == 0; }
    bool Close(int file) override { return _close(file) == 0; }
    bool SetMode(const std::string &, unsigned) override { return true; }
    bool Link(const std::string &, const std::string &) override { return false; }
    bool Rename(const std::string &from, const std::string &to) override {
        std::remove(to.c_str());
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    bool Remove(const std::string &path) override { return std::remove(path.c_str()) == 0; }
    bool SyncFolder(const std::string &) override { return true; }
};

#else

class RealFileLayer final : public FileLayer {
public:
    int CreateNew(const std::string &path, unsigned mode) override {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    }
    bool Write(int file, const uint8_t *bytes, std::size_t count) override {
        while (count > 0) {
            const ssize_t written = ::write(file, bytes, count);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
        return true;
    }
    bool Sync(int file) override { return ::fsync(file) == 0; }
    bool Close(int file) override { return ::close(file) == 0; }
    bool SetMode(const std::string &path, unsigned mode) override {
        return ::chmod(path.c_str(), static_cast<mode_t>(mode)) == 0;
    }
    bool Link(const std::string &existing, const std::string &added) override {
        return ::link(existing.c_str(), added.c_str()) == 0;
    }
    bool Rename(const std::string &from, const std::string &to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }
    bool Remove(const std::string &path) override { return ::unlink(path.c_str()) == 0; }
    bool SyncFolder(const std::string &folder) override {
        const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (handle < 0)
            return false;
        const bool synced = ::fsync(handle) == 0;
        ::close(handle);
        return synced;
    }
};

#endif

} // namespace

FileLayer &RealFiles() {
    // Stateless: one shared instance is as good as a new one per save.
    static RealFileLayer files;
    return files;
}

} // namespace korvanta
