#include "comm/SoftwareTransfer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "comm/CommTexts.h"
#include "comm/FileBytes.h"
#include "comm/FirmwareImage.h"
#include "comm/FormatText.h"
#include "comm/FrontPanelCodes.h"
#include "comm/TransferSteps.h"
#include "comm/VerifyReply.h"
#include "comm/VersionReply.h"

namespace korvanta {

namespace {
// Boot software from this version on takes the last block number as three hex digits.
constexpr int kFirstThreeDigitBoot = 104;
// Counted when the machine does not tell its boot version.
constexpr int kAssumedBootVersion = 103;
constexpr int kLargestTwoDigitBlock = 255;

void RefuseFile(CommUi &ui, const char *message) {
    ui.Warn(message);
    ui.SetStatus(kMainPanel, texts::kFileError);
}

std::optional<std::vector<uint8_t>> CheckSoftwareFile(CommUi &ui, const std::string &path) {
    FileBytes file = ReadFileBytes(path, kFirmwareImageBytes);
    if (!file.opened) {
        RefuseFile(ui, texts::kFileNotFound);
        return std::nullopt;
    }
    if (file.size == 0) {
        RefuseFile(ui, texts::kEmptyFile);
        return std::nullopt;
    }
    if (file.size > kMaxFirmwareFileBytes) {
        RefuseFile(ui, texts::kSoftwareTooBig);
        return std::nullopt;
    }
    // Blocks beyond the image would need numbers above 999: such a file cannot be sent whole.
    if (file.size > kFirmwareImageBytes) {
        RefuseFile(ui, texts::kSoftwareExceedsImage);
        return std::nullopt;
    }
    ui.SetStatus(kDetailPanel, FormatText(texts::kFileLengthFormat, static_cast<int>(file.size)));
    if (!VectorCheck(file.bytes)) {
        ui.Warn(texts::kProgramFileError);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool ReadBootVersion(FrontPanel &panel) {
    FrontPanelState &state = panel.State();
    if (!panel.SendCommand("VER", kVersionAttempts, true)) {
        state.bootVersion = kAssumedBootVersion;
        return true;
    }
    if (!VerifyReply(state.reply))
        return false;
    state.bootVersion = VersionNumber(ReadVersionTexts(state.reply).boot);
    return true;
}

bool Erase(FrontPanel &panel, int sector) {
    return panel.SendCommand(FormatText("ERA%d", sector), kEraseAttempts) && panel.WaitTaskDone();
}

std::string LastBlockCommand(int bootVersion, std::size_t fileSize) {
    const int last = static_cast<int>((fileSize - 1) / kBlockBytes);
    if (bootVersion >= kFirstThreeDigitBoot)
        return FormatText("WLB%03X", last);
    return FormatText("WLB%02X", std::min(last, kLargestTwoDigitBlock));
}

bool RunSoftwareWrite(FrontPanel &panel, const std::vector<uint8_t> &file) {
    CommUi &ui = panel.Ui();
    const bool connected = panel.Connect(kIdentifyReplyBytes, RetryCount::Continued, [&] {
        ui.SetStatus(kMainPanel, texts::kEstablishing);
        ui.SetStatus(kDetailPanel, "");
        ui.Repaint();
        return true;
    });
    if (!connected || !panel.SendCommand("ATT", kAttentionAttempts))
        return false;
    ui.SetStatus(kDetailPanel, texts::kConnected);
    ui.Repaint();
    if (!ReadBootVersion(panel))
        return false;
    ui.SetStatus(kMainPanel, texts::kErasing);
    ui.Repaint();
    if (!Erase(panel, 3) || !Erase(panel, 2))
        return false;
    ui.SetStatus(kMainPanel, texts::kProgramming);
    ui.SetStatus(kDetailPanel, "");
    ui.Repaint();
    if (!panel.SendCommand(LastBlockCommand(panel.State().bootVersion, file.size()),
                           kAnnounceAttempts))
        return false;
    const std::vector<uint8_t> image = FirmwareImage(file);
    // The last block carries the marker and the sum: it goes first.
    const int blocks = static_cast<int>((file.size() + kBlockBytes - 1) / kBlockBytes);
    return panel.SendBlocks(image.data() + kImageLastBlockAt, kLastSoftwareBlock, 1) &&
           panel.SendBlocks(image.data(), kFirstSoftwareBlock, blocks);
}
} // namespace

bool WriteSoftware(FrontPanel &panel, const std::string &path) {
    CommUi &ui = panel.Ui();
    ui.SetStatus(kMainPanel, path);
    const std::optional<std::vector<uint8_t>> file = CheckSoftwareFile(ui, path);
    if (!file)
        return false;
    ui.SetHourglass(true);
    ui.Repaint();
    ui.EnableTransfers(false);
    const bool ok = RunSoftwareWrite(panel, *file);
    if (ok)
        panel.SendCommand("STA", kStartAttempts);
    EndTransfer(ui, ok, texts::kFirmwareDownloaded);
    return ok;
}

} // namespace korvanta
