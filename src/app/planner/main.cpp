#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <string>

#include "comm/BoardInfo.h"
#include "config/ConfigStore.h"
#include "platform/Folders.h"
#include "platform/QtSerialPort.h"
#include "platform/SettingsOptionsStore.h"
#include "ui/FileCommands.h"
#include "ui/HelpDocument.h"
#include "ui/OptionsPortDetector.h"
#include "ui/ProgramBox.h"
#include "ui/SingleInstance.h"
#include "ui/TCommForm.h"
#include "ui/TConfigForm.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"
#include "ui/TNetForm.h"
#include "ui/TOptionsForm.h"

using namespace korvanta;

// Start-up of the desktop editor. A second start hands its file to the running copy and ends;
// the first copy creates its windows, which live until the main window closes. The program
// always ends with exit code 0.
namespace {

// The first copy: its windows, then the event loop until the main window closes.
int RunFirstCopy(SingleInstance &instance) {
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    SettingsOptionsStore options;
    // Held here for the configuration dialog object, which lives as long as the program.
    ConfigStore config;
    // One serial port for every dialog that talks to a machine; each opens and closes it.
    QtSerialPort port;
    // The debug window object owns the wash data, so it is made before the window that edits it.
    TDebugForm debug;
    TMainForm window(debug, config, &options);
    TConfigForm configForm(config, debug.Store(), &window);
    window.AttachConfigForm(configForm);
    TOptionsForm optionsForm(window.Options(), options, &window);
    window.AttachOptionsForm(optionsForm);
    optionsForm.SetPortDetector(OptionsPortDetector(port, &optionsForm));
    TNetForm netForm(port, window.Options(), options, window.Folders(), &window);
    window.AttachNetForm(netForm);
    TCommForm commForm(port, window.Options(), options, window.Folders(), config.config, &window);
    commForm.SetDisplayScale(window.DisplayScale());
    window.AttachCommForm(commForm);
    window.AttachBoardInfo(port);

    // Exactly one argument names a wash data file to open once the window is first shown.
    QObject::connect(&window, &TMainForm::FirstShown, &window, [&window, arguments] {
        window.SetCurrentFile({});
        if (arguments.size() == 1)
            window.Files().LoadFile(arguments.front().toStdString());
        window.WriteTitle();
    });
    // A file (or "newfile") handed over by a second start; the window comes to the front.
    QObject::connect(&instance, &SingleInstance::HandOverReceived, &window,
                     [&window](const QString &text) { window.Files().HandOver(text); });
    window.show();
    QApplication::exec();
    return 0;
}

// --help, --version and --help-file are answered before any window or display is needed, and
// before the single-instance hand-over, so they work on a terminal without a desktop. Returns -1
// otherwise.
int AnswerHelpOrVersion(int argc, char *argv[]) {
    bool wanted = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        wanted = wanted || arg == "--help" || arg == "-h" || arg == "--help-all" ||
                 arg == "--version" || arg == "-v" || arg == "--help-file";
    }
    if (!wanted)
        return -1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvanta-planner"));
    QCoreApplication::setApplicationVersion(QString::fromStdString(PlannerVersionText()));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the wash programs (cycles) of commercial washer-extractors, "
                       "estimates their durations\nand sends them to a machine over its "
                       "front-panel serial connector.\n\nA second start hands FILE to the "
                       "running copy and ends."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A wash data file (.kvt) to open."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption helpFile(
        QStringLiteral("help-file"),
        QStringLiteral("Print the path of the instructions document that Help (F1) opens, and "
                       "end (status 1 when it is missing)."));
    parser.addOption(helpFile);
    parser.process(app); // answers --help and --version itself and exits
    const HelpDocument help = FindHelpDocument(QString::fromStdString(FindKnownFolders().data),
                                               QCoreApplication::applicationDirPath());
    if (!help.exists) {
        std::fprintf(stderr, "The help file: %s does not exist!\n", qPrintable(help.path));
        return 1;
    }
    std::printf("%s\n", qPrintable(help.path));
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (const int answered = AnswerHelpOrVersion(argc, argv); answered >= 0)
        return answered;
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KVT"));
    // The name keys the stored options. No display name is set: the desktop would add it to
    // every window title; the message boxes are given the program's name themselves.
    QCoreApplication::setApplicationName(QStringLiteral("KorvantaPlanner"));
    // The desktop entry and icon installed with the program: the desktop (and Wayland) match
    // the windows to the menu entry, and the window shows the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvanta-planner"));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("korvanta-planner")));

    SingleInstance instance;
    if (!instance.BecomeFirstCopy())
        return SingleInstance::HandOverToRunningCopy(QCoreApplication::arguments());
    try {
        return RunFirstCopy(instance);
    } catch (const std::exception &error) {
        // An error that escapes start-up is shown in the standard error box.
        ShowProgramBox(nullptr, QMessageBox::Critical, QString::fromLocal8Bit(error.what()),
                       QMessageBox::Ok);
    }
    return 0;
}
