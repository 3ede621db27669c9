#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <map>

#include "../core/support/MemoryPort.h"
#include "../core/support/ScriptedPeer.h"
#include "comm/CommTexts.h"
#include "ui/OptionsPortDetector.h"
#include "ui/TCommForm.h"
#include "ui/TOptionsForm.h"
#include "ui/TVersionForm.h"

using namespace korvanta;
using korvanta::testing::MemoryPort;
using korvanta::testing::ScriptedPeer;

namespace {

// Options kept in memory; counts the writes.
class MemoryStore : public OptionsStore {
public:
    bool KeyExists() const override { return true; }
    StringOption GetString(const std::string &) const override { return {}; }
    IntegerOption GetInteger(const std::string &) const override { return {}; }
    bool Write(const std::vector<OptionEntry> &) override {
        ++writes;
        return true;
    }
    int writes = 0;
};

// Answers each modal box with the next of `answers` after calling `look` (which may inspect the
// dialog while the box is up); a box beyond the answers is rejected.
class BoxScript {
public:
    BoxScript(std::vector<QMessageBox::StandardButton> answers, std::function<void()> look = {})
        : answers_(std::move(answers)), look_(std::move(look)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }
    QStringList texts;

private:
    void Answer() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        if (look_)
            look_();
        QAbstractButton *button = next_ < answers_.size() ? box->button(answers_[next_]) : nullptr;
        ++next_;
        if (button)
            button->click();
        else
            box->reject();
    }
    std::vector<QMessageBox::StandardButton> answers_;
    std::size_t next_ = 0;
    std::function<void()> look_;
    QTimer timer_;
};

// A machine that acknowledges everything: type 0, drains 0x01, no version reply, parameter 20
// holding `lifeTest`.
std::vector<uint8_t> Agreeable(const std::string &text, uint16_t lifeTest) {
    if (text == "I")
        return ScriptedPeer::Framed("\x06"
                                    "0010");
    if (text == "ER14")
        return ScriptedPeer::Framed(QString::asprintf("%04X", lifeTest).toStdString());
    if (text == "VER")
        return {};
    return ScriptedPeer::Short(kAck);
}

template <typename T> T *Find(QWidget *form, const char *name) {
    T *child = form->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("control %s not found", name);
    return child;
}

} // namespace

class TestCommForm : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp_;
    ScriptedPeer peer_;
    MemoryPort port_{[this](const uint8_t *d, std::size_t n) { return peer_(d, n); }};
    ProgramOptions options_;
    MemoryStore store_;
    KnownFolders folders_;
    MachineConfig config_;

    void WriteWorkingFile() {
        std::vector<char> bytes(300, 0x11);
        const char signature[] = "KORVANTA-DAT100";
        std::copy(signature, signature + 15, bytes.begin());
        bytes[16] = 0;
        bytes[18] = 0x01;
        bytes[200] = char(254);
        bytes[201] = char(255);
        std::ofstream(SendWorkingFile(folders_), std::ios::binary).write(bytes.data(), 300);
    }

