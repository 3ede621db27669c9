#pragma once

#include <string>

namespace korvanta {

// A UTF-8 text as a JSON string literal, quotes included.
std::string JsonQuoted(const std::string &utf8);

inline std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

} // namespace korvanta
