#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

#include "KvtEstimate.h"
#include "KvtInspect.h"
#include "KvtOutput.h"
#include "KvtProfile.h"
#include "KvtReport.h"
#include "MachineCommands.h"
#include "comm/BoardInfo.h"

using namespace korvanta;

namespace {

const char kSynopsis[] =
    "Inspects, estimates and resaves Korvanta wash data files (.kvt) and talks to machines.\n"
    "\n"
    "  kvt info FILE                 the header and the size\n"
    "  kvt list FILE                 a line per cycle: number, name, duration\n"
    "  kvt steps FILE NUMBER         a line per step of cycle NUMBER\n"
    "  kvt dump FILE [--heading]     the record rows with estimated times\n"
    "  kvt estimate FILE --json      cycles, steps, times and warnings as JSON\n"
    "  kvt resave IN OUT             load IN and save it as OUT\n"
    "  kvt report FILE [--cycles all|N,N..] [--config] -o OUT\n"
    "                                the text report\n"
    "  kvt report FILE [--cycles all|N,N..] [--config] --pdf OUT.pdf [--profiles]\n"
    "                                the printed report as a PDF (A4); --profiles\n"
    "                                adds each cycle's profile on the page after it\n"
    "  kvt profile FILE NUMBER --csv | --json | --svg OUT.svg\n"
    "                                the course of cycle NUMBER through the tub:\n"
    "                                time (s), step, level (cm or inch) and\n"
    "                                temperature (C or F) at each point, or a picture\n"
    "  kvt [--port NAME] write-cycles FILE | read-cycles OUT | write-software BIN\n"
    "      | write-prices FILE | read-prices OUT | write-lifetest on|off | read-lifetest\n"
    "      | board-info\n"
    "  kvt ports | detect\n"
    "  kvt [--port NAME] net-scan | net-write-cycles FILE --to A,B..\n"
    "      | net-write-software BIN --to A,B..\n"
    "\n"
    "Exit status: 0 done, 1 failed (the message on stderr), 2 wrong usage.";

const QStringList kMachineCommands = {
    "write-cycles",   "read-cycles",      "write-software",    "write-prices", "read-prices",
    "write-lifetest", "read-lifetest",    "board-info",        "ports",        "detect",
    "net-scan",       "net-write-cycles", "net-write-software"};

struct Options {
    QCommandLineOption port{"port", "Serial port of the machine (default: the PortName option).",
                            "NAME"};
    QCommandLineOption yes{"yes", "Answer Yes to \"Continue?\" questions."};
    QCommandLineOption retries{"retries", "Answer Retry N times, then Cancel.", "N", "0"};
    QCommandLineOption json{"json", "Print the estimate as JSON."};
    QCommandLineOption cycles{"cycles", "Cycles of the report: all or N,N..", "LIST", "all"};
    QCommandLineOption config{"config", "Add the configuration to the report."};
    QCommandLineOption output{QStringList{"o", "output"}, "File to write.", "OUT"};
    QCommandLineOption to{"to", "Network addresses of the machines.", "A,B.."};
    QCommandLineOption heading{"heading", "Start the dump with the column headings."};
    QCommandLineOption pdf{"pdf", "Write the printed report as a PDF file.", "OUT.pdf"};
    QCommandLineOption csv{"csv", "Print the profile as comma-separated values."};
    QCommandLineOption svg{"svg", "Draw the profile as an SVG picture.", "OUT.svg"};
    QCommandLineOption profiles{"profiles", "Add each cycle's profile to the PDF report."};

