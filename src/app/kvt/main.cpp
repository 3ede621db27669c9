#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#include "MachineCommands.h"

using namespace korvanta;

namespace {

constexpr int kExitUsage = 2;

const QStringList kMachineCommands = {
    "write-cycles",   "read-cycles",      "write-software",    "write-prices", "read-prices",
    "write-lifetest", "read-lifetest",    "board-info",        "ports",        "detect",
    "net-scan",       "net-write-cycles", "net-write-software"};

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kvt");
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("command", "The command to run.");
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return kExitUsage;
    if (kMachineCommands.contains(args.first()))
        return RunMachineCommand(args, KvtCommonOptions{});
    std::fprintf(stderr, "%s: not available\n", qUtf8Printable(args.first()));
    return 1;
}
