#include "files/SettingsFile.h"

#include <algorithm>

namespace korvanta {

namespace {

constexpr char kGeneral[] = "[General]";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool EqualsGeneral(const std::string &name) {
    constexpr std::string_view kName = "general";
    return name.size() == kName.size() &&
           std::equal(name.begin(), name.end(), kName.begin(),
                      [](char a, char b) { return (a | 0x20) == b; });
}

// The next physical line from `at`: its bytes with the line end, and its content without.
std::size_t LineEnd(const std::string &text, std::size_t at, std::size_t &contentEnd) {
    const std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) {
        contentEnd = text.size();
        return text.size();
    }
    contentEnd = end;
    return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// A line that ends in an odd number of backslashes goes on in the next one.
bool Continues(const std::string &content) {
    const std::size_t last = content.find_last_not_of('\\');
    const std::size_t slashes = content.size() - (last == std::string::npos ? 0 : last + 1);
    return slashes % 2 == 1;
}

std::string_view TrimLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string NewLine(const std::string &key, const std::string &text) {
    return EscapeSettingsKey(key) + "=" + EscapeSettingsValue(text) + "\n";
}

} // namespace

SettingsFile::SettingsFile(const std::string &text) {
    bool general = true;
    std::size_t at = text.rfind(kByteOrderMark, 0) == 0 ? 3 : 0;
    if (at)
        lines_.push_back({text.substr(0, at), true, false, false, {}, {}});
    while (at < text.size()) {
        Line line{{}, general, false, false, {}, {}};
        std::string content;
        std::size_t contentEnd = 0;
        for (bool more = true; more && at < text.size();) {
            const std::size_t next = LineEnd(text, at, contentEnd);
            std::string piece = text.substr(at, contentEnd - at);
            line.bytes += text.substr(at, next - at);
            at = next;
            more = Continues(piece);
            if (more)
                piece.pop_back();
            content += piece;
        }
        const std::string_view body = TrimLeft(content);
        if (!body.empty() && body.front() == '[') {
            const std::size_t close = body.find(']');
            const std::string name(body.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            general = EqualsGeneral(name);
            line.general = general;
            line.section = true;
        } else if (const std::size_t equals = body.find('=');
                   !body.empty() && body.front() != ';' && equals != std::string_view::npos) {
            line.hasKey = true;
            line.key = UnescapeSettingsKey(body.substr(0, equals));
            line.value = std::string(body.substr(equals + 1));
        }
        lines_.push_back(std::move(line));
    }
}

bool SettingsFile::HasValues() const {
    return std::any_of(lines_.begin(), lines_.end(), [](const Line &line) { return line.hasKey; });
}

std::optional<SettingsValue> SettingsFile::Find(const std::string &key) const {
    for (auto line = lines_.rbegin(); line != lines_.rend(); ++line)
        if (line->general && line->hasKey && line->key == key)
            return UnescapeSettingsValue(line->value);
    return std::nullopt;
}

std::string SettingsFile::With(std::vector<std::pair<std::string, std::string>> values) const {
    std::sort(values.begin(), values.end());
    std::vector<bool> written(values.size(), false);
    std::vector<std::string> out;
    std::size_t insertAt = std::string::npos; // after the last line of [General]'s values
    for (const Line &line : lines_) {
        if (line.section && line.general)
            insertAt = out.size() + 1;
        if (!line.general || !line.hasKey) {
            out.push_back(line.bytes);
            continue;
        }
        const auto found = std::find_if(values.begin(), values.end(),
                                        [&](const auto &value) { return value.first == line.key; });
        if (found == values.end()) {
            out.push_back(line.bytes);
        } else if (!written[static_cast<std::size_t>(found - values.begin())]) {
            written[static_cast<std::size_t>(found - values.begin())] = true;
            out.push_back(NewLine(found->first, found->second));
        } else {
            continue; // a later line of a key already written
        }
        insertAt = out.size();
    }
    std::string added;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!written[k])
            added += NewLine(values[k].first, values[k].second);
    if (insertAt == std::string::npos) {
        // The section goes first, after a byte order mark.
        const std::ptrdiff_t first = !lines_.empty() && lines_.front().bytes == kByteOrderMark;
        out.insert(out.begin() + first, std::string(kGeneral) + "\n" + added +
                                            (out.size() > std::size_t(first) ? "\n" : ""));
    } else if (!added.empty()) {
        std::string &before = out[insertAt - 1];
        const std::size_t content = before.find_last_not_of("\r\n") + 1;
        // A last line that ends in a lone backslash would go on into the added values: an
        // empty line ends it as the end of the file did.
        const bool open = Continues(before.substr(0, content));
        if (content == before.size())
            before += "\n";
        if (open) // after a lone CR a LF would join its line end, not make a line
            before += before.back() == '\r' ? "\r" : "\n";
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt), added);
    }
    std::string text;
    for (const std::string &piece : out)
        text += piece;
    return text;
}

} // namespace korvanta
