#include <QApplication>

#include "config/ConfigStore.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"

// Start-up of the desktop editor: the windows are created in a fixed order and live until the
// main window closes. The program always ends with exit code 0.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KVT"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvantaPlanner"));

    // Held here until the configuration dialog object, its owner, takes it over.
    korvanta::ConfigStore config;
    // The debug window object owns the wash data, so it is made before the window that edits it.
    korvanta::TDebugForm debug;
    korvanta::TMainForm window(debug, config, nullptr);
    window.show();
    QApplication::exec();
    return 0;
}
