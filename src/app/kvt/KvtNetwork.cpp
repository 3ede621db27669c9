#include "KvtNetwork.h"

#include <QRegularExpression>

#include <cstdio>
#include <functional>
#include <optional>
#include <set>

#include "KvtOutput.h"
#include "TerminalCommUi.h"
#include "comm/NetworkLine.h"
#include "comm/NetworkWrite.h"
#include "platform/QtSerialPort.h"

namespace korvanta {

namespace {
constexpr int kLargestAddress = 0xFE; // 0xFF is the broadcast address

// The port, the terminal and the dialog's remembered list over them.
struct NetworkSession {
    explicit NetworkSession(const KvtCommonOptions &options)
        : ui(options.retries, options.yes, "") {}

    QtSerialPort port;
    TerminalCommUi ui;
    NetworkState state;
    NetworkLine line{port, ui, state};
};

// "A,B.." as addresses, or nothing when the list is malformed.
std::optional<std::set<int>> Addresses(const QString &list) {
    static const QRegularExpression number("^[0-9]{1,3}$");
    std::set<int> addresses;
    for (const QString &part : list.split(',')) {
        if (!number.match(part).hasMatch() || part.toInt() > kLargestAddress)
            return std::nullopt;
        addresses.insert(part.toInt());
    }
    return addresses;
}

// Ticks the machines at the addresses; false (after saying which) when one did not answer.
bool TickAddressed(NetworkState &state, const std::set<int> &addresses) {
    for (int address : addresses) {
        bool found = false;
        for (NetworkMachine &machine : state.machines) {
            if (machine.address == address) {
                machine.ticked = true;
                found = true;
            }
        }
        if (!found) {
            std::fprintf(stderr, "No machine answered at address %d\n", address);
            return false;
        }
    }
    return true;
}

using NetworkWrite = std::function<bool(NetworkLine &, const std::string &)>;

int RunWrite(const QStringList &args, const KvtCommonOptions &options, const std::string &portName,
             const NetworkWrite &write) {
    if (args.value(2) != "--to")
        return PrintUsage(args[0] + " needs --to A,B..");
    const std::optional<std::set<int>> addresses = Addresses(args.value(3));
    if (!addresses)
        return PrintUsage("--to needs network addresses such as 0,3");
    NetworkSession session(options);
    if (!OpenNetworkPort(session.line, portName))
        return kExitFailed;
    ScanNetwork(session.line);
    const bool ok =
        TickAddressed(session.state, *addresses) && write(session.line, PathBytes(args[1]));
    session.port.Close();
    return ok ? kExitOk : kExitFailed;
}
} // namespace

int NetScanCommand(const QStringList &, const KvtCommonOptions &options,
                   const std::string &portName) {
    NetworkSession session(options);
    if (!OpenNetworkPort(session.line, portName))
        return kExitFailed;
    ScanNetwork(session.line);
    session.port.Close();
    for (const NetworkMachine &machine : session.state.machines)
        PrintLine(Utf8(NetworkMachineCaption(machine.address) + "\t" +
                       NetworkDesignation(machine.machineType)));
    return kExitOk;
}

int NetWriteCyclesCommand(const QStringList &args, const KvtCommonOptions &options,
                          const std::string &portName) {
    return RunWrite(args, options, portName, WriteNetworkCycles);
}

int NetWriteSoftwareCommand(const QStringList &args, const KvtCommonOptions &options,
                            const std::string &portName) {
    return RunWrite(args, options, portName, WriteNetworkSoftware);
}

} // namespace korvanta
