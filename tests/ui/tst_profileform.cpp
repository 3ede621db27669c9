// The cycle profile window beside the main window, and the painter behind it, offscreen.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "BoxAnswers.h"
#include "config/ConfigStore.h"
#include "estimate/Time_calc.h"
#include "files/OptionsStore.h"
#include "model/DurationText.h"
#include "ui/ProfilePainter.h"
#include "ui/TDebugForm.h"
#include "ui/TMainForm.h"
#include "ui/TProfileForm.h"

using namespace korvanta;

namespace {

// Options kept in memory: integers and strings by name, and what was last written.
class MemoryOptionsStore : public OptionsStore {
public:
    std::map<std::string, int> integers;
    std::vector<OptionEntry> written;

    bool KeyExists() const override { return !integers.empty(); }
    StringOption GetString(const std::string &) const override { return {}; }
    IntegerOption GetInteger(const std::string &name) const override {
        const auto found = integers.find(name);
        if (found == integers.end())
            return {};
        return {OptionStatus::Ok, found->second};
    }
    bool Write(const std::vector<OptionEntry> &entries) override {
        written = entries;
        return true;
    }
    int WrittenInteger(const std::string &name) const {
        for (const OptionEntry &entry : written)
            if (entry.name == name)
                return std::get<int>(entry.value);
        return -1;
    }
};

WashRecord Rec(RecordType type, std::initializer_list<int> codes) {
    return WashRecord::WithCodes(type, codes);
}

// A cold fill to Low, a heat to 60 degrees C within 15 minutes and a drain, as cycle 3.
std::vector<WashRecord> FillHeatDrain() {
    return {WashRecord::MakeCycleStart(3, "Whites"),
            Rec(RecordType::Fill, {1, 255, 12, 5, 0}),
            Rec(RecordType::Heat, {120, 0, 15}),
            Rec(RecordType::Drain, {1, 1, 0}),
            WashRecord::MakeCycleEnd(),
            WashRecord::MakeDataEnd()};
}

CycleCourse CourseOf(std::vector<WashRecord> records, const MachineConfig &config) {
    WashData data(std::move(records));
    WarningMarks marks;
    std::string remark;
    CycleCourse course;
    EstimateCycle(data, 0, config, marks, 0, remark, &course);
    return course;
}

// Pixels of the colour that marks a missed target.
int MissedPixels(const QImage &image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 70 && c.blue() < 70)
                ++count;
        }
    return count;
}

} // namespace

class ProfileFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openedFromMenuAndToolbar();
    void followsAnEditedFillLevel();
    void hoverReadsTheStep();
    void missedTargetIsRed();
    void savesPngAndSvg();
    void openStateIsRemembered();

private:
    template <typename T> T *Find(QObject *in, const char *name) {
        T *widget = in->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("missing control %s", name);
        return widget;
    }
    void Load(std::vector<WashRecord> records) {
        window_->Store().data = WashData(std::move(records));
        window_->Store().TakeSnapshot();
        window_->AfterLoad();
    }

    TDebugForm *debug_ = nullptr;
    ConfigStore *config_ = nullptr;
    TMainForm *window_ = nullptr;
};

void ProfileFormTest::init() {
    debug_ = new TDebugForm;
    config_ = new ConfigStore;
    window_ = new TMainForm(*debug_, *config_, nullptr);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    Load(FillHeatDrain());
}

void ProfileFormTest::cleanup() {
    window_->Options().warnFileChanged = false;
    delete window_;
    delete config_;
    delete debug_;
}

void ProfileFormTest::openedFromMenuAndToolbar() {
    TProfileForm &profile = window_->Profile();
    QCOMPARE(profile.objectName(), QStringLiteral("TProfileForm"));
    QVERIFY(!profile.isVisible());
    auto *menu = Find<QAction>(window_, "MenuCycleProfile");
    auto *tool = Find<QAction>(window_, "ToolButtonProfile");
    menu->trigger();
    QVERIFY(profile.isVisible());
    QVERIFY(menu->isChecked());
    QVERIFY(tool->isChecked());
    QCOMPARE(profile.Course().steps.size(), 3u);
    QCOMPARE(profile.Title(), "Cycle 3   Whites   " + DurationText(static_cast<uint32_t>(
                                                          profile.Course().totalSeconds)));
    tool->trigger();
    QVERIFY(!profile.isVisible());
    QVERIFY(!menu->isChecked());
    tool->trigger();
    profile.close(); // its own close button
    QVERIFY(!menu->isChecked());
    QVERIFY(!tool->isChecked());
}

