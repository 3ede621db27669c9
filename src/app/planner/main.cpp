#include <QApplication>
#include <QStringList>

#include "config/ConfigStore.h"
#include "platform/SettingsOptionsStore.h"
#include "ui/FileCommands.h"
#include "ui/SingleInstance.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"

// Start-up of the desktop editor: the windows are created in a fixed order and live until the
// main window closes. The program always ends with exit code 0.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KVT"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvantaPlanner"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    // One running copy per user: a second start hands its file to it and ends.
    korvanta::SingleInstance instance;
    if (!instance.BecomeFirstCopy())
        return korvanta::SingleInstance::HandOverToRunningCopy(QCoreApplication::arguments());

    korvanta::SettingsOptionsStore options;
    // Held here until the configuration dialog object, its owner, takes it over.
    korvanta::ConfigStore config;
    // The debug window object owns the wash data, so it is made before the window that edits it.
    korvanta::TDebugForm debug;
    korvanta::TMainForm window(debug, config, &options);

    // Exactly one argument names a wash data file to open once the window is first shown.
    QObject::connect(&window, &korvanta::TMainForm::FirstShown, &window, [&window, arguments] {
        window.SetCurrentFile({});
        if (arguments.size() == 1)
            window.Files().LoadFile(arguments.front().toStdString());
        window.WriteTitle();
    });
    QObject::connect(&instance, &korvanta::SingleInstance::HandOverReceived, &window,
                     [&window](const QString &text) { window.Files().HandOver(text); });
    window.show();
    QApplication::exec();
    return 0;
}
