#include "comm/BoardInfo.h"

#include "comm/CommTexts.h"
#include "comm/FormatText.h"
#include "comm/FrontPanelCodes.h"
#include "comm/LinkSettings.h"
#include "comm/VerifyReply.h"

namespace korvanta {

namespace {
constexpr int kPlannerMajor = 2;
constexpr int kPlannerMinor = 4;
} // namespace

std::string PlannerVersionText() {
    return FormatText("%d.%02d", kPlannerMajor, kPlannerMinor);
}

BoardInfo RequestBoardInfo(FrontPanel &panel, const std::string &portName) {
    CommUi &ui = panel.Ui();
    BoardInfo info;
    ui.SetStatus(kMainPanel, "");
    if (!panel.Port().Open(portName, FrontPanelLink)) {
        panel.State().lastAnswer = ui.Ask(texts::kComPortError, BoxIcon::Warning, BoxButtons::Ok);
        return info;
    }
    info.portOpened = true;
    ui.SetHourglass(true);
    ui.SetStatus(kMainPanel, texts::kRequestingInfo);
    ui.Repaint();
    panel.Port().SetReadTimeoutConstant(kSlowReplyReadTotalMs);
    // Asked with questions: it fails only when the user cancels.
    if (panel.SendCommand("VER", kVersionAttempts)) {
        info.answered = VerifyReply(panel.Reply());
        if (info.answered)
            info.texts = ReadVersionTexts(panel.Reply());
    } else {
        info.cancelled = true;
    }
    ui.SetStatus(kMainPanel, info.cancelled ? texts::kError : texts::kDone);
    ui.SetHourglass(false);
    panel.Port().Close();
    return info;
}

} // namespace korvanta
