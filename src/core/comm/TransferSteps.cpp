#include "comm/TransferEnd.h"

#include "comm/CommTexts.h"

namespace korvanta {

void EndTransfer(CommUi &ui, bool succeeded, const char *successText) {
    ui.ShowGauge(false);
    ui.SetGauge(0);
    ui.SetStatus(kDetailPanel, "");
    ui.SetHourglass(false);
    ui.SetStatus(kMainPanel, succeeded ? successText : texts::kError);
    ui.EnableTransfers(true);
}

} // namespace korvanta
