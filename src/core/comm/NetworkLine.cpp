#include "comm/NetworkLine.h"

#include "comm/CommTexts.h"
#include "comm/FormatText.h"
#include "comm/IdentifyReply.h"
#include "comm/LinkSettings.h"
#include "comm/NetworkTransaction.h"

namespace korvanta {

namespace {
constexpr int kLastScannedAddress = 4;
constexpr std::size_t kIdentifyTextBytes = 11;

// The machine's identity from a valid reply to "I": its type at index 3-4 and its drains
// byte, sent with its nibbles swapped, at index 5-6. Digits that are not hex count as an
// unknown type and no drains.
NetworkMachine IdentifiedAt(int address, const ReplyBuffer &reply) {
    NetworkMachine machine;
    machine.address = address;
    const int type = HexByteAt(reply, kNetworkTextAt);
    machine.machineType = type < 0 ? 0xFF : type;
    const int swapped = HexByteAt(reply, kNetworkTextAt + 2);
    machine.drains = swapped < 0 ? 0 : (swapped & 0x0F) << 4 | swapped >> 4;
    return machine;
}
} // namespace

bool OpenNetworkPort(NetworkLine &line, const std::string &portName) {
    if (line.port.Open(portName, NetworkLink))
        return true;
    line.ui.Warn(texts::kComPortError);
    line.ui.Inform(FormatText(texts::kCannotOpenFormat, portName.c_str()));
    return false;
}

int ScanNetwork(NetworkLine &line) {
    NetworkState &state = line.state;
    state.machines.clear();
    // The bar is scaled to the addresses probed, so the scan fills it.
    state.blockTotal = kLastScannedAddress + 1;
    for (int address = 0; address <= kLastScannedAddress; ++address) {
        if (NetworkTransaction(line.port, state.reply, address, "I", kIdentifyTextBytes))
            state.machines.push_back(IdentifiedAt(address, state.reply));
        ShowNetworkProgress(line, address + 1);
    }
    ShowNetworkProgress(line, 0);
    return static_cast<int>(state.machines.size());
}

void ShowNetworkProgress(NetworkLine &line, int counter) {
    line.state.blockCounter = counter;
    line.ui.SetGauge(NetworkProgressWidth(100, counter, line.state.blockTotal));
    line.ui.Repaint();
}

} // namespace korvanta
