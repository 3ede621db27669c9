#include "platform/PortList.h"

#include <QSerialPortInfo>

namespace korvanta {

std::vector<std::string> AvailablePortNames() {
    std::vector<std::string> names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names.push_back(info.portName().toStdString());
    return names;
}

} // namespace korvanta
