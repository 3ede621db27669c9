#include "comm/NetworkWrite.h"

#include <algorithm>

#include "comm/FileBytes.h"
#include "comm/FirmwareImage.h"
#include "comm/NetworkTransfer.h"
#include "comm/WashFileHeader.h"

namespace korvanta {

namespace {
bool AnyTicked(const NetworkState &state) {
    return std::any_of(state.machines.begin(), state.machines.end(),
                       [](const NetworkMachine &m) { return m.ticked; });
}

void ShowError(CommUi &ui, const char *text) {
    ui.Ask(text, BoxIcon::Error, BoxButtons::Ok);
}

// What every write does when it ends, sent or not.
void EndWrite(NetworkLine &line, NetworkTransferError error, const char *errorStatus) {
    ShowNetworkProgress(line, 0);
    line.ui.ShowGauge(false);
    line.ui.SetHourglass(false);
    line.ui.SetStatus(kMainPanel,
                      error == NetworkTransferError::None ? texts::kStatusDone : errorStatus);
}

void StartSending(NetworkLine &line, const char *status) {
    line.ui.SetStatus(kMainPanel, status);
    line.ui.Repaint();
    line.ui.SetHourglass(true);
    line.ui.ShowGauge(true);
}

// Pictures the ticked machines whose configuration differs from the file's; true when the
// user wants to go on (or nothing differs).
bool ConfigurationAccepted(NetworkLine &line, int type, int drains) {
    bool differs = false;
    for (NetworkMachine &machine : line.state.machines) {
        if (machine.ticked && (machine.machineType != type || machine.drains != drains)) {
            machine.image = NetworkImage::ConfigDiffers;
            differs = true;
        }
    }
    return !differs || line.ui.Ask(texts::kNetworkConfigDiffers, BoxIcon::Warning,
                                   BoxButtons::YesNo) == Answer::Yes;
}

void TakeWrittenConfiguration(NetworkState &state, int type, int drains) {
    for (NetworkMachine &machine : state.machines) {
        if (!machine.ticked)
            continue;
        machine.machineType = type;
        machine.drains = drains;
        machine.image = NetworkImage::Written;
    }
}
} // namespace

bool WriteNetworkCycles(NetworkLine &line, const std::string &path) {
    if (!AnyTicked(line.state))
        return false;
    const FileBytes file = ReadFileBytes(path, kNetworkFileBytesRead);
    NetworkTransferError error = NetworkTransferError::None;
    if (!file.opened) {
        ShowError(line.ui, texts::kCycleFileUnreadable);
        EndWrite(line, error, texts::kStatusCyclesError);
        return false;
    }
    if (file.bytes.size() < kWashFileSignature.size() ||
        !std::equal(kWashFileSignature.begin(), kWashFileSignature.end(), file.bytes.begin())) {
        error = NetworkTransferError::BadSignature;
        ShowError(line.ui, texts::kCycleFileInvalid);
        EndWrite(line, error, texts::kStatusCyclesError);
        return false;
    }
    const int type = WashFileByte(file.bytes, kWashFileTypeAt);
    const int drains = WashFileByte(file.bytes, kWashFileDrainsAt);
    if (!ConfigurationAccepted(line, type, drains)) {
        EndWrite(line, error, texts::kStatusCyclesError);
        return false;
    }
    StartSending(line, texts::kStatusWritingCycles);
    error = SendNetworkFile(line, file.bytes, file.size, kCyclesPlan);
    EndWrite(line, error, texts::kStatusCyclesError);
    if (error != NetworkTransferError::None)
        return false;
    TakeWrittenConfiguration(line.state, type, drains);
    return true;
}

bool WriteNetworkSoftware(NetworkLine &line, const std::string &path) {
    if (!AnyTicked(line.state))
        return false;
    NetworkTransferError error = NetworkTransferError::None;
    if (path.empty()) {
        EndWrite(line, error, texts::kStatusSoftwareError);
        return false;
    }
    const FileBytes file = ReadFileBytes(path, kNetworkFileBytesRead);
    if (!file.opened) {
        ShowError(line.ui, texts::kSoftwareFileUnreadable);
        EndWrite(line, error, texts::kStatusSoftwareError);
        return false;
    }
    // An empty file holds no program: sending it would leave the machines without one.
    if (file.size == 0 || !VectorCheck(file.bytes)) {
        ShowError(line.ui, texts::kSoftwareFileInvalid);
        EndWrite(line, error, texts::kStatusSoftwareError);
        return false;
    }
    StartSending(line, texts::kStatusWritingSoftware);
    error = SendNetworkFile(line, file.bytes, file.size, kSoftwarePlan);
    EndWrite(line, error, texts::kStatusSoftwareError);
    if (error == NetworkTransferError::None)
        return true;
    ShowError(line.ui, texts::kSoftwareWriteFailed);
    return false;
}

} // namespace korvanta
