#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "BoxAnswers.h"
#include "files/FileOptionsStore.h"
#include "files/Options.h"
#include "platform/SettingsOptionsStore.h"
#include "ui/TOptionsForm.h"

using namespace korvanta;

class TestOptionsForm : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    int folderCount_ = 0;

    // Every test keeps its settings in a folder of its own, never the user's.
    QString FreshSettingsFolder() {
        const QString folder = root_.filePath(QString::number(++folderCount_));
        QDir().mkpath(folder);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        return folder;
    }
    static void WriteSettingsFile(const QString &folder, const QByteArray &text) {
        QDir().mkpath(folder + "/KVT");
        QFile file(folder + "/KVT/KorvantaPlanner.conf");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    template <typename T> static T *Find(QWidget *form, const char *name) {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("control %s not found", name);
        return child;
    }
    static void Open(TOptionsForm &form) {
        form.SetPortLister([] { return QStringList{"ttyS0", "COM1", "ttyUSB0"}; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

private slots:
    void initTestCase() { QVERIFY(root_.isValid()); }

    void dialogShowsItsGroupsAndSavesOnOpening() {
        FreshSettingsFolder();
        SettingsOptionsStore store;
        QVERIFY(!store.KeyExists());
        ProgramOptions options;
        TOptionsForm form(options, store);
        Open(form);
        QCOMPARE(form.windowTitle(), QStringLiteral("Program options menu"));
        QCOMPARE(form.objectName(), QStringLiteral("TOptionsForm"));
        QCOMPARE(Find<QComboBox>(&form, "cbComport")->currentText(), QStringLiteral("COM1"));
        QVERIFY(!Find<QPushButton>(&form, "btnDetect")->isEnabled());
        QCOMPARE(Find<QPushButton>(&form, "btnDetect")->text(), QStringLiteral("&Auto detect"));
        form.SetPortDetector([](QComboBox *ports) { ports->setCurrentIndex(2); });
        QTest::mouseClick(Find<QPushButton>(&form, "btnDetect"), Qt::LeftButton);
        QCOMPARE(Find<QComboBox>(&form, "cbComport")->currentText(), QStringLiteral("ttyUSB0"));
        QCOMPARE(options.portName, std::string("COM1")); // only OK takes the selection
        QVERIFY(Find<QPushButton>(&form, "sbShowCaption")->isChecked());
        QVERIFY(!Find<QPushButton>(&form, "sbAdvancedMode")->isChecked());
        QVERIFY(Find<QPushButton>(&form, "sbWarnFileChanged")->isChecked());
        QVERIFY(Find<QPushButton>(&form, "sbWarnOverwriteFiles")->isChecked());
        // A fresh account gets all ten values on the first save.
        QVERIFY(store.KeyExists());
        QCOMPARE(QSettings("KVT", "KorvantaPlanner").allKeys().size(), 10);
        QCOMPARE(store.GetString("Com Port").value, std::string("COM1"));
        form.reject();
    }

    void unlistedPortSelectsNothing() {
        FreshSettingsFolder();
        SettingsOptionsStore store;
        ProgramOptions options;
        options.portName = "com1"; // the comparison is case-sensitive
        TOptionsForm form(options, store);
        Open(form);
        QComboBox *ports = Find<QComboBox>(&form, "cbComport");
        QCOMPARE(ports->count(), 3);
        QCOMPARE(ports->currentIndex(), -1);
        QCOMPARE(ports->placeholderText(), QStringLiteral("Select port"));
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnOK"), Qt::LeftButton);
        QCOMPARE(options.portName, std::string("com1"));
    }

    void okTakesTheControls() {
        FreshSettingsFolder();
        SettingsOptionsStore store;
        ProgramOptions options;
        TOptionsForm form(options, store);
        QSignalSpy applied(&form, &TOptionsForm::OptionsApplied);
        Open(form);
        Find<QComboBox>(&form, "cbComport")->setCurrentIndex(2);
        QTest::mouseClick(Find<QPushButton>(&form, "sbAdvancedMode"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(&form, "sbWarnOverwriteFiles"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnOK"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(applied.count(), 1);
        QCOMPARE(options.portName, std::string("ttyUSB0"));
        QVERIFY(options.advancedMode);
        QVERIFY(!options.warnOverwriteFiles);
        const ProgramOptions stored = ReadOptions(store);
        QCOMPARE(stored.portName, std::string("ttyUSB0"));
        QVERIFY(stored.advancedMode);
        QVERIFY(!stored.warnOverwriteFiles);
        QVERIFY(stored.showCaption);
    }

    void cancelGivesBackTheSavedState() {
        FreshSettingsFolder();
        SettingsOptionsStore store;
        ProgramOptions options;
        options.lastWashdataPath = "/data/a.kvt";
        TOptionsForm form(options, store);
        Open(form);
        QTest::mouseClick(Find<QPushButton>(&form, "sbShowCaption"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnCancel"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(options.showCaption);
        QCOMPARE(options.lastWashdataPath, std::string("/data/a.kvt"));
    }

    void unwritableStoreSaysSo() {
        const QString folder = FreshSettingsFolder();
        QFile blocker(folder + "/KVT"); // a file where the settings folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsOptionsStore store;
        ProgramOptions options;
        TOptionsForm form(options, store);
        BoxAnswers boxes{QMessageBox::Ok};
        Open(form);
        QTRY_COMPARE(boxes.Texts(), QStringList{QStringLiteral("Error writing options!")});
        QCOMPARE(boxes.Titles(), QStringList{QStringLiteral("Korvanta Planner")});
        form.reject();
    }

    // Settings files hold numbers as text; only a plain integer counts as one.
    void strictIntegersFromTheSettingsFile() {
        const QString folder = FreshSettingsFolder();
        WriteSettingsFile(folder, "[General]\n"
                                  "a=3.5\n"
                                  "b=\" 42 \"\n"
                                  "c=99999999999\n"
                                  "d=+7\n"
                                  "e=-12\n"
                                  "f=x, y\n"
                                  "Com%20Port=COM4\n");
        const SettingsOptionsStore store;
        const struct {
            const char *name;
            OptionStatus status;
            int value;
        } cases[] = {{"a", OptionStatus::WrongType, 0}, {"b", OptionStatus::WrongType, 0},
                     {"c", OptionStatus::WrongType, 0}, {"d", OptionStatus::Ok, 7},
                     {"e", OptionStatus::Ok, -12},      {"f", OptionStatus::WrongType, 0},
                     {"g", OptionStatus::Missing, 0}};
        for (const auto &c : cases) {
            const IntegerOption read = store.GetInteger(c.name);
            QVERIFY2(read.status == c.status, c.name);
            QCOMPARE(read.value, c.value);
        }
        QCOMPARE(store.GetString("Com Port").value, std::string("COM4"));
        QVERIFY(store.GetString("f").status == OptionStatus::WrongType);
        // "ShowCaption" absent: the switches and paths keep their defaults.
        const ProgramOptions options = ReadOptions(store);
        QCOMPARE(options.portName, std::string("COM4"));
        QVERIFY(options.showCaption);
    }

    // The options file is the settings file of earlier versions: a value written by either
    // side reads back the same on the other, and both write the same bytes.
    void settingsFileWrittenAsBefore() {
        const QString texts[] = {QStringLiteral("COM1"),
                                 QStringLiteral("/home/anna/My Files/W\u00e4sche \u20ac.kvt"),
                                 QStringLiteral("/data/a,b;c=d.kvt"),
                                 QStringLiteral(" spaces around "),
                                 QStringLiteral("@home"),
                                 QStringLiteral("quote\" back\\slash C:\\x"),
                                 QStringLiteral("tab\there\x01"
                                                "1"),
                                 QString(),
                                 QStringLiteral("smile \U0001F600")};
        int n = 0;
        for (const QString &text : texts) {
            const QString byQt = root_.filePath(QString("qt-%1.conf").arg(++n));
            QSettings(byQt, QSettings::IniFormat).setValue("Com Port", text);
            QCOMPARE(QString::fromStdString(
                         FileOptionsStore(byQt.toStdString()).GetString("Com Port").value),
                     text);
            const QString byUs = root_.filePath(QString("us-%1.conf").arg(n));
            QVERIFY(FileOptionsStore(byUs.toStdString()).Write({{"Com Port", text.toStdString()}}));
            QCOMPARE(QSettings(byUs, QSettings::IniFormat).value("Com Port").toString(), text);
            QFile a(byQt), b(byUs);
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(b.readAll(), a.readAll());
        }
        // Older versions wrote characters outside ASCII as escapes.
        const QString folder = FreshSettingsFolder();
        WriteSettingsFile(folder, "[General]\nCom%20Port=W\\xe4sche \\x20ac\n");
        QCOMPARE(SettingsOptionsStore().GetString("Com Port").value,
                 std::string("W\xC3\xA4sche \xE2\x82\xAC"));
    }
};

QTEST_MAIN(TestOptionsForm)
#include "tst_optionsform.moc"
