#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <deque>
#include <variant>

#include "BoxAnswers.h"
#include "files/OptionsStore.h"
#include "files/ProgramOptions.h"
#include "ui/FileCommands.h"
#include "ui/TPricesForm.h"
#include "ui/steps/NumberField.h"
#include "ui/steps/UpDownArrows.h"

using namespace korvanta;

namespace {

// The prices dialog uses only the file dialog routine of the file commands.
class NoMainWindow : public FileCommandsHost {
public:
    const std::string &CurrentFile() const override { return none_; }
    void SetCurrentFile(const std::string &) override {}
    void WriteTitle() override {}
    void ResetData() override {}
    void AfterLoad() override {}

private:
    std::string none_;
};

// Keeps what was written last; refuses when told to.
class RecordingStore : public OptionsStore {
public:
    bool KeyExists() const override { return true; }
    StringOption GetString(const std::string &) const override { return {}; }
    IntegerOption GetInteger(const std::string &) const override { return {}; }
    bool Write(const std::vector<OptionEntry> &entries) override {
        ++writes;
        written = entries;
        return !refuse;
    }
    int writes = 0;
    bool refuse = false;
    std::vector<OptionEntry> written;
};

const QByteArray kDefaultFile = QByteArray("KVT-PRICES100\x16", 14) +
                                QByteArray("\x00\x64", 2).repeated(8) +
                                QByteArray("\x00\x19\x00\x64\x00\x02", 6);
const PriceWords kOtherWords{1, 2, 3, 4, 5, 6, 7, 8, 9999, 0, 1};

QByteArray FileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

} // namespace

