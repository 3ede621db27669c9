#include "files/SettingsText.h"

#include <cstdint>
#include <cstdio>

namespace korvanta {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

void AppendUtf8(std::string &out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Characters given as UTF-16 units (escapes of older files): a surrogate pair makes one
// character, a lone half stands for an unreadable one.
class UnitJoiner {
public:
    void Add(std::string &out, char32_t unit) {
        if (high_ && unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00));
            high_ = 0;
            return;
        }
        Flush(out);
        if (unit >= 0xD800 && unit <= 0xDBFF)
            high_ = unit;
        else
            AppendUtf8(out, unit);
    }
    void Flush(std::string &out) {
        if (high_)
            AppendUtf8(out, kReplacement);
        high_ = 0;
    }

private:
    char32_t high_ = 0;
};

// The code point of a UTF-8 sequence at `at`, and its length; an invalid byte reads as one
// unreadable character.
char32_t DecodeUtf8(std::string_view text, std::size_t at, std::size_t &length) {
    const auto byte = static_cast<uint8_t>(text[at]);
    length = 1;
    if (byte < 0x80)
        return byte;
    const int extra = byte >= 0xF0 && byte < 0xF5 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC2 ? 1 : -1;
    if (extra < 0 || at + static_cast<std::size_t>(extra) >= text.size())
        return kReplacement;
    char32_t c = byte & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<uint8_t>(text[at + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (next & 0x3F);
    }
    length = 1 + static_cast<std::size_t>(extra);
    return c;
}

void AppendHex(std::string &out, unsigned value, int digits) {
    char hex[16];
    std::snprintf(hex, sizeof hex, digits == 4 ? "%04X" : "%02X", value);
    out += hex;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Spaces at the end of an unquoted value are not part of it, unless written as escapes.
void ChopTrailingSpaces(std::string &text, std::size_t limit) {
    while (text.size() > limit && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
}

char ControlEscape(char c) {
    switch (c) {
    case '\a':
        return 'a';
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    case '\v':
        return 'v';
    default:
        return 0;
    }
}

char SimpleUnescape(char c) {
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

// A text that stands for a typed value ("@Invalid()", "@Variant(...)", "@Rect(...)") rather
// than for itself; "@@" starts a text that begins with '@'.
SettingsValue FromStoredText(const std::string &text) {
    if (text.starts_with("@@"))
        return {true, text.substr(1)};
    if (text.starts_with('@') && text.size() > 1 && text.ends_with(')')) {
        for (const std::string_view prefix : {"@ByteArray(", "@String("})
            if (text.starts_with(prefix))
                return {true, text.substr(prefix.size(), text.size() - prefix.size() - 1)};
        if (text.find('(') != std::string::npos)
            return {};
    }
    return {true, text};
}

} // namespace

std::string EscapeSettingsKey(std::string_view key) {
    std::string out;
    for (std::size_t i = 0; i < key.size();) {
        const char c = key[i];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '_' || c == '-' || c == '.') {
            out += c;
            ++i;
            continue;
        }
        if (c == '/') {
            out += '\\';
            ++i;
            continue;
        }
        std::size_t length = 1;
        const char32_t point = DecodeUtf8(key, i, length);
        i += length;
        if (point <= 0xFF) {
            out += '%';
            AppendHex(out, point, 2);
        } else if (point <= 0xFFFF) {
            out += "%U";
            AppendHex(out, point, 4);
        } else {
            out += "%U";
            AppendHex(out, 0xD800 + ((point - 0x10000) >> 10), 4);
            out += "%U";
            AppendHex(out, 0xDC00 + ((point - 0x10000) & 0x3FF), 4);
        }
    }
    return out;
}

std::string UnescapeSettingsKey(std::string_view raw) {
    const std::string_view key = Trimmed(raw);
    std::string out;
    UnitJoiner units;
    for (std::size_t i = 0; i < key.size();) {
        if (key[i] == '\\') {
            units.Flush(out);
            out += '/';
            ++i;
            continue;
        }
        if (key[i] == '%' && i + 1 < key.size()) {
            const std::size_t first = i + 1 + (key[i + 1] == 'U' ? 1 : 0);
            const std::size_t digits = key[i + 1] == 'U' ? 4 : 2;
            bool hex = first + digits <= key.size();
            for (std::size_t k = first; hex && k < first + digits; ++k)
                hex = IsHexDigit(key[k]);
            if (hex) {
                char32_t unit = 0;
                for (std::size_t k = first; k < first + digits; ++k)
                    unit = unit * 16 + static_cast<char32_t>(HexValue(key[k]));
                units.Add(out, unit);
                i = first + digits;
                continue;
            }
        }
        units.Flush(out);
        out += key[i++];
    }
    units.Flush(out);
    return out;
}

std::string EscapeSettingsValue(std::string_view text) {
    std::string out = text.starts_with('@') ? "@" : "";
    bool quote = false;
    bool escapeNextHexDigit = false; // after "\0" or "\x1f" a hex digit would join the escape
    for (const char c : text) {
        quote = quote || c == ';' || c == ',' || c == '=';
        if (escapeNextHexDigit && IsHexDigit(c)) {
            out += "\\x";
            AppendHex(out, static_cast<unsigned char>(c), 2);
            continue;
        }
        escapeNextHexDigit = false;
        if (c == '\0') {
            out += "\\0";
            escapeNextHexDigit = true;
        } else if (const char e = ControlEscape(c)) {
            out += '\\';
            out += e;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%x", static_cast<unsigned>(c));
            out += hex;
            escapeNextHexDigit = true;
        } else {
            out += c;
        }
    }
    if (quote || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

SettingsValue UnescapeSettingsValue(std::string_view raw) {
    std::string text;
    UnitJoiner units;
    bool list = false;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t chopLimit = 0;
    std::size_t i = 0;
    const auto skipSpaces = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
        chopLimit = text.size();
    };
    skipSpaces();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size())
                break;
            const char e = raw[i++];
            if (const char plain = SimpleUnescape(e)) {
                units.Flush(text);
                text += plain;
            } else if ((e == 'x' && i < raw.size() && IsHexDigit(raw[i])) ||
                       (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                uint64_t value = hex ? 0 : static_cast<uint64_t>(e - '0');
                while (i < raw.size() &&
                       (hex ? IsHexDigit(raw[i]) : raw[i] >= '0' && raw[i] <= '7')) {
                    value = value * (hex ? 16 : 8) +
                            static_cast<uint64_t>(hex ? HexValue(raw[i]) : raw[i] - '0');
                    value = value > 0x10FFFF ? 0x110000 : value;
                    ++i;
                }
                units.Add(text, static_cast<char32_t>(value));
            }
            chopLimit = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces();
        } else if (c == ',' && !inQuotes) {
            list = true;
            ++i;
            skipSpaces();
        } else {
            units.Flush(text);
            text += c;
            ++i;
        }
    }
    units.Flush(text);
    if (list)
        return {};
    if (!quoted)
        ChopTrailingSpaces(text, chopLimit);
    return FromStoredText(text);
}

} // namespace korvanta