private slots:
    void init() {
        folders_.temp = temp_.path().toStdString() + "/";
        folders_.data = folders_.temp;
        folders_.documents = folders_.temp;
        QFile::remove(QString::fromStdString(SendWorkingFile(folders_)));
        QFile::remove(QString::fromStdString(ReceiveWorkingFile(folders_)));
        peer_ = ScriptedPeer{};
        port_.openedNames.clear();
        port_.refusedNames.clear();
        port_.doubleOpens = 0;
        options_ = ProgramOptions{};
        options_.portName = "COM4";
        config_ = MachineConfig{};
        config_.machineType = 0;
    }

    void namesAndIdleState() {
        options_.debug = false;
        TCommForm form(port_, options_, store_, folders_, config_);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Communication via front connector"));
        for (const char *name :
             {"BitBtnWriteCycles", "BitBtnReadCycles", "BitBtnWriteSoft", "BitBtnWritePrices",
              "BitBtnReadPrices", "BitBtnWriteLifeTest", "BitBtnReadLifeTest", "BitBtnOK"})
            Find<QPushButton>(&form, name);
        QVERIFY(!Find<QPushButton>(&form, "BitBtnWriteCycles")->isEnabled()); // no working file
        QVERIFY(Find<QPushButton>(&form, "BitBtnReadCycles")->isEnabled());
        QVERIFY(!Find<QCheckBox>(&form, "cbEnableLifeTest")->isVisible());
        QCOMPARE(port_.openedNames, std::vector<std::string>{"COM4"});
        form.reject();
        QVERIFY(!port_.IsOpen());
        QVERIFY(store_.writes > 0);

        options_.debug = true;
        WriteWorkingFile();
        TCommForm debug(port_, options_, store_, folders_, config_);
        debug.show();
        QVERIFY(Find<QCheckBox>(&debug, "cbEnableLifeTest")->isVisible());
        QVERIFY(Find<QPushButton>(&debug, "BitBtnWriteCycles")->isEnabled());
        debug.reject();
    }

    void portThatCannotBeOpened() {
        port_.refusedNames = {"COM4"};
        TCommForm form(port_, options_, store_, folders_, config_);
        BoxScript boxes({QMessageBox::Ok});
        form.show();
        QTRY_COMPARE(boxes.texts, QStringList{"Com port error!"});
        QCOMPARE(Find<QLabel>(&form, "StatusPanel0")->text(), QStringLiteral("Cannot open COM4!"));
        QVERIFY(Find<QPushButton>(&form, "BitBtnReadCycles")->isEnabled()); // still usable
        form.reject();
    }

    void questionMidTransferKeepsTheDialogBusy() {
        options_.debug = true;
        TCommForm form(port_, options_, store_, folders_, config_);
        form.show();
        bool okEnabledDuringBox = true;
        bool runningDuringBox = false;
        BoxScript boxes({QMessageBox::Cancel}, [&] {
            okEnabledDuringBox = Find<QPushButton>(&form, "BitBtnOK")->isEnabled();
            runningDuringBox = form.TransferRunning();
        });
        // Silent machine: the identification fails and the question comes up.
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnReadCycles"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList{texts::kFailedToConnect});
        QVERIFY(runningDuringBox);
        QVERIFY(!okEnabledDuringBox);
        QVERIFY(!QFile::exists(QString::fromStdString(ReceiveWorkingFile(folders_))));
        QCOMPARE(port_.openedNames.size(), std::size_t{1});
        QCOMPARE(port_.doubleOpens, 0);
        QCOMPARE(Find<QLabel>(&form, "StatusPanel0")->text(), QStringLiteral("Error!"));
        QVERIFY(Find<QPushButton>(&form, "BitBtnReadCycles")->isEnabled());
        form.reject();
    }

    void readLifeTestSetsTheCheckBox() {
        options_.debug = true;
        peer_.answer = [](const std::string &text) { return Agreeable(text, 0x5A27); };
        TCommForm form(port_, options_, store_, folders_, config_);
        form.show();
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnReadLifeTest"), Qt::LeftButton);
        QVERIFY(Find<QCheckBox>(&form, "cbEnableLifeTest")->isChecked());
        QCOMPARE(Find<QLabel>(&form, "StatusPanel0")->text(), QStringLiteral("Lifetest read"));
        peer_.answer = [](const std::string &text) { return Agreeable(text, 0x0001); };
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnReadLifeTest"), Qt::LeftButton);
        QVERIFY(!Find<QCheckBox>(&form, "cbEnableLifeTest")->isChecked());
        form.reject();
    }

    void writeCyclesClosesTheDialog() {
        WriteWorkingFile();
        peer_.answer = [](const std::string &text) { return Agreeable(text, 0); };
        TCommForm form(port_, options_, store_, folders_, config_);
        form.show();
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnWriteCycles"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QVERIFY(!port_.IsOpen());
        QCOMPARE(peer_.Count("PB1000"), 1);
        QCOMPARE(peer_.Count("PB1001"), 1);
        QCOMPARE(peer_.Count("STA"), 1);
    }

    void writePricesWithNoChoiceDoesNothing() {
        TCommForm form(port_, options_, store_, folders_, config_);
        form.SetFileDialog([](QWidget *, const FileDialogRequest &) { return std::nullopt; });
        form.show();
        const std::size_t sentBefore = port_.sent.size();
        QTest::mouseClick(Find<QPushButton>(&form, "BitBtnWritePrices"), Qt::LeftButton);
        QCOMPARE(port_.sent.size(), sentBefore);
        QCOMPARE(Find<QLabel>(&form, "StatusPanel0")->text(), QString());
        form.reject();
    }

    // Read Prices saved over an existing file: the old file becomes the ".bak" backup only once
    // the new content is in place; a save that fails leaves the file and the older backup as
    // they were, and no temporary file.
    void readPricesKeepsTheBackupOnlyAfterASave_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("saved") << false;
        QTest::newRow("save fails") << true;
    }
    void readPricesKeepsTheBackupOnlyAfterASave() {
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString target = dir.filePath("P.kvtprices");
        const QString backup = dir.filePath("P.bak");
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        const auto read = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        write(target, "old prices");
        write(backup, "older backup");
        if (readOnly)
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        peer_.answer = [](const std::string &text) {
            if (text == "I") // a coin machine
                return ScriptedPeer::Framed("\x06"
                                            "0010C");
            if (text.rfind("ER", 0) == 0)
                return ScriptedPeer::Framed("00" + text.substr(2));
            return ScriptedPeer::Short(kAck);
        };
        TCommForm form(port_, options_, store_, folders_, config_);
        form.SetFileDialog([&](QWidget *, const FileDialogRequest &) { return target; });
        form.show();
        {
            BoxScript boxes({QMessageBox::Ok});
            QTest::mouseClick(Find<QPushButton>(&form, "BitBtnReadPrices"), Qt::LeftButton);
            QCOMPARE(boxes.texts, readOnly ? QStringList{QStringLiteral("Unable to save ") + target}
                                           : QStringList{});
        }
        QCOMPARE(read(backup), readOnly ? QByteArray("older backup") : QByteArray("old prices"));
        QCOMPARE(read(target) == "old prices", readOnly);
        QCOMPARE(read(target).startsWith("KVT-PRICES100"), !readOnly);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        form.reject();
    }

    void boardInfoShowsTheTexts() {
        peer_.answer = [](const std::string &text) {
            if (text != "VER")
                return std::vector<uint8_t>{};
            std::string payload(41, '\0');
            payload[0] = 0x06;
            payload.replace(1, 4, "1.05");
            payload.replace(11, 4, "2.00");
            payload.replace(21, 5, "K1.02");
            payload.replace(31, 10, "HW12345678");
            return ScriptedPeer::Framed(payload);
        };
        TVersionForm form(port_, "COM4");
        form.show();
        QTRY_VERIFY(form.Requested());
        QCOMPARE(Find<QLabel>(&form, "Label6")->text(), QStringLiteral("2.04"));
        QCOMPARE(Find<QLabel>(&form, "Label7")->text(), QStringLiteral("1.05"));
        QCOMPARE(Find<QLabel>(&form, "Label9")->text(), QStringLiteral("K1.02"));
        QCOMPARE(Find<QLabel>(&form, "Label10")->text(), QStringLiteral("HW12345678"));
        QCOMPARE(Find<QLabel>(&form, "StatusPanel0")->text(), QStringLiteral("Done"));
        QVERIFY(!port_.IsOpen());
    }

    void boardInfoWithoutAMachine() {
        TVersionForm form(port_, "COM4");
        BoxScript boxes({QMessageBox::Retry, QMessageBox::Cancel});
        form.show();
        QTRY_COMPARE(Find<QLabel>(&form, "StatusPanel0")->text(), QStringLiteral("Error!"));
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(port_.openedNames.size(), std::size_t{1}); // returning from the box: no reopen
        for (const char *name : {"Label7", "Label8", "Label9", "Label10"})
            QCOMPARE(Find<QLabel>(&form, name)->text(), QStringLiteral("no connection"));
    }

    // Auto detect of the options dialog: ports in list order, a refused one skipped, a silent
    // one passed by, the first answering one selected; none answering leaves the selection.
    void autoDetectSelectsTheFirstAnsweringPort() {
        port_.refusedNames = {"A"};
        std::vector<std::string> answering{"C", "D"};
        peer_.answer = [&](const std::string &text) {
            const std::string &name = port_.openedNames.back();
            if (text != "VER" ||
                std::find(answering.begin(), answering.end(), name) == answering.end())
                return std::vector<uint8_t>{};
            return ScriptedPeer::Framed("\x06" + std::string(40, '1'));
        };
        options_.portName = "B";
        TOptionsForm form(options_, store_);
        form.SetPortLister([] { return QStringList{"A", "B", "C", "D"}; });
        form.SetPortDetector(OptionsPortDetector(port_, &form));
        form.show();
        auto *ports = Find<QComboBox>(&form, "cbComport");
        auto *detect = Find<QPushButton>(&form, "btnDetect");
        QVERIFY(detect->isEnabled());
        {
            BoxScript boxes({QMessageBox::Ok});
            QTest::mouseClick(detect, Qt::LeftButton);
            QCOMPARE(boxes.texts, QStringList{"Machine detected on C"});
        }
        QCOMPARE(ports->currentText(), QStringLiteral("C"));
        QCOMPARE(port_.openedNames, (std::vector<std::string>{"A", "B", "C"}));
        QVERIFY(!port_.IsOpen());
        QCOMPARE(options_.portName, std::string("B")); // only OK takes the choice

        answering.clear();
        port_.openedNames.clear();
        {
            BoxScript boxes({QMessageBox::Ok});
            QTest::mouseClick(detect, Qt::LeftButton);
            QCOMPARE(boxes.texts, QStringList{"No machine found!"});
        }
        QCOMPARE(ports->currentText(), QStringLiteral("C"));
        QCOMPARE(port_.openedNames, (std::vector<std::string>{"A", "B", "C", "D"}));
        form.reject();
    }
};

QTEST_MAIN(TestCommForm)
#include "tst_commform.moc"
