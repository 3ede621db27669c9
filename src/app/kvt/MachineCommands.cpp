#include "MachineCommands.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>

#include "KvtNetwork.h"
#include "KvtOutput.h"
#include "TerminalCommUi.h"
#include "comm/BoardInfo.h"
#include "comm/CycleTransfer.h"
#include "comm/FileBytes.h"
#include "comm/FrontPanel.h"
#include "comm/LifeTestTransfer.h"
#include "comm/PortDetection.h"
#include "comm/PricesTransfer.h"
#include "comm/SoftwareTransfer.h"
#include "comm/WashFileHeader.h"
#include "files/Options.h"
#include "files/ReplaceFile.h"
#include "platform/PortList.h"
#include "platform/QtSerialPort.h"
#include "platform/SettingsOptionsStore.h"

namespace korvanta {

namespace {
int Exit(bool ok) {
    return ok ? kExitOk : kExitFailed;
}

std::string PortName(const KvtCommonOptions &options) {
    if (!options.port.isEmpty())
        return PathBytes(options.port);
    return ReadOptions(SettingsOptionsStore()).portName;
}

// One machine command: the port, the terminal and the front panel over them.
struct Session {
    Session(const KvtCommonOptions &options, const std::string &chosenPath)
        : ui(options.retries, options.yes, chosenPath), panel(port, ui, state),
          portName(PortName(options)) {}

    bool Open() { return panel.OpenPort(portName, true); }

    QtSerialPort port;
    TerminalCommUi ui;
    FrontPanelState state;
    FrontPanel panel;
    std::string portName;
};

// The configured machine type of a wash data file: the one saved in its header.
int FileMachineType(const std::string &path) {
    const FileBytes head = ReadFileBytes(path, kWashFileTypeAt + 1);
    return std::max(0, WashFileByte(head.bytes, kWashFileTypeAt));
}

int WriteCyclesCommand(const QStringList &args, const KvtCommonOptions &options) {
    const std::string path = PathBytes(args[1]);
    Session session(options, "");
    return Exit(session.Open() && WriteCycles(session.panel, path, FileMachineType(path)));
}

// Reads into a file beside OUT and only then replaces OUT with it in one step, so that a
// failed read neither leaves a file behind nor destroys an older OUT.
int ReadCyclesCommand(const QStringList &args, const KvtCommonOptions &options) {
    const QString out = args[1];
    const std::string partial = PathBytes(out + ".part");
    Session session(options, "");
    const bool read = session.Open() && ReadCycles(session.panel, partial);
    const FileBytes received = read ? ReadFileBytes(partial, UINTMAX_MAX) : FileBytes{};
    std::error_code error;
    std::filesystem::remove(partial, error);
    if (!read)
        return kExitFailed;
    if (!received.opened || !ReplaceFile(PathBytes(out), received.bytes)) {
        std::fprintf(stderr, "Unable to save %s\n", qUtf8Printable(out));
        return kExitFailed;
    }
    return kExitOk;
}

int WriteSoftwareCommand(const QStringList &args, const KvtCommonOptions &options) {
    Session session(options, "");
    return Exit(session.Open() && WriteSoftware(session.panel, PathBytes(args[1])));
}

int WritePricesCommand(const QStringList &args, const KvtCommonOptions &options) {
    Session session(options, "");
    return Exit(session.Open() && WritePrices(session.panel, PathBytes(args[1])));
}

int ReadPricesCommand(const QStringList &args, const KvtCommonOptions &options) {
    Session session(options, PathBytes(args[1]));
    return Exit(session.Open() && ReadPrices(session.panel));
}

int WriteLifeTestCommand(const QStringList &args, const KvtCommonOptions &options) {
    if (args[1] != "on" && args[1] != "off")
        return PrintUsage("write-lifetest takes on or off");
    Session session(options, "");
    return Exit(session.Open() && WriteLifeTest(session.panel, args[1] == "on"));
}

int ReadLifeTestCommand(const QStringList &, const KvtCommonOptions &options) {
    Session session(options, "");
    if (!session.Open())
        return kExitFailed;
    const std::optional<bool> on = ReadLifeTest(session.panel);
    if (on)
        PrintLine(*on ? "on" : "off");
    return Exit(on.has_value());
}

int BoardInfoCommand(const QStringList &, const KvtCommonOptions &options) {
    Session session(options, "");
    const BoardInfo info = RequestBoardInfo(session.panel, session.portName);
    if (!info.portOpened)
        return kExitFailed;
    const std::string none = info.cancelled ? "no connection" : "";
    const std::pair<const char *, std::string> lines[] = {
        {"Planner software :", PlannerVersionText()},
        {"Boot software :", info.cancelled ? none : info.texts.boot},
        {"Firmware :", info.cancelled ? none : info.texts.firmware},
        {"Keyboard software :", info.cancelled ? none : info.texts.keyboard},
        {"Hardware version :", info.cancelled ? none : info.texts.hardware},
    };
    for (const auto &[caption, value] : lines)
        PrintLine(std::string(caption) + "\t" + Utf8(value));
    return Exit(!info.cancelled);
}

int PortsCommand(const QStringList &, const KvtCommonOptions &) {
    for (const std::string &name : AvailablePortNames())
        PrintLine(name);
    return kExitOk;
}

int DetectCommand(const QStringList &, const KvtCommonOptions &) {
    QtSerialPort port;
    const Detection detection = DetectMachine(port, AvailablePortNames());
    if (detection.index < 0) {
        std::fprintf(stderr, "%s\n", detection.message.c_str());
        return kExitFailed;
    }
    PrintLine(detection.message);
    return kExitOk;
}

struct Command {
    int arguments; // positional arguments after the command name
    std::function<int(const QStringList &, const KvtCommonOptions &)> run;
};

// A network command with the port it opens.
template <typename Run> auto Network(Run run) {
    return [run](const QStringList &args, const KvtCommonOptions &options) {
        return run(args, options, PortName(options));
    };
}

const std::map<QString, Command> &Commands() {
    static const std::map<QString, Command> commands{
        {"write-cycles", {1, WriteCyclesCommand}},
        {"read-cycles", {1, ReadCyclesCommand}},
        {"write-software", {1, WriteSoftwareCommand}},
        {"write-prices", {1, WritePricesCommand}},
        {"read-prices", {1, ReadPricesCommand}},
        {"write-lifetest", {1, WriteLifeTestCommand}},
        {"read-lifetest", {0, ReadLifeTestCommand}},
        {"board-info", {0, BoardInfoCommand}},
        {"ports", {0, PortsCommand}},
        {"detect", {0, DetectCommand}},
        {"net-scan", {0, Network(NetScanCommand)}},
        {"net-write-cycles", {3, Network(NetWriteCyclesCommand)}},
        {"net-write-software", {3, Network(NetWriteSoftwareCommand)}},
    };
    return commands;
}
} // namespace

int RunMachineCommand(const QStringList &args, const KvtCommonOptions &options) {
    const QString name = args.value(0);
    const auto found = Commands().find(name);
    if (found == Commands().end()) {
        std::fprintf(stderr, "%s: not available\n", qUtf8Printable(name));
        return kExitFailed;
    }
    if (args.size() != found->second.arguments + 1)
        return PrintUsage(name + ": wrong number of arguments");
    return found->second.run(args, options);
}

} // namespace korvanta