// Changing a Fill's level moves the curve and the durations together.
void ProfileFormTest::followsAnEditedFillLevel() {
    Find<QAction>(window_, "MenuCycleProfile")->trigger();
    const TProfileForm &profile = window_->Profile();
    auto *steps = Find<QTableWidget>(window_, "ListViewCycle");
    const struct {
        const char *button;
        int64_t level;
    } cases[] = {{"sbHigh", 28}, {"sbMed", 20}, {"sbLow", 12}};
    for (const auto &c : cases) {
        Find<QAbstractButton>(window_, c.button)->click();
        const CycleCourse &course = profile.Course();
        QCOMPARE(course.steps.size(), 3u);
        QCOMPARE(course.steps[0].levelEnd, c.level);
        QCOMPARE(course.steps[0].targetLevel, std::optional<int64_t>(c.level));
        for (int row = 0; row < 3; ++row) {
            const CourseStep &s = course.steps[static_cast<std::size_t>(row)];
            QCOMPARE(steps->item(row, 2)->text(),
                     QString::fromStdString(
                         DurationText(static_cast<uint32_t>(s.endSeconds - s.startSeconds))));
        }
    }
}

void ProfileFormTest::hoverReadsTheStep() {
    Find<QAction>(window_, "MenuCycleProfile")->trigger();
    TProfileForm &profile = window_->Profile();
    QVERIFY(QTest::qWaitForWindowExposed(&profile));
    auto *view = Find<QWidget>(&profile, "ProfileView");
    auto *readout = Find<QLabel>(&profile, "lblProfileReadout");
    const CycleCourse &course = profile.Course();
    const QRectF area(view->rect());
    const qreal dpi = view->logicalDpiY();
    // The middle of each step: its description, and a level and temperature in the units.
    const struct {
        std::size_t step;
        const char *text;
    } cases[] = {
        {0, "Step 1: Cold Fill to Low Level"},
        {1, "Step 2: Heat"},
        {2, "Step 3: Drain"},
    };
    for (const auto &c : cases) {
        const CourseStep &s = course.steps[c.step];
        const qreal x =
            ProfileTimeX(area, dpi, course, static_cast<double>(s.startSeconds + s.endSeconds) / 2);
        QMouseEvent move(QEvent::MouseMove, QPointF(x, view->height() / 2.0),
                         view->mapToGlobal(QPointF(x, view->height() / 2.0)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QVERIFY2(readout->text().contains(QString::fromLatin1(c.text)),
                 qPrintable(readout->text()));
        QVERIFY(readout->text().contains(QStringLiteral(" cm")));
    }
}

// A step that misses its target is marked in red; a cycle that reaches every target has no red.
void ProfileFormTest::missedTargetIsRed() {
    const struct {
        const char *what;
        int heatKW;
        bool red;
    } cases[] = {{"heats in time", 9, false}, {"no heat source", 0, true}};
    for (const auto &c : cases) {
        MachineConfig config;
        config.heatKW = static_cast<uint8_t>(c.heatKW);
        const CycleCourse course = CourseOf(FillHeatDrain(), config);
        QImage image(800, 360, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintCycleProfile(painter, QRectF(image.rect()), course, config, "Cycle 3");
        painter.end();
        QCOMPARE(MissedPixels(image) > 50, c.red);
    }
}

void ProfileFormTest::savesPngAndSvg() {
    config_->config.units = 1; // English: inches and degrees F
    window_->ConfigurationChanged();
    Find<QAction>(window_, "MenuCycleProfile")->trigger();
    TProfileForm &profile = window_->Profile();
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("p.png"));
    const QString svg = folder.filePath(QStringLiteral("p.SVG"));
    QVERIFY(profile.SavePicture(png));
    QVERIFY(profile.SavePicture(svg));
    QImage image(png);
    QCOMPARE(image.size(), QSize(1200, 560));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith(QStringLiteral("<?xml")));
    QVERIFY(text.contains(QStringLiteral("Level (inch)")));
    QVERIFY(text.contains(QStringLiteral("Temperature (\u00b0F)")));

    BoxAnswers answers;
    QVERIFY(!profile.SavePicture(folder.filePath(QStringLiteral("missing/p.png"))));
    QCOMPARE(answers.Texts(), QStringList{QStringLiteral("Unable to save ") +
                                          folder.filePath(QStringLiteral("missing/p.png"))});
}

void ProfileFormTest::openStateIsRemembered() {
    const struct {
        int stored;
        bool toggle;
        bool shown;
        int written;
    } cases[] = {
        {0, false, false, 0}, {1, false, true, 1}, {1, true, false, 0}, {0, true, true, 1}};
    for (const auto &c : cases) {
        MemoryOptionsStore store;
        store.integers = {{"ProfileOpen", c.stored}};
        TDebugForm debug;
        ConfigStore config;
        TMainForm window(debug, config, &store);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (c.toggle)
            window.findChild<QAction *>(QStringLiteral("ToolButtonProfile"))->trigger();
        QCOMPARE(window.Profile().isVisible(), c.shown);
        QVERIFY(window.close());
        QCOMPARE(store.WrittenInteger("ProfileOpen"), c.written);
    }
}

QTEST_MAIN(ProfileFormTest)
#include "tst_profileform.moc"
