#include "ui/OptionsPortDetector.h"

#include <QApplication>
#include <QComboBox>

#include <string>
#include <vector>

#include "comm/PortDetection.h"
#include "platform/Cp1252.h"
#include "ui/MainFormMessage.h"

namespace korvanta {

namespace {
std::vector<std::string> EntryNames(const QComboBox &ports) {
    std::vector<std::string> names;
    for (int i = 0; i < ports.count(); ++i)
        names.push_back(ToCp1252(ports.itemText(i)));
    return names;
}
} // namespace

TOptionsForm::PortDetector OptionsPortDetector(SerialPort &port, QWidget *parent) {
    return [&port, parent](QComboBox *ports) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Detection detection = DetectMachine(port, EntryNames(*ports));
        QApplication::restoreOverrideCursor();
        ShowUserMessage(parent,
                        UserMessage{detection.message, MessageIcon::None, MessageButtons::Ok, {}});
        if (detection.index >= 0)
            ports->setCurrentIndex(detection.index);
    };
}

} // namespace korvanta
