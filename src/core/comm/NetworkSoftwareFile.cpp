#include "comm/NetworkSoftwareFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace korvanta {

namespace {
namespace fs = std::filesystem;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool MatchesPattern(const std::string &name) {
    const std::string lower = Lower(name);
    return lower.size() >= 8 && lower.rfind("kvt_", 0) == 0 &&
           lower.compare(lower.size() - 4, 4, ".bin") == 0;
}
} // namespace

std::string NetworkSoftwareFolder(const std::string &lastBinDir) {
    if (lastBinDir.empty())
        return {};
    std::error_code error;
    if (fs::is_directory(lastBinDir, error))
        return lastBinDir;
    const fs::path parent = fs::path(lastBinDir).parent_path();
    return fs::is_directory(parent, error) ? parent.string() : std::string();
}

std::string NetworkSoftwareFileName(const std::string &folder) {
    std::string best;
    std::error_code error;
    if (!folder.empty()) {
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (MatchesPattern(name) && it->is_regular_file(error) &&
                (best.empty() || Lower(name) > Lower(best)))
                best = name;
        }
    }
    return best.empty() ? kNetworkSoftwarePattern : best;
}

} // namespace korvanta