class TestPricesForm : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    KnownFolders folders_;
    NoMainWindow host_;
    ProgramOptions options_;
    ConfigStore config_;
    WashStore wash_;
    RecordingStore store_;
    std::unique_ptr<FileCommands> files_;
    std::deque<std::optional<QString>> answers_; // the file dialogs' choices, in order
    std::vector<FileDialogRequest> requests_;

    QString Path(const QString &name) const { return root_.filePath(name); }
    std::optional<QString> Answer(const FileDialogRequest &request) {
        requests_.push_back(request);
        if (answers_.empty())
            return std::nullopt;
        const std::optional<QString> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    static void Click(TPricesForm &form, const char *name) {
        form.findChild<QPushButton *>(name)->click();
    }

private slots:
    void init() {
        QVERIFY(root_.isValid());
        folders_.documents = folders_.data = folders_.temp = root_.path().toStdString() + "/";
        options_ = ProgramOptions{};
        store_ = RecordingStore{};
        files_ = std::make_unique<FileCommands>(host_, options_, config_, wash_, folders_, nullptr);
        files_->SetFileDialog([this](QWidget *, const FileDialogRequest &r) { return Answer(r); });
    }

    void opensWithFreshMachineValues() {
        TPricesForm form(options_, &store_, *files_);
        QCOMPARE(form.objectName(), QString("TPricesForm"));
        QCOMPARE(form.windowTitle(), QString("Prices"));
        const QStringList names{"Price1", "Price2", "Price3", "Price4", "Price5",
                                "Price6", "Price7", "Price8", "Coin1",  "Coin2"};
        for (int i = 0; i < names.size(); ++i) {
            auto *field = form.findChild<NumberField *>("e" + names[i] + "Field");
            QVERIFY2(field && form.findChild<UpDownArrows *>("ud" + names[i]),
                     qPrintable(names[i]));
            QCOMPARE(field->Edit()->objectName(), "e" + names[i]);
            QCOMPARE(field->Edit()->text(), QString(i == 8 ? "25" : "100"));
            QCOMPARE(field->Edit()->maxLength(), 4);
            QCOMPARE(field->Range().max, 9999);
            QCOMPARE(form.findChild<QLabel *>("lbl" + names[i])->text(),
                     (i < 8 ? QString("Cycle %1") : QString("Coin %1")).arg(i % 8 + 1));
        }
        QCOMPARE(form.Words(), DefaultPriceWords());
        QVERIFY(form.findChild<QPushButton *>("sbSecondComma")->isChecked());
        // One decimal point button is always down; clicking it again keeps it down.
        const QStringList points{"sbNoComma", "sbFirstComma", "sbSecondComma", "sbThirdComma"};
        const QStringList texts{"0000", "0.000", "00.00", "000.0"};
        for (int i = 0; i < points.size(); ++i) {
            auto *button = form.findChild<QPushButton *>(points[i]);
            QCOMPARE(button->text(), texts[i]);
            button->click();
            button->click();
            QCOMPARE(int(form.Words()[kDecimalPointWord]), i);
        }
    }

    void saveThenLoadRoundTrip() {
        const QString path = Path("week.kvtprices");
        answers_ = {path, path, path};
        TPricesForm form(options_, &store_, *files_);
        Click(form, "bbSave");
        QCOMPARE(FileBytes(path), kDefaultFile);
        QCOMPARE(requests_.at(0).filter, QString("Prices data (*.kvtprices)"));
        QCOMPARE(options_.lastPriceDir, path.toStdString());
        // A number typed but not yet left is saved; the replaced file is kept as the backup.
        form.SetWords(kOtherWords);
        form.findChild<QLineEdit *>("eCoin2")->setText("4321");
        Click(form, "bbSave");
        QCOMPARE(FileBytes(Path("week.bak")), kDefaultFile);
        QCOMPARE(requests_.at(1).start.fileName, std::string("week.kvtprices"));
        TPricesForm fresh(options_, &store_, *files_);
        Click(fresh, "bbLoad");
        PriceWords expected = kOtherWords;
        expected[kCoin2Word] = 4321;
        QCOMPARE(fresh.Words(), expected);
    }

    void loadFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // "missing": no such file
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("coin1");
        QTest::addColumn<int>("point");
        const QByteArray head = kDefaultFile.left(34);
        const QString refused = "Invalid file format:\n%1\n\nFile could not be loaded!";
        // Refused files leave the shown values (coin 1 9999, point 1) as they were.
        QTest::newRow("point 7") << "a.kvtprices" << head + QByteArray("\x00\x07", 2) << "" << 25
                                 << 3;
        QTest::newRow("other extension") << "c.txt" << kDefaultFile << "" << 25 << 2;
        QTest::newRow("coin over 9999")
            << "d.kvtprices" << kDefaultFile.left(30) + "\x75\x30" + kDefaultFile.mid(32) << ""
            << 9999 << 2;
        QTest::newRow("signature") << "e.kvtprices"
                                   << "KVT-PRICES101" + kDefaultFile.mid(13)
                                   << refused.arg("Signature failure!") << 9999 << 1;
        QTest::newRow("length byte")
            << "f.kvtprices" << kDefaultFile.left(13) + "\x15" + kDefaultFile.mid(14)
            << refused.arg("Configuration corrupted!") << 9999 << 1;
        QTest::newRow("no file") << "h.kvtprices" << QByteArray("missing")
                                 << "Unable to open " + Path("h.kvtprices") << 9999 << 1;
    }

    void loadFile() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFile file(Path(name));
        if (content != "missing") {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            file.close();
            // Prices files handed out read-only load like any other.
            file.setPermissions(QFileDevice::ReadOwner);
        }
        answers_ = {file.fileName()};
        TPricesForm form(options_, &store_, *files_);
        form.SetWords(kOtherWords);
        BoxAnswers boxes{QMessageBox::Ok};
        Click(form, "bbLoad");
        QCOMPARE(boxes.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QTEST(int(form.Words()[kCoin1Word]), "coin1");
        QTEST(int(form.Words()[kDecimalPointWord]), "point");
        QCOMPARE(form.Words()[0], uint16_t(message.isEmpty() ? 100 : 1));
    }

    void saveFailureAndCancelChangeNothing() {
        const QString path = Path("no such folder/x.kvtprices");
        answers_ = {path, std::nullopt, std::nullopt};
        TPricesForm form(options_, &store_, *files_);
        BoxAnswers boxes{QMessageBox::Ok};
        for (const char *button : {"bbSave", "bbSave", "bbLoad"})
            Click(form, button);
        QCOMPARE(boxes.Texts(), QStringList{"Unable to save " + path});
        QCOMPARE(options_.lastPriceDir, path.toStdString());
        QCOMPARE(form.Words(), DefaultPriceWords());
    }

    void closingWritesTheOptions_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("OK") << "bbOK" << false;
        QTest::newRow("Esc in a field") << "ePrice4" << false;
        QTest::newRow("store refuses") << "bbOK" << true;
    }

    void closingWritesTheOptions() {
        QFETCH(QString, how);
        QFETCH(bool, refuse);
        store_.refuse = refuse;
        options_.lastPriceDir = "/somewhere/week.kvtprices";
        TPricesForm form(options_, &store_, *files_);
        BoxAnswers boxes{QMessageBox::Ok};
        if (auto *ok = form.findChild<QPushButton *>(how))
            ok->click();
        else
            QTest::keyClick(form.findChild<QLineEdit *>(how), Qt::Key_Escape);
        QCOMPARE(form.result(), int(how == "bbOK" ? QDialog::Accepted : QDialog::Rejected));
        const auto entry =
            std::find_if(store_.written.begin(), store_.written.end(),
                         [](const OptionEntry &e) { return e.name == "LastPriceDir"; });
        QCOMPARE(std::get<std::string>(entry->value), options_.lastPriceDir);
        QCOMPARE(boxes.Texts(), refuse ? QStringList{"Error writing options!"} : QStringList());
        TPricesForm withoutStore(options_, nullptr, *files_);
        withoutStore.accept();
        QCOMPARE(store_.writes, 1);
    }
};

QTEST_MAIN(TestPricesForm)
#include "tst_pricesform.moc"
