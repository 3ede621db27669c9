#include "platform/SettingsOptionsStore.h"

#include <QSettings>
#include <filesystem>

namespace korvanta {

namespace {

constexpr const char *kOrganization = "KVT";
constexpr const char *kApplication = "KorvantaPlanner";

// Where the registry is the native store, the options go to an INI file in the user's
// application data folder instead; elsewhere the native format is this INI file.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr QSettings::Format kFormat = QSettings::IniFormat;
#else
constexpr QSettings::Format kFormat = QSettings::NativeFormat;
#endif

std::filesystem::path PathOf(const QString &path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

QString SettingsOptionsStore::SettingsFilePath() {
    return QSettings(kFormat, QSettings::UserScope, kOrganization, kApplication).fileName();
}

SettingsOptionsStore::SettingsOptionsStore() : FileOptionsStore(PathOf(SettingsFilePath())) {}

} // namespace korvanta
