#include "comm/FileBytes.h"

#include <fstream>

namespace korvanta {

FileBytes ReadFileBytes(const std::string &path, std::uintmax_t limit) {
    FileBytes file;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return file;
    file.opened = true;
    const std::streamoff end = in.tellg();
    file.size = end > 0 ? static_cast<std::uintmax_t>(end) : 0;
    const std::uintmax_t wanted = file.size < limit ? file.size : limit;
    file.bytes.resize(static_cast<std::size_t>(wanted));
    in.seekg(0);
    in.read(reinterpret_cast<char *>(file.bytes.data()), static_cast<std::streamsize>(wanted));
    const auto got = static_cast<std::size_t>(in.gcount());
    file.bytes.resize(got);
    if (got < wanted) // the file shrank while it was read
        file.size = got;
    return file;
}

} // namespace korvanta