    void AddTo(QCommandLineParser &parser) const {
        parser.addOptions({port, yes, retries, json, cycles, config, output, to, heading, pdf, csv,
                           svg, profiles});
    }
};

// Drawing a PDF needs fonts, and so a QGuiApplication. kvt never shows a window: it draws on
// the offscreen platform, so a missing or unreachable display never stops it. Every other
// command runs on a plain QCoreApplication and loads no window system at all.
bool Draws(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const Options options;
    options.AddTo(parser);
    if (!parser.parse(arguments) || parser.positionalArguments().isEmpty())
        return false;
    const QString command = parser.positionalArguments().first();
    return (command == "report" && parser.isSet(options.pdf)) ||
           (command == "profile" && parser.isSet(options.svg));
}

// stderr carries the system's messages only: the window system's notes about the desktop
// (a missing runtime folder and the like) are dropped, its errors still shown.
void QtNotesDropped(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char *argv[]) {
    if (!Draws(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QtNotesDropped);
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool WholeNumber(const QString &text, int &value) {
    static const QRegularExpression digits("^[0-9]{1,9}$");
    if (!digits.match(text).hasMatch())
        return false;
    value = text.toInt();
    return true;
}

// Positional arguments for a command: exactly count after the command's name.
bool Arity(const QStringList &args, int count) {
    return args.size() == count + 1;
}

int RunMachine(const QCommandLineParser &parser, const Options &options, QStringList args) {
    KvtCommonOptions common;
    common.port = parser.value(options.port);
    common.yes = parser.isSet(options.yes);
    if (!WholeNumber(parser.value(options.retries), common.retries))
        return PrintUsage("--retries needs a whole number");
    if (parser.isSet(options.to))
        args << "--to" << parser.value(options.to);
    return RunMachineCommand(args, common);
}

int RunProfileCommand(const QCommandLineParser &parser, const Options &options,
                      const QStringList &args) {
    int number = 0;
    if (!WholeNumber(args[2], number))
        return PrintUsage("profile: NUMBER must be a cycle number");
    const int formats =
        parser.isSet(options.csv) + parser.isSet(options.json) + parser.isSet(options.svg);
    if (formats != 1)
        return PrintUsage("profile: give one of --csv, --json or --svg OUT.svg");
    KvtProfileOptions profile;
    profile.format = parser.isSet(options.csv)    ? ProfileFormat::Csv
                     : parser.isSet(options.json) ? ProfileFormat::Json
                                                  : ProfileFormat::Svg;
    profile.svg = parser.value(options.svg);
    return RunProfile(args[1], number, profile);
}

int RunFileCommand(const QCommandLineParser &parser, const Options &options,
                   const QStringList &args) {
    const QString command = args.first();
    if (command == "info" && Arity(args, 1))
        return RunInfo(args[1]);
    if (command == "list" && Arity(args, 1))
        return RunList(args[1]);
    if (command == "dump" && Arity(args, 1))
        return RunDump(args[1], parser.isSet(options.heading));
    if (command == "resave" && Arity(args, 2))
        return RunResave(args[1], args[2]);
    if (command == "estimate" && Arity(args, 1) && parser.isSet(options.json))
        return RunEstimateJson(args[1]);
    int number = 0;
    if (command == "steps" && Arity(args, 2)) {
        if (!WholeNumber(args[2], number))
            return PrintUsage("steps: NUMBER must be a cycle number");
        return RunSteps(args[1], number);
    }
    if (command == "estimate" && Arity(args, 1))
        return PrintUsage("estimate: only --json output is offered");
    if (command == "profile" && Arity(args, 2))
        return RunProfileCommand(parser, options, args);
    if (command == "report")
        return RunReport(args, {parser.value(options.cycles), parser.isSet(options.config),
                                parser.value(options.output), parser.value(options.pdf),
                                parser.isSet(options.profiles)});
    static const QStringList known = {"info",     "list",  "dump",   "resave",
                                      "estimate", "steps", "profile"};
    if (known.contains(command))
        return PrintUsage("Wrong arguments for " + command);
    return PrintUsage("Unknown command: " + command);
}

} // namespace

int main(int argc, char *argv[]) {
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName("kvt");
    QCoreApplication::setApplicationVersion(QString::fromStdString(PlannerVersionText()));
    QCommandLineParser parser;
    parser.setApplicationDescription(kSynopsis);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options options;
    options.AddTo(parser);
    parser.addPositionalArgument("command", "The command and its arguments, see above.",
                                 "command [arguments]");
    if (!parser.parse(QCoreApplication::arguments()))
        return PrintUsage(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(kExitOk);
    if (parser.isSet(version))
        parser.showVersion();
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return PrintUsage("No command given");
    if (kMachineCommands.contains(args.first()))
        return RunMachine(parser, options, args);
    return RunFileCommand(parser, options, args);
}
