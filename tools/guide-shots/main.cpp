// Build tool: the pictures of the instructions, taken from the real windows without a screen.
// It saves a sample wash data file, opens it in the main window as a user would, and grabs the
// main window, the Fill editor, the configuration dialog, the front-panel dialog and the print
// dialog into PNG files named as the guide refers to them.
// usage: korvanta-guide-shots OUT_DIR
// A new picture for the guide: grab it below and add its name to GUIDE_SHOTS in
// packaging/CMakeLists.txt; the guide refers to it by that name (![...](name.png)).
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "GuideSample.h"
#include "IdlePort.h"
#include "config/ConfigStore.h"
#include "files/Opensavewashdata.h"
#include "files/OptionsStore.h"
#include "ui/TCommForm.h"
#include "ui/TConfigForm.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"
#include "ui/TOptionsForm.h"
#include "ui/TPrintForm.h"
#include "ui/TProfileForm.h"

using namespace korvanta;

namespace {

constexpr qreal kScreenDpi = 96;
constexpr qreal kDotsPerMeterPerDpi = 39.37;

// Options that are neither read nor written: the pictures show the defaults.
class NoOptions : public OptionsStore {
public:
    bool KeyExists() const override { return false; }
    StringOption GetString(const std::string &) const override { return {}; }
    IntegerOption GetInteger(const std::string &) const override { return {}; }
    bool Write(const std::vector<OptionEntry> &) override { return true; }
};

// Lets layouts, refreshes and paints that the last calls queued take place.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
}

// Saves the area of the widget (all of it when the area is empty) as a PNG picture.
bool Grab(QWidget *widget, const QDir &out, const char *name, QRect area = {}) {
    if (!widget) {
        std::fprintf(stderr, "no window for %s\n", name);
        return false;
    }
    Settle();
    const QPixmap pixmap = widget->grab(area.isEmpty() ? widget->rect() : area);
    // Opaque, on the window's own background, with a thin frame that sets it off the page.
    const qreal ratio = pixmap.devicePixelRatio();
    QImage image(pixmap.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio); // the painter below works in the widget's units
    image.fill(widget->palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, pixmap);
    painter.setPen(QPen(QColor(0x9A, 0xA0, 0xA6), 2));
    painter.drawRect(QRectF(QPointF(0, 0), QSizeF(pixmap.size()) / ratio).adjusted(1, 1, -1, -1));
    painter.end();
    // The stored resolution says how many of the picture's pixels make an inch of a plain
    // screen, so the guide prints every picture at the same scale.
    const int dotsPerMeter = qRound(kScreenDpi * ratio * kDotsPerMeterPerDpi);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (image.save(out.filePath(QString::fromLatin1(name)), "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(QString::fromLatin1(name))));
    return false;
}

// The controls of a panel inside its window, with a little of the window around them. Only
// what shows counts: an empty label (a remark with nothing to say) takes no room.
QRect AreaAround(const QWidget *panel, const QWidget *window) {
    constexpr int kMargin = 8;
    QRect controls;
    for (const QWidget *child : panel->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(child);
        const bool container = !child->findChildren<QWidget *>().isEmpty();
        if (child->isVisibleTo(panel) && !container &&
            !(label && label->text().trimmed().isEmpty()))
            controls |= QRect(child->mapTo(panel, QPoint(0, 0)), child->size());
    }
    const QRect area(panel->mapTo(window, controls.topLeft()), controls.size());
    return area.adjusted(-kMargin, -kMargin, kMargin, kMargin) & window->rect();
}

// The sample file as a technician would have saved it, with a fixed stamp.
bool SaveSample(const std::string &path) {
    WashData data = GuideSampleData();
    MachineConfig config = GuideSampleConfig();
    const SaveContext context{LocalDateTime{2026, 3, 2, 9, 30},
                              SaverNames{"technician", "WORKSHOP"}};
    return SaveWashData(path, data, config, context).ok;
}

} // namespace

int main(int argc, char *argv[]) {
    // Twice the pixels of a plain screen, so that the pictures stay sharp on paper.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Korvanta Planner"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: korvanta-guide-shots OUT_DIR\n", stderr);
        return 2;
    }
    // A message box would wait for an answer nobody gives: end instead of hanging the build.
    QTimer::singleShot(60000, [] {
        std::fputs("korvanta-guide-shots: a window waited for an answer\n", stderr);
        std::_Exit(1);
    });
    const QDir out(args[1]);
    const std::string sample = out.filePath(QStringLiteral("Week.kvt")).toStdString();
    if (!QDir().mkpath(out.path()) || !SaveSample(sample)) {
        std::fprintf(stderr, "cannot write %s\n", sample.c_str());
        return 1;
    }

    ConfigStore config;
    IdlePort port;
    NoOptions options;
    TDebugForm debug;
    TMainForm window(debug, config, nullptr);
    TConfigForm configForm(config, debug.Store(), &window);
    window.AttachConfigForm(configForm);
    TOptionsForm optionsForm(window.Options(), options, &window);
    window.AttachOptionsForm(optionsForm);
    // The front-panel dialog finds the cycles to send in its own working folder, as after
    // "Talk" (not the user's temporary folder, where a running planner keeps its own).
    KnownFolders talkFolders = window.Folders();
    talkFolders.temp = out.absolutePath().toStdString() + "/";
    if (!SaveSample(SendWorkingFile(talkFolders)))
        return 1;
    TCommForm commForm(port, window.Options(), options, talkFolders, config.config, &window);
    commForm.SetDisplayScale(window.DisplayScale());
    window.AttachCommForm(commForm);
    // The pointer rests outside the window, so no control shows its hover look or hint.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    window.show();
    Settle();
    if (!window.Files().LoadFile(sample))
        return 1;
    window.WriteTitle();
    // The first cycle with its first step, a Fill, in the editor.
    window.RunCommand(window.Session().SelectCycle(1));
    window.RunCommand(window.Session().SelectStep(1));

    bool ok = Grab(&window, out, "main-window.png");
    const QWidget *fill = window.findChild<QWidget *>(QStringLiteral("TFrameFill1"));
    ok = fill && Grab(&window, out, "step-fill.png", AreaAround(fill, &window)) && ok;
    configForm.show();
    ok = Grab(&configForm, out, "configuration.png") && ok;
    configForm.hide();
    commForm.show();
    ok = Grab(&commForm, out, "front-panel.png") && ok;
    commForm.hide();
    TPrintForm print(window.Store(), config.config, window.Options(),
                     TPrintForm::Inputs{sample, 0, {}, {}, {}}, &window);
    print.show();
    ok = Grab(&print, out, "print.png") && ok;
    print.hide();
    TProfileForm &profile = window.Profile();
    profile.resize(760, 420);
    profile.show();
    ok = Grab(&profile, out, "profile.png") && ok;
    profile.hide();
    return ok ? 0 : 1;
}
