#include "ui/OptionsPortDetector.h"

#include <QComboBox>

#include <string>
#include <vector>

#include "comm/PortDetection.h"
#include "platform/Cp1252.h"
#include "ui/MainFormMessage.h"
#include "ui/WaitCursor.h"

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
        const Detection detection = [&] {
            const WaitCursor wait;
            return DetectMachine(port, EntryNames(*ports));
        }();
        ShowUserMessage(parent,
                        UserMessage{detection.message, MessageIcon::None, MessageButtons::Ok, {}});
        if (detection.index >= 0)
            ports->setCurrentIndex(detection.index);
    };
}

} // namespace korvanta
