#pragma once

#include <string>
#include <string_view>

namespace korvanta {

// Keys and values as the per-user settings file writes them on Linux (an INI file under
// ~/.config): keys escape every byte outside letters, digits, '_', '-' and '.' as %XX ("Com
// Port" is "Com%20Port") and '/' as '\'; values escape control characters, '"' and '\' with a
// backslash, are quoted when they hold ';', ',' or '=' or start or end with a space, and double
// a leading '@'. Texts on our side are UTF-8.

// A value as read: a single text, or something no option takes (a list of texts, separated by
// unquoted commas, or a typed value such as "@Invalid()").
struct SettingsValue {
    bool isText = false;
    std::string text;
};

std::string EscapeSettingsKey(std::string_view key);
// The key of a "key=value" line (spaces around it are not part of it).
std::string UnescapeSettingsKey(std::string_view raw);

std::string EscapeSettingsValue(std::string_view text);
// The value after the '=' of a line; older files may hold \x escapes of characters.
SettingsValue UnescapeSettingsValue(std::string_view raw);

} // namespace korvanta
