#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/SettingsText.h"

namespace korvanta {

// The text of a per-user settings file: sections in brackets and "key=value" lines. The values
// without a group stand in the section [General] (or before the first section). Changing some
// of them rewrites only their lines, so that every other line of the file stays as it was.
class SettingsFile {
public:
    explicit SettingsFile(const std::string &text);

    // True when any section of the file holds a value.
    bool HasValues() const;
    // A value of [General]; where a key stands twice, the later line counts.
    std::optional<SettingsValue> Find(const std::string &key) const;

    // The file with these (key, text) values in [General]: a key's line is replaced (later
    // lines of the same key go), a new key is added to the section, which is made at the top
    // of the file when missing.
    std::string With(std::vector<std::pair<std::string, std::string>> values) const;

private:
    struct Line {
        std::string bytes; // as in the file, line end included, continuation lines joined
        bool general;      // in [General] or before the first section
        bool section;      // a section heading
        bool hasKey;       // a "key=value" line
        std::string key;   // unescaped
        std::string value; // raw, after the '='
    };
    std::vector<Line> lines_;
};

} // namespace korvanta
