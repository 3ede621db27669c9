#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QSharedMemory>
#include <QString>
#include <QStringList>

namespace korvanta {

// Names and figures of the hand-over between a second start and the running copy.
inline constexpr char kInstanceLockName[] = "KorvantaPlannerProgram";
inline constexpr char kHandOverBlockName[] = "PassString";
constexpr int kHandOverBlockSize = 256; // one zero-terminated text of at most 255 bytes
constexpr int kHandOverMessage = 1124;  // the notification the second start sends
constexpr int kHandOverPolls = 20;
constexpr int kHandOverPollMs = 500;
inline constexpr char kNewFileHandOver[] = "newfile";

// The text in a hand-over block: up to its first zero byte, never past the block, at most
// 255 bytes (a block written by another process is not trusted to hold a terminator).
QString HandOverText(const char *block, int size);
// Writes a text into a block: cut to 255 bytes (never inside a character) and zero-terminated.
void WriteHandOverText(char *block, int size, const QString &text);

// Where one user's copy keeps its lock and socket, and the key that sets its names apart from
// every other user's: the per-user runtime folder where the system has one (else the
// temporary folder) and the user's login name.
struct InstanceScope {
    QString folder;
    QString userKey;
    // The scope of the user running this program.
    static InstanceScope CurrentUser();
    QString LockPath() const;
    QString ServerName() const;
    QString BlockKey() const;
};

// One running copy per user. The first copy holds the instance lock, owns the hand-over block
// and listens for notifications; a second start hands its file to it and ends.
//
//   QApplication app(argc, argv);
//   korvanta::SingleInstance instance;
//   if (!instance.BecomeFirstCopy())
//       return korvanta::SingleInstance::HandOverToRunningCopy(app.arguments());
//   ... create the windows ...
//   QObject::connect(&instance, &korvanta::SingleInstance::HandOverReceived, ...,
//                    [&](const QString &text) { fileCommands.HandOver(text); });
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const InstanceScope &scope = InstanceScope::CurrentUser(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy (also when a crashed copy left its lock, block or
    // socket behind: those are taken over). Call once, after the application object exists.
    bool BecomeFirstCopy();

    // The second start's part, given the program's arguments (the first is the program):
    // asks "No file selected, open New file?" when no file was named, writes the text into
    // the block, notifies the running copy and waits until it took the text (at most 20 polls
    // of 500 ms). Returns the exit code, always 0.
    static int HandOverToRunningCopy(const QStringList &arguments,
                                     const InstanceScope &scope = InstanceScope::CurrentUser());

signals:
    // A text handed over by a second start: a file path, "newfile", or empty. Emitted from the
    // event loop after the block was emptied, so the waiting second start ends at once.
    void HandOverReceived(const QString &text);

private:
    void CreateBlock();
    void Listen();
    void ReadNotifications(class QLocalSocket *socket);
    void TakeHandOver();

    InstanceScope scope_;
    QLockFile lock_;
    QSharedMemory block_;
    QLocalServer server_;
};

} // namespace korvanta
