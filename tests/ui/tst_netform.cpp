#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>
#include <set>

#include "../core/support/MemoryPort.h"
#include "BoxAnswers.h"
#include "comm/NetworkFrame.h"
#include "config/MachineTypeTable.h"
#include "ui/TNetForm.h"

using namespace korvanta;
using korvanta::testing::MemoryPort;
using Bytes = std::vector<uint8_t>;

namespace {

// Options in memory: "LastBinDir" as given, every write kept.
class NetStore : public OptionsStore {
public:
    bool KeyExists() const override { return true; }
    StringOption GetString(const std::string &name) const override {
        const auto found = values.find(name);
        return found == values.end() ? StringOption{}
                                     : StringOption{OptionStatus::Ok, found->second};
    }
    IntegerOption GetInteger(const std::string &) const override { return {}; }
    bool Write(const std::vector<OptionEntry> &entries) override {
        for (const OptionEntry &e : entries)
            values[e.name] = std::get<std::string>(e.value);
        ++writes;
        return true;
    }
    std::map<std::string, std::string> values;
    int writes = 0;
};

// Machines of type `type` (2 hex digits) at the given addresses that accept every request.
// Frames go out a byte at a time; each is answered when its NUL arrives.
struct NetMachines {
    std::set<int> addresses;
    std::string type = "12";
    std::vector<std::string> requests;
    Bytes pending;

    Bytes operator()(const uint8_t *d, std::size_t n) {
        pending.insert(pending.end(), d, d + n);
        if (pending.empty() || pending.back() != 0 || pending.size() < 7)
            return {};
        const std::string frame(pending.begin(), pending.end());
        pending.clear();
        const int address = std::stoi(frame.substr(1, 2), nullptr, 16);
        const std::string text = frame.substr(3, frame.size() - 7);
        requests.push_back(frame.substr(1, 2) + ":" + text.substr(0, 6));
        if (!addresses.count(address))
            return {};
        Bytes reply = NetworkFrame(address, Answer(text));
        reply.pop_back();
        return reply;
    }
    std::string Answer(const std::string &text) const {
        if (text == "I")
            return type + "12N";
        if (text == "A")
            return "ak";
        if (text.rfind("BL", 0) == 0)
            return "Ok";
        if (text == "GO")
            return "go";
        return "0001";
    }
};

} // namespace

class TestNetForm : public QObject {
    Q_OBJECT

    struct Bench {
        Bench() {
            folders.temp = temp.path().toStdString() + "/";
            options.portName = "COM1";
            port.SetPeer([this](const uint8_t *d, std::size_t n) { return machines(d, n); });
        }
        void WriteWorkingFile(int type) {
            std::string file = "KORVANTA-DAT100";
            file.resize(100, '\x05');
            file[16] = static_cast<char>(type);
            file[18] = 0x21;
            std::ofstream(folders.temp + "Tworking.kvt", std::ios::binary) << file;
        }
        QTreeWidget *List() { return form.findChild<QTreeWidget *>("MachineList"); }
        QPushButton *Button(const char *name) { return form.findChild<QPushButton *>(name); }
        QString Status() { return form.findChild<QLabel *>("StatusPanel0")->text(); }

