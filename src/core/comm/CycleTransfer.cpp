#include "comm/CycleTransfer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "comm/CommTexts.h"
#include "comm/FileBytes.h"
#include "comm/FormatText.h"
#include "comm/FrontPanelCodes.h"
#include "comm/IdentifyReply.h"
#include "comm/TransferSteps.h"
#include "comm/VerifyReply.h"
#include "comm/VersionReply.h"
#include "comm/WashFileHeader.h"
#include "config/MachineTypeTable.h"
#include "files/ReplaceFile.h"

namespace korvanta {

namespace {
// The machine stores at most 256 blocks of 256 bytes.
constexpr std::uintmax_t kMaxCycleFileBytes = 65536;
// A coin type is only refused on a non-coin keypad by firmware newer than this.
constexpr int kLastFirmwareWithoutCoinCheck = 104;

struct CycleFile {
    std::vector<uint8_t> bytes;
    int machineType = -1; // -1 when the file is too short to hold it
    int drains = -1;
};

std::optional<CycleFile> CheckCycleFile(CommUi &ui, const std::string &path) {
    FileBytes file = ReadFileBytes(path, kMaxCycleFileBytes);
    if (!CheckSignedFile(ui, file, kWashFileSignature, kMaxCycleFileBytes, texts::kCyclesTooBig))
        return std::nullopt;
    CycleFile cycles;
    cycles.machineType = WashFileByte(file.bytes, kWashFileTypeAt);
    cycles.drains = WashFileByte(file.bytes, kWashFileDrainsAt);
    cycles.bytes = std::move(file.bytes);
    return cycles;
}

// Takes keypad kind and firmware version from a fresh version reply (else the last ones stay)
// and refuses a coin machine for a non-coin type and the other way round.
bool CheckMachineKind(FrontPanel &panel, int configuredType) {
    FrontPanelState &state = panel.State();
    if (panel.SendCommand("VER", kVersionAttempts, true)) {
        if (!VerifyReply(state.reply))
            return false;
        const VersionTexts version = ReadVersionTexts(state.reply);
        state.keypadKind = KeypadKindOf(version);
        state.firmwareVersion = VersionNumber(version.firmware);
    }
    const bool coinType = IsCoinMachine(configuredType);
    const char *refusal = nullptr;
    if (state.keypadKind == kCoinKeypad && !coinType)
        refusal = texts::kNotCoinType;
    else if (state.keypadKind != kCoinKeypad && coinType &&
             state.firmwareVersion > kLastFirmwareWithoutCoinCheck)
        refusal = texts::kIsCoinType;
    if (refusal) {
        panel.Ui().Warn(refusal);
        panel.Ui().SetStatus(kMainPanel, texts::kMachineTypeError);
        return false;
    }
    return true;
}

bool ConfigurationAgrees(FrontPanel &panel, const CycleFile &file) {
    const IdentifiedMachine machine = ReadIdentifyReply(panel.Reply());
    if (machine.machineType == file.machineType && machine.drains == file.drains)
        return true;
    panel.State().lastAnswer =
        panel.Ui().Ask(texts::kConfigDiffers, BoxIcon::Warning, BoxButtons::YesNo);
    return panel.State().lastAnswer == Answer::Yes;
}

void SetStatuses(CommUi &ui, const std::string &main, const std::string &detail) {
    ui.SetStatus(kMainPanel, main);
    ui.SetStatus(kDetailPanel, detail);
}

bool SendCycleBlocks(FrontPanel &panel, const std::vector<uint8_t> &bytes) {
    const std::size_t blocks = (bytes.size() + kBlockBytes - 1) / kBlockBytes;
    std::vector<uint8_t> buffer(blocks * kBlockBytes, 0xFF);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return panel.SendBlocks(buffer.data(), 0, static_cast<int>(blocks));
}

bool RunCycleWrite(FrontPanel &panel, const CycleFile &file, int configuredType) {
    CommUi &ui = panel.Ui();
    const bool connected = panel.Connect(kIdentifyReplyBytes, RetryCount::Fresh, [&] {
        ui.SetHourglass(true);
        SetStatuses(ui, texts::kEstablishing, "");
        if (!CheckMachineKind(panel, configuredType))
            return false;
        ui.EnableTransfers(false);
        return true;
    });
    if (!connected || !ConfigurationAgrees(panel, file))
        return false;
    ui.Repaint();
    SetStatuses(ui, texts::kEstablishing, "");
    if (!panel.SendCommand("ATT", kAttentionAttempts))
        return false;
    ui.SetStatus(kDetailPanel, texts::kConnected);
    ui.SetStatus(kMainPanel, texts::kErasing);
    if (!panel.SendCommand("ERA0", kEraseAttempts) || !panel.WaitTaskDone())
        return false;
    SetStatuses(ui, texts::kProgramming, "");
    const int lastBlock = static_cast<int>((file.bytes.size() - 1) / kBlockBytes);
    if (!panel.SendCommand(FormatText("WLB%02X", lastBlock), kAnnounceAttempts))
        return false;
    return SendCycleBlocks(panel, file.bytes);
}

// The block loop of a read: appends each intact block to `out`; false when the user gave up.
bool ReadBlocks(FrontPanel &panel, int count, std::vector<uint8_t> &out) {
    CommUi &ui = panel.Ui();
    std::vector<uint8_t> data(kBlockBytes);
    int rounds = 0;
    for (int block = 0; block < count;) {
        if (rounds == kBlockReadRounds) {
            panel.State().lastAnswer =
                ui.Ask(texts::kNoConnection, BoxIcon::Warning, BoxButtons::RetryCancel);
            ui.SetStatus(kMainPanel, texts::kOptoError);
            if (panel.State().lastAnswer != Answer::Retry) {
                panel.State().lastAnswer = Answer::Cancel;
                ui.SetStatus(kMainPanel, texts::kSendAborted);
                return false;
            }
            rounds = 0;
        }
        ++rounds;
        if (!ExchangeReadBlock(panel.Port(), panel.State().reply, block, data.data()))
            continue;
        rounds = 0;
        ui.SetGauge((block + 1) * 100 / count);
        out.insert(out.end(), data.begin(), data.end());
        ui.Repaint();
        ++block;
    }
    return true;
}

// A complete wash data list ends with a CycleEnd record (254) followed by DataEnd (255).
bool HoldsDataEnd(const std::vector<uint8_t> &bytes) {
    const uint8_t end[] = {254, 255};
    return std::search(bytes.begin(), bytes.end(), std::begin(end), std::end(end)) != bytes.end();
}

void StopWithoutCycles(FrontPanel &panel, const char *message) {
    CommUi &ui = panel.Ui();
    panel.SendCommand("STA", kStartAttempts);
    ui.Warn(message);
    SetStatuses(ui, texts::kError, "");
    ui.SetHourglass(false);
}

bool RunCycleRead(FrontPanel &panel, const std::string &path) {
    CommUi &ui = panel.Ui();
    const bool connected = panel.Connect(kIdentifyReplyBytes, RetryCount::Fresh, [&] {
        SetStatuses(ui, texts::kEstablishing, "");
        return true;
    });
    if (!connected || !panel.SendCommand("ATT", kAttentionAttempts))
        return false;
    ui.SetStatus(kDetailPanel, texts::kConnected);
    if (!panel.SendCommand("NBB", kBlockCountAttempts))
        return false;
    ui.SetStatus(kMainPanel, texts::kReading);
    const int count = panel.Reply().At(2) * 256 + panel.Reply().At(3);
    if (count == 0) {
        StopWithoutCycles(panel, texts::kNoCyclesInMemory);
        return false;
    }
    ui.ShowGauge(true);
    std::vector<uint8_t> received;
    if (!ReadBlocks(panel, count, received))
        return false;
    if (!HoldsDataEnd(received)) {
        StopWithoutCycles(panel, texts::kCyclesCorrupt);
        return false;
    }
    // The whole list is written at once, so that the file never holds a part of it.
    return ReplaceFile(std::filesystem::path(path), received);
}
} // namespace

bool WriteCycles(FrontPanel &panel, const std::string &path, int configuredType) {
    const std::optional<CycleFile> file = CheckCycleFile(panel.Ui(), path);
    if (!file)
        return false;
    const bool ok = RunCycleWrite(panel, *file, configuredType);
    if (ok)
        panel.SendCommand("STA", kStartAttempts);
    EndTransfer(panel.Ui(), ok, texts::kCyclesDownloaded);
    return ok;
}

bool ReadCycles(FrontPanel &panel, const std::string &path) {
    CommUi &ui = panel.Ui();
    panel.State().lastAnswer = Answer::None;
    if (!std::ofstream(path, std::ios::binary | std::ios::trunc)) {
        ui.Warn(texts::kFileNotFound);
        ui.SetStatus(kMainPanel, texts::kFileError);
        return false;
    }
    ui.Repaint();
    ui.SetHourglass(true);
    ui.EnableTransfers(false);
    const bool ok = RunCycleRead(panel, path);
    if (ok)
        panel.SendCommand("STA", kStartAttempts);
    else
        std::remove(path.c_str());
    EndTransfer(ui, ok, texts::kCyclesUploaded);
    return ok;
}

} // namespace korvanta
