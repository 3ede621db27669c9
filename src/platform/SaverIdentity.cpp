#include "platform/SaverIdentity.h"

#include <QSysInfo>
#include <QtGlobal>

#include "platform/Cp1252.h"

namespace korvanta {

namespace {

std::optional<std::string> LoginName() {
    for (const char *variable : {"USERNAME", "USER", "LOGNAME"})
        if (qEnvironmentVariableIsSet(variable))
            return ToCp1252(qEnvironmentVariable(variable));
    return std::nullopt;
}

std::optional<std::string> ComputerName() {
    const QString name = QSysInfo::machineHostName();
    if (name.isEmpty())
        return std::nullopt;
    return ToCp1252(name);
}

} // namespace

SaverNames CurrentSaverNames() {
    return SaverNames{LoginName(), ComputerName()};
}

} // namespace korvanta
