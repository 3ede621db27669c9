#include "comm/TransferSteps.h"

#include <algorithm>

#include "comm/CommTexts.h"
#include "comm/FormatText.h"

namespace korvanta {

bool CheckSignedFile(CommUi &ui, const FileBytes &file, std::string_view signature,
                     std::uintmax_t maxBytes, const char *tooBigText) {
    if (!file.opened) {
        ui.Warn(texts::kFileNotFound);
        ui.SetStatus(kMainPanel, texts::kFileError);
        return false;
    }
    if (file.bytes.size() < signature.size() ||
        !std::equal(signature.begin(), signature.end(), file.bytes.begin())) {
        ui.Warn(texts::kFileFormatError);
        return false;
    }
    if (file.size > maxBytes) {
        ui.Warn(tooBigText);
        ui.SetStatus(kMainPanel, texts::kFileError);
        return false;
    }
    ui.SetStatus(kDetailPanel, FormatText(texts::kNrOfBytesFormat, static_cast<int>(file.size)));
    return true;
}

bool ConnectPlain(FrontPanel &panel, std::size_t replyLength, RetryCount count) {
    CommUi &ui = panel.Ui();
    return panel.Connect(replyLength, count, [&] {
        ui.SetHourglass(true);
        ui.SetStatus(kMainPanel, texts::kEstablishing);
        ui.SetStatus(kDetailPanel, "");
        ui.Repaint();
        return true;
    });
}

void EndTransfer(CommUi &ui, bool succeeded, const char *successText) {
    ui.ShowGauge(false);
    ui.SetGauge(0);
    ui.SetStatus(kDetailPanel, "");
    ui.SetHourglass(false);
    ui.SetStatus(kMainPanel, succeeded ? successText : texts::kError);
    ui.EnableTransfers(true);
}

} // namespace korvanta
