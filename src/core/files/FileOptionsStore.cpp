#include "files/FileOptionsStore.h"

#include <fstream>
#include <system_error>

#include "files/ReplaceFile.h"
#include "files/SettingsFile.h"

namespace korvanta {

namespace {

// A settings file is a few hundred bytes; a larger one is read no further than this.
constexpr std::size_t kMaxSettingsBytes = 1024 * 1024;

std::optional<int> StrictInteger(const std::string &text) {
    std::size_t at = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    if (at == text.size() || text.find_first_not_of("0123456789", at) != std::string::npos)
        return std::nullopt;
    const bool negative = text[0] == '-';
    long long value = 0;
    for (; at < text.size(); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

FileOptionsStore::FileOptionsStore(std::filesystem::path file, FileLayer &files)
    : file_(std::move(file)), files_(files) {}

std::optional<std::string> FileOptionsStore::ReadText() const {
    std::error_code error;
    if (!std::filesystem::exists(file_, error))
        return error ? std::nullopt : std::optional<std::string>(std::string());
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(kMaxSettingsBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || in.gcount() > static_cast<std::streamsize>(kMaxSettingsBytes))
        return std::nullopt;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

bool FileOptionsStore::KeyExists() const {
    const std::optional<std::string> text = ReadText();
    return text && SettingsFile(*text).HasValues();
}

StringOption FileOptionsStore::GetString(const std::string &name) const {
    const std::optional<SettingsValue> value = SettingsFile(ReadText().value_or("")).Find(name);
    if (!value)
        return {};
    if (!value->isText)
        return {OptionStatus::WrongType, {}};
    return {OptionStatus::Ok, value->text};
}

IntegerOption FileOptionsStore::GetInteger(const std::string &name) const {
    const std::optional<SettingsValue> value = SettingsFile(ReadText().value_or("")).Find(name);
    if (!value)
        return {};
    const std::optional<int> number = value->isText ? StrictInteger(value->text) : std::nullopt;
    if (!number)
        return {OptionStatus::WrongType, 0};
    return {OptionStatus::Ok, *number};
}

bool FileOptionsStore::Write(const std::vector<OptionEntry> &entries) {
    std::error_code error;
    if (file_.has_parent_path())
        std::filesystem::create_directories(file_.parent_path(), error);
    const std::optional<std::string> previous = ReadText();
    if (error || !previous)
        return false;
    std::vector<std::pair<std::string, std::string>> values;
    for (const OptionEntry &entry : entries) {
        const auto *text = std::get_if<std::string>(&entry.value);
        values.emplace_back(entry.name, text ? *text : std::to_string(std::get<int>(entry.value)));
    }
    const std::string text = SettingsFile(*previous).With(std::move(values));
    return ReplaceFile(file_, std::vector<uint8_t>(text.begin(), text.end()), {}, files_);
}

} // namespace korvanta
