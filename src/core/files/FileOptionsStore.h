#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "files/FileLayer.h"
#include "files/OptionsStore.h"

namespace korvanta {

// The program options in a per-user settings file (values of its [General] section). Every
// read looks at the file anew, so values written by another process are seen; every write
// replaces the whole file through the one safe writer, keeping its other lines, so that a
// failed save leaves the previous options as they were.
class FileOptionsStore : public OptionsStore {
public:
    explicit FileOptionsStore(std::filesystem::path file, FileLayer &files = RealFiles());

    bool KeyExists() const override;
    StringOption GetString(const std::string &name) const override;
    // Settings files keep numbers as text: only an optional sign and digits that fit an int
    // count as an integer ("3.5", " 42 " and overflowing numbers do not).
    IntegerOption GetInteger(const std::string &name) const override;
    // Creates the file's folder when missing. Refuses (false) a file that exists but cannot
    // be read, so that its other lines are never lost.
    bool Write(const std::vector<OptionEntry> &entries) override;

    const std::filesystem::path &File() const { return file_; }

private:
    // The file's text: empty when there is no file, nothing when it cannot be read.
    std::optional<std::string> ReadText() const;

    std::filesystem::path file_;
    FileLayer &files_;
};

} // namespace korvanta
