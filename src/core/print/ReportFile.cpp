#include "print/ReportFile.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "files/ReplaceFile.h"

namespace korvanta {

bool WriteReportFile(const std::string &path, const std::string &bytes, UserMessage &message,
                     const std::string &backup) {
    message = ErrorMessage("Unable to save " + path);
    if (!ReplaceFile(std::filesystem::path(path), std::vector<uint8_t>(bytes.begin(), bytes.end()),
                     {backup}))
        return false;
    message = {};
    return true;
}

} // namespace korvanta
