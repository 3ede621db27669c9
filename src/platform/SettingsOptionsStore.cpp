#include "platform/SettingsOptionsStore.h"

#include <QRegularExpression>
#include <QSettings>
#include <optional>

namespace korvanta {

namespace {

constexpr const char *kOrganization = "KVT";
constexpr const char *kApplication = "KorvantaPlanner";

QString Key(const std::string &name) {
    return QString::fromStdString(name);
}

// The stored text of a value, when it is a single text (a list or other kind is not).
std::optional<QString> StoredText(const QVariant &value) {
    if (value.typeId() == QMetaType::QStringList || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

} // namespace

bool SettingsOptionsStore::KeyExists() const {
    const QSettings settings(kOrganization, kApplication);
    return !settings.allKeys().isEmpty();
}

StringOption SettingsOptionsStore::GetString(const std::string &name) const {
    const QSettings settings(kOrganization, kApplication);
    if (!settings.contains(Key(name)))
        return {};
    const std::optional<QString> text = StoredText(settings.value(Key(name)));
    if (!text)
        return {OptionStatus::WrongType, {}};
    return {OptionStatus::Ok, text->toStdString()};
}

IntegerOption SettingsOptionsStore::GetInteger(const std::string &name) const {
    const QSettings settings(kOrganization, kApplication);
    if (!settings.contains(Key(name)))
        return {};
    static const QRegularExpression kInteger(QStringLiteral("^[+-]?[0-9]+$"));
    const std::optional<QString> text = StoredText(settings.value(Key(name)));
    bool ok = false;
    const int value = text && kInteger.match(*text).hasMatch() ? text->toInt(&ok) : 0;
    if (!ok)
        return {OptionStatus::WrongType, 0};
    return {OptionStatus::Ok, value};
}

bool SettingsOptionsStore::Write(const std::vector<OptionEntry> &entries) {
    QSettings settings(kOrganization, kApplication);
    if (!settings.isWritable())
        return false;
    for (const OptionEntry &entry : entries) {
        if (const auto *text = std::get_if<std::string>(&entry.value))
            settings.setValue(Key(entry.name), QString::fromStdString(*text));
        else
            settings.setValue(Key(entry.name), std::get<int>(entry.value));
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace korvanta