        QTemporaryDir temp;
        KnownFolders folders;
        ProgramOptions options;
        NetStore store;
        NetMachines machines;
        MemoryPort port;
        TNetForm form{port, options, store, folders};
    };

private slots:
    void showingScansAndListsMachines() {
        Bench b;
        QCOMPARE(b.form.windowTitle(), QStringLiteral("Communication via RS-485 network"));
        QVERIFY(b.form.findChild<QWidget *>("ProgressPanel"));
        b.WriteWorkingFile(18);
        b.form.show(); // nobody answers: no writes, even with the working file there
        QCOMPARE(b.List()->topLevelItemCount(), 0);
        QVERIFY(!b.Button("BtnWriteCycles")->isEnabled());
        QVERIFY(!b.Button("BtnWriteSoft")->isEnabled());
        b.form.reject();
        b.machines.addresses = {0, 3};
        b.form.show();
        QTRY_VERIFY(b.port.IsOpen());
        QCOMPARE(b.List()->topLevelItemCount(), 2);
        QCOMPARE(b.List()->topLevelItem(1)->text(0), QStringLiteral("Machine  3"));
        QCOMPARE(b.List()->topLevelItem(1)->text(1),
                 QString::fromLatin1(MachineTypeAt(18).designation));
        QCOMPARE(b.List()->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QVERIFY(b.Button("BtnWriteCycles")->isEnabled());
        QVERIFY(b.Button("BtnWriteSoft")->isEnabled());
        b.form.reject();
        QVERIFY(!b.port.IsOpen());
    }

    void writeCyclesToTickedMachineThenRescanClearsTicks() {
        Bench b;
        b.machines.addresses = {0, 1};
        b.WriteWorkingFile(18);
        b.form.show();
        b.List()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        QTest::mouseClick(b.Button("BtnWriteCycles"), Qt::LeftButton);
        QCOMPARE(b.Status(), QStringLiteral("Status: Done"));
        QVERIFY(!b.List()->topLevelItem(1)->icon(0).isNull());
        QVERIFY(b.List()->topLevelItem(0)->icon(0).isNull());
        QVERIFY(b.machines.requests.size() > 5);
        QVERIFY(std::count(b.machines.requests.begin(), b.machines.requests.end(), "01:GO") == 1);
        QVERIFY(std::count(b.machines.requests.begin(), b.machines.requests.end(), "00:GO") == 0);
        QCOMPARE(b.port.closes, 0);
        b.form.reject();
        b.form.show();
        QCOMPARE(b.List()->topLevelItem(1)->checkState(0), Qt::Unchecked);
        QVERIFY(b.List()->topLevelItem(1)->icon(0).isNull());
        b.form.reject();
    }

    void differingConfigurationAskedAndAnsweredNo() {
        Bench b;
        b.machines.addresses = {2};
        b.WriteWorkingFile(7);
        b.form.show();
        b.List()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        BoxAnswers boxes({QMessageBox::No});
        QTest::mouseClick(b.Button("BtnWriteCycles"), Qt::LeftButton);
        QCOMPARE(boxes.Texts(),
                 QStringList{"Configuration differs from the one found in one or more machines! "
                             "\nContinue?"});
        QCOMPARE(b.Status(), QStringLiteral("Status: Done"));
        QVERIFY(!b.List()->topLevelItem(0)->icon(0).isNull());
        QVERIFY(b.port.IsOpen()); // the question neither closed nor reopened the port
        QCOMPARE(b.port.doubleOpens, 0);
        b.form.reject();
    }

    void portThatCannotBeOpened() {
        Bench b;
        b.options.portName = "COM9";
        b.port.refusedNames = {"COM9"};
        QStringList titles;
        BoxAnswers boxes;
        QTimer spy;
        QObject::connect(&spy, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                if (!titles.contains(box->windowTitle()))
                    titles << box->windowTitle();
        });
        spy.start(2);
        b.form.show();
        QCOMPARE(boxes.Texts(), (QStringList{"Com port error!", "Cannot open COM9!"}));
        QVERIFY(titles.contains(QStringLiteral("COM ERROR")));
        QVERIFY(!b.Button("BtnWriteSoft")->isEnabled());
        b.form.reject();
    }

    void softwareDialogProposesTheLastFirmwareAndRemembersTheStartFolder() {
        Bench b;
        b.machines.addresses = {0};
        for (const char *name : {"Kvt_105.bin", "KVT_200.BIN", "Kvt_110.bin", "other.bin"})
            std::ofstream(b.folders.temp + name, std::ios::binary) << std::string(300, '\0');
        b.form.show();
        b.List()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        FileDialogRequest seen;
        b.form.SetFileDialog([&](QWidget *, const FileDialogRequest &request) {
            seen = request;
            return std::optional<QString>();
        });
        // No "LastBinDir" yet: the start-up folder is stored and the platform picks the folder.
        QTest::mouseClick(b.Button("BtnWriteSoft"), Qt::LeftButton);
        QCOMPARE(b.store.values["LastBinDir"], QDir::currentPath().toStdString());
        QCOMPARE(b.Status(), QStringLiteral("Status: Done"));
        // A remembered file path: its folder, and the name that sorts last in lower case.
        b.store.values["LastBinDir"] = b.folders.temp + "Kvt_105.bin";
        QTest::mouseClick(b.Button("BtnWriteSoft"), Qt::LeftButton);
        QCOMPARE(seen.start.fileName, std::string("KVT_200.BIN"));
        QCOMPARE(seen.filter, QStringLiteral("Korvanta software (*.bin) (Kvt_*.bin)"));
        QVERIFY(std::none_of(b.machines.requests.begin(), b.machines.requests.end(),
                             [](const std::string &r) { return r == "00:A"; }));
        // A chosen file goes out.
        b.form.SetFileDialog([&](QWidget *, const FileDialogRequest &) {
            return std::optional<QString>(QString::fromStdString(b.folders.temp + "Kvt_110.bin"));
        });
        QTest::mouseClick(b.Button("BtnWriteSoft"), Qt::LeftButton);
        QCOMPARE(b.Status(), QStringLiteral("Status: Done"));
        QVERIFY(std::count(b.machines.requests.begin(), b.machines.requests.end(), "00:GO") == 1);
        b.form.reject();
    }
};

QTEST_MAIN(TestNetForm)
#include "tst_netform.moc"
