#include "comm/LifeTestTransfer.h"

#include "comm/CommTexts.h"
#include "comm/FrontPanelCodes.h"
#include "comm/TransferSteps.h"

namespace korvanta {

namespace {
// Where the gauge stops: word 21 of a 32-word scale.
constexpr int kLifeTestGauge = 21 * 100 / 32;

void StartLifeTestStage(CommUi &ui, const char *status) {
    ui.Repaint();
    ui.EnableTransfers(false);
    ui.SetStatus(kMainPanel, status);
    ui.SetStatus(kDetailPanel, "");
    ui.ShowGauge(true);
}
} // namespace

bool WriteLifeTest(FrontPanel &panel, bool on) {
    bool ok = ConnectPlain(panel, kCoinIdentifyBytes, RetryCount::Fresh);
    if (ok) {
        StartLifeTestStage(panel.Ui(), texts::kProgramming);
        ok = panel.WriteParameter(kLifeTestParameter, on ? kLifeTestOn : 0);
        if (ok)
            panel.Ui().SetGauge(kLifeTestGauge);
    }
    EndTransfer(panel.Ui(), ok, texts::kLifetestWritten);
    return ok;
}

std::optional<bool> ReadLifeTest(FrontPanel &panel) {
    panel.State().lastAnswer = Answer::None;
    int value = -1;
    if (ConnectPlain(panel, kCoinIdentifyBytes, RetryCount::Continued)) {
        StartLifeTestStage(panel.Ui(), texts::kReading);
        value = panel.ReadParameter(kLifeTestParameter);
        if (value >= 0)
            panel.Ui().SetGauge(kLifeTestGauge);
    }
    EndTransfer(panel.Ui(), value >= 0, texts::kLifetestRead);
    if (value < 0)
        return std::nullopt;
    return value == kLifeTestOn;
}

} // namespace korvanta
