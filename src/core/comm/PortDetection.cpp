#include "comm/PortDetection.h"

#include "comm/CommTexts.h"
#include "comm/FrontPanelExchange.h"
#include "comm/LinkSettings.h"
#include "comm/VerifyReply.h"

namespace korvanta {

bool ProbeMachine(SerialPort &port, const std::string &name) {
    if (!port.Open(name, FrontPanelLink))
        return false;
    port.SetReadTimeoutConstant(kSlowReplyReadTotalMs);
    port.Sleep(kProbeSettleMs);
    ReplyBuffer reply;
    const bool found = ExchangeCommand(port, reply, "VER") && VerifyReply(reply);
    port.Close();
    return found;
}

Detection DetectMachine(SerialPort &port, const std::vector<std::string> &names) {
    Detection detection;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (ProbeMachine(port, names[i])) {
            detection.index = static_cast<int>(i);
            detection.message = texts::kMachineDetectedOn + names[i];
            return detection;
        }
    }
    detection.message = texts::kNoMachineFound;
    return detection;
}

} // namespace korvanta
