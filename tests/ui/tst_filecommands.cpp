#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <deque>

#include "BoxAnswers.h"
#include "ui/FileCommands.h"
#include "ui/SingleInstance.h"

using namespace korvanta;

namespace {

class FakeHost : public FileCommandsHost {
public:
    std::string file = "unset";
    int titles = 0;
    int resets = 0;
    int loads = 0;

    const std::string &CurrentFile() const override { return file; }
    void SetCurrentFile(const std::string &path) override { file = path; }
    void WriteTitle() override { ++titles; }
    void ResetData() override { ++resets; }
    void AfterLoad() override { ++loads; }
};

WashData OneCycle(int number) {
    return WashData({WashRecord::MakeCycleStart(number, "Cycle " + std::to_string(number)),
                     WashRecord::MakeStep(RecordType::Drain), WashRecord::MakeCycleEnd(),
                     WashRecord::MakeDataEnd()});
}

QByteArray FileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    KnownFolders folders_;
    FakeHost host_;
    ProgramOptions options_;
    ConfigStore config_;
    WashStore wash_;
    std::unique_ptr<FileCommands> files_;
    std::deque<std::optional<QString>> dialogAnswers_;
    std::vector<FileDialogRequest> requests_;

    QString Washdata() const { return QString::fromStdString(WashdataFolder(folders_)); }
    void Changed() { wash_.data = OneCycle(3); }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        // The instance lock, the hand-over block and its socket follow the temporary folder.
        qputenv("TMPDIR", root_.path().toUtf8());
        folders_.documents = root_.filePath("Documents/").toStdString();
        folders_.data = root_.filePath("Documents/Korvanta Planner/").toStdString();
        folders_.temp = root_.path().toStdString() + "/";
        QVERIFY(QDir().mkpath(Washdata()));
    }

    void init() {
        host_ = FakeHost{};
        options_ = ProgramOptions{};
        config_ = ConfigStore{};
        wash_ = WashStore{};
        dialogAnswers_.clear();
        requests_.clear();
        files_ = std::make_unique<FileCommands>(host_, options_, config_, wash_, folders_, nullptr);
        files_->SetFileDialog([this](QWidget *, const FileDialogRequest &request) {
            requests_.push_back(request);
            std::optional<QString> answer;
            if (!dialogAnswers_.empty()) {
                answer = dialogAnswers_.front();
                dialogAnswers_.pop_front();
            }
            return answer;
        });
    }

    void newAsksAboutUnsavedChanges_data() {
        QTest::addColumn<bool>("dataChanged");
        QTest::addColumn<bool>("configChanged");
        QTest::addColumn<bool>("warn");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("unchanged") << false << false << true << 0 << false << true;
        QTest::newRow("cancel") << true << false << true << int(QMessageBox::Cancel) << true
                                << false;
        QTest::newRow("no") << true << false << true << int(QMessageBox::No) << true << true;
        QTest::newRow("warning off") << true << false << false << 0 << false << true;
        QTest::newRow("configuration only")
            << false << true << true << int(QMessageBox::Cancel) << true << false;
    }
    void newAsksAboutUnsavedChanges() {
        QFETCH(bool, dataChanged);
        QFETCH(bool, configChanged);
        QFETCH(bool, warn);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, cleared);
        if (dataChanged)
            Changed();
        if (configChanged)
            config_.config.units = 1;
        options_.warnFileChanged = warn;
        BoxAnswers boxes{static_cast<QMessageBox::StandardButton>(answer)};
        files_->New();
        QCOMPARE(boxes.Texts().size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(boxes.Texts().front(), QStringLiteral("File changed, save file?"));
        QCOMPARE(wash_.data.IsEmpty(), cleared || !dataChanged);
        QCOMPARE(host_.resets, cleared ? 1 : 0);
        QCOMPARE(host_.file, cleared ? std::string() : std::string("unset"));
        QCOMPARE(wash_.Changed() || config_.Changed(), !cleared);
        QVERIFY(requests_.empty());
    }

    void yesSavesBeforeGoingOn() {
        Changed();
        const QString path = Washdata() + "Week.kvt";
        dialogAnswers_.push_back(path);
        BoxAnswers boxes{QMessageBox::Yes};
        files_->New();
        QCOMPARE(requests_.size(), std::size_t(1));
        QVERIFY(requests_[0].save);
        QCOMPARE(requests_[0].filter, QStringLiteral("Korvanta Data Files (*.kvt)"));
        QCOMPARE(requests_[0].extension, QStringLiteral("kvt"));
        QCOMPARE(QString::fromStdString(requests_[0].start.folder), Washdata());
        QVERIFY(QFile::exists(path));
        QCOMPARE(options_.lastWashdataPath, path.toStdString());
        QVERIFY(wash_.data.IsEmpty()); // New went on after the save
        QCOMPARE(host_.file, std::string());
    }

    void yesWithoutAFileStops() {
        Changed();
        dialogAnswers_.push_back(std::nullopt);
        BoxAnswers boxes{QMessageBox::Yes};
        files_->New();
        QCOMPARE(wash_.data.CycleCount(), 1);
        QCOMPARE(host_.resets, 0);
        QVERIFY(options_.lastWashdataPath.empty());
    }

    void saveKeepsTheReplacedFileAsBackup() {
        const QString path = Washdata() + "A.kvt";
        wash_.data = OneCycle(1);
        dialogAnswers_ = {path, path, path};
        files_->Save();
        QCOMPARE(host_.file, path.toStdString());
        QVERIFY(!wash_.Changed());
        const QByteArray first = FileBytes(path);
        wash_.data = OneCycle(2);
        files_->Save();
        QCOMPARE(FileBytes(Washdata() + "A.bak"), first);
        const QByteArray second = FileBytes(path);
        QVERIFY(second != first);
        options_.warnOverwriteFiles = false;
        files_->Save();
        QCOMPARE(FileBytes(Washdata() + "A.bak"), second);
        QVERIFY(requests_[0].confirmOverwrite);
        QVERIFY(!requests_[2].confirmOverwrite);
        QCOMPARE(QString::fromStdString(requests_[1].start.fileName), QStringLiteral("A.kvt"));
    }

    void failedSaveKeepsTheFileAndItsOlderBackup() {
        const QString path = Washdata() + "C.kvt";
        for (const QString &name : {path, Washdata() + "C.bak"}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name.toUtf8());
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        wash_.data = OneCycle(3);
        dialogAnswers_ = {path};
        BoxAnswers boxes{QMessageBox::Ok};
        files_->Save();
        QCOMPARE(boxes.Texts(), QStringList{"Unable to save " + path});
        QCOMPARE(FileBytes(path), path.toUtf8());
        QCOMPARE(FileBytes(Washdata() + "C.bak"), (Washdata() + "C.bak").toUtf8());
        QVERIFY(QDir(Washdata()).entryList({".saving-*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    void saveStartsBesideTheLoadedFile() {
        // A file opened from elsewhere (a second start, the command line) is saved beside
        // itself while no folder is remembered; a remembered folder still comes first.
        const QString other = root_.filePath("Elsewhere/");
        QVERIFY(QDir().mkpath(other));
        QFile file(other + "C.kvt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        host_.file = (other + "C.kvt").toStdString();
        files_->Save();
        QCOMPARE(QString::fromStdString(requests_.back().start.folder), other);
        QCOMPARE(QString::fromStdString(requests_.back().start.fileName), QStringLiteral("C.kvt"));
        options_.lastWashdataPath = (Washdata() + "D.kvt").toStdString();
        files_->Save();
        QCOMPARE(QString::fromStdString(requests_.back().start.folder), Washdata());
        // A report starts in that folder too, but never offers the wash data file's name.
        std::string report;
        files_->ChooseFile(true, report, "", "txt", "Text Files");
        QCOMPARE(QString::fromStdString(requests_.back().start.folder), other);
        QCOMPARE(QString::fromStdString(requests_.back().start.fileName), QString());
    }

    void loadReadsTheChosenFile() {
        const QString path = Washdata() + "B.kvt";
        wash_.data = OneCycle(7);
        config_.config.machineType = 5;
        dialogAnswers_ = {path};
        files_->Save();
        wash_.data = WashData();
        config_.config.machineType = 18;
        wash_.TakeSnapshot();
        config_.TakeSnapshot();
        host_.file.clear();
        dialogAnswers_ = {path};
        files_->Load();
        QVERIFY(!requests_.back().save);
        QCOMPARE(wash_.data.CycleCount(), 1);
        QCOMPARE(int(config_.config.machineType), 5);
        QCOMPARE(host_.file, path.toStdString());
        QCOMPARE(host_.loads, 1);
        QVERIFY(!wash_.Changed() && !config_.Changed());
    }

    void loadCancelledOnlyRewritesTheTitle() {
        Changed();
        options_.warnFileChanged = false;
        files_->Load();
        QCOMPARE(host_.titles, 1);
        QCOMPARE(host_.file, std::string("unset"));
        QCOMPARE(wash_.data.CycleCount(), 1);
    }

    void loadFailures_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("resets");
        QTest::newRow("signature")
            << QByteArray("NOT-A-WASH-FILE,")
            << QStringLiteral(
                   "Invalid file format:\nSignature failure!\n\nFile could not be loaded!")
            << 1;
        QTest::newRow("missing") << QByteArray() << QStringLiteral("Unable to open ") << 0;
    }
    void loadFailures() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(int, resets);
        const QString path = Washdata() + "Bad.kvt";
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Changed();
        wash_.TakeSnapshot();
        dialogAnswers_ = {path};
        BoxAnswers boxes{QMessageBox::Ok};
        files_->Load();
        QCOMPARE(boxes.Texts().size(), 1);
        QVERIFY(boxes.Texts().front().startsWith(message));
        QCOMPARE(boxes.Titles(), QStringList{QStringLiteral("Korvanta Planner")});
        QCOMPARE(host_.file, std::string());
        QCOMPARE(host_.resets, resets);
        QCOMPARE(wash_.data.IsEmpty(), resets == 1);
        QVERIFY(!wash_.Changed());
    }

    void handOver_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<bool>("fileSet");
        const QString question = QStringLiteral("File changed, save file?");
        QTest::newRow("newfile") << "newfile" << int(QMessageBox::No) << QStringList{question} << 0
                                 << false;
        QTest::newRow("empty") << "" << int(QMessageBox::No)
                               << QStringList{question, QStringLiteral("No file selected")} << 3
                               << false;
        QTest::newRow("file") << "HAND" << int(QMessageBox::No) << QStringList{question} << 1
                              << true;
        QTest::newRow("cancelled")
            << "HAND" << int(QMessageBox::Cancel) << QStringList{question} << 3 << false;
    }
    void handOver() {
        QFETCH(QString, text);
        QFETCH(int, answer);
        QFETCH(QStringList, boxes);
        QFETCH(int, cycles);
        QFETCH(bool, fileSet);
        const QString path = Washdata() + "Hand.kvt";
        wash_.data = OneCycle(9);
        dialogAnswers_ = {path};
        files_->Save();
        // Three unsaved cycles in the running copy.
        wash_.data = WashData({WashRecord::MakeCycleStart(1, "a"), WashRecord::MakeCycleEnd(),
                               WashRecord::MakeCycleStart(2, "b"), WashRecord::MakeCycleEnd(),
                               WashRecord::MakeCycleStart(3, "c"), WashRecord::MakeCycleEnd(),
                               WashRecord::MakeDataEnd()});
        host_.file = "unset";
        BoxAnswers answers{static_cast<QMessageBox::StandardButton>(answer), QMessageBox::Ok};
        files_->HandOver(text == "HAND" ? path : text);
        QCOMPARE(answers.Texts(), boxes);
        QCOMPARE(answers.Titles(), QStringList(boxes.size(), QStringLiteral("Korvanta Planner")));
        QCOMPARE(wash_.data.CycleCount(), cycles);
        QCOMPARE(host_.file == path.toStdString(), fileSet);
    }

    // A hand-over arriving while a dialog is open waits for it to close; of two waiting, the
    // newer one is loaded, once.
    void handOverWaitsForOpenDialogs() {
        const QString older = Washdata() + "Older.kvt";
        const QString newer = Washdata() + "Newer.kvt";
        wash_.data = OneCycle(4);
        dialogAnswers_ = {older, newer};
        files_->Save();
        wash_.data = OneCycle(5);
        files_->Save();
        QDialog dialog;
        dialog.setModal(true);
        dialog.open();
        QVERIFY(QApplication::activeModalWidget());
        const int loads = host_.loads;
        files_->HandOver(older);
        files_->HandOver(newer);
        QTest::qWait(500);
        QCOMPARE(host_.loads, loads);
        dialog.close();
        QTRY_COMPARE_WITH_TIMEOUT(host_.loads, loads + 1, 3000);
        QCOMPARE(host_.file, newer.toStdString());
        QTest::qWait(400);
        QCOMPARE(host_.loads, loads + 1);
    }

    // A newer hand-over while "File changed, save file?" of an older one is open: the question
    // stays the only one, about the data as it is, and only the newer file is loaded (none
    // after Cancel).
    void handOverDuringTheQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("loaded");
        QTest::newRow("no") << int(QMessageBox::No) << 1;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << 0;
    }
    void handOverDuringTheQuestion() {
        QFETCH(int, answer);
        QFETCH(int, loaded);
        const QString older = Washdata() + "Older.kvt";
        const QString newer = Washdata() + "Newer.kvt";
        wash_.data = OneCycle(4);
        dialogAnswers_ = {older, newer};
        files_->Save();
        wash_.data = OneCycle(5);
        files_->Save();
        Changed();
        const std::string before = host_.file;
        const int loads = host_.loads;
        QStringList asked;
        QTimer boxes;
        QObject::connect(&boxes, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            asked << box->text();
            if (asked.size() == 1) {
                files_->HandOver(newer); // arrives while the question is open
                QTest::qWait(300);
            }
            if (QAbstractButton *button = box->button(QMessageBox::StandardButton(answer)))
                button->click();
            else
                box->reject();
        });
        boxes.start(10);
        files_->HandOver(older);
        QTest::qWait(600); // held retries come every 200 ms
        QCOMPARE(asked, QStringList{QStringLiteral("File changed, save file?")});
        QCOMPARE(host_.loads, loads + loaded);
        QCOMPARE(host_.file, loaded ? newer.toStdString() : before);
        QCOMPARE(wash_.data.Records().front().name, std::string(loaded ? "Cycle 5" : "Cycle 3"));
    }

    // The block comes from another process: its text is bounded by the block and by 255 bytes
    // whether or not it holds a terminator.
    void handOverBlockText() {
        char block[kHandOverBlockSize];
        std::memset(block, 'x', sizeof block);
        QCOMPARE(HandOverText(block, kHandOverBlockSize).size(), 255);
        block[3] = 0;
        QCOMPARE(HandOverText(block, kHandOverBlockSize), QStringLiteral("xxx"));
        QCOMPARE(HandOverText(block, 2), QStringLiteral("xx"));
        QCOMPARE(HandOverText(nullptr, kHandOverBlockSize), QString());

        WriteHandOverText(block, kHandOverBlockSize, QString(300, QChar('a')));
        QCOMPARE(int(std::strlen(block)), 255);
        // A character of two bytes that would end past byte 255 is left out whole.
        WriteHandOverText(block, kHandOverBlockSize, QString(254, QChar('a')) + QChar(0xE9));
        QCOMPARE(int(std::strlen(block)), 254);
        WriteHandOverText(block, kHandOverBlockSize, QStringLiteral("/data/Week.kvt"));
        QCOMPARE(HandOverText(block, kHandOverBlockSize), QStringLiteral("/data/Week.kvt"));
    }

    // A second start (here a thread) hands its file over and ends as soon as it was taken.
    void secondStartHandsItsFileOver() {
        SingleInstance first;
        QVERIFY(first.BecomeFirstCopy());
        SingleInstance second;
        QVERIFY(!second.BecomeFirstCopy());
        QSignalSpy received(&first, &SingleInstance::HandOverReceived);
        QElapsedTimer clock;
        clock.start();
        QThread *secondStart = QThread::create([] {
            SingleInstance::HandOverToRunningCopy({"korvanta-planner", "/data/Week.kvt"});
        });
        secondStart->start();
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 5000);
        QCOMPARE(received.front().front().toString(), QStringLiteral("/data/Week.kvt"));
        QTRY_VERIFY_WITH_TIMEOUT(secondStart->isFinished(), 5000);
        QVERIFY(clock.elapsed() < 3000);
        delete secondStart;

        // A relative path is handed over as the full path it names here.
        secondStart = QThread::create([] {
            SingleInstance::HandOverToRunningCopy({"korvanta-planner", "newfile"});
        });
        secondStart->start();
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 2, 5000);
        QCOMPARE(received.back().front().toString(), QDir::current().absoluteFilePath("newfile"));
        QTRY_VERIFY_WITH_TIMEOUT(secondStart->isFinished(), 5000);
        delete secondStart;
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
