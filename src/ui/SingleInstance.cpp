#include "ui/SingleInstance.h"

#include "files/HandOverText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMessageBox>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include "ui/ProgramBox.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace korvanta {

namespace {

constexpr int kConnectAttempts = 5;
constexpr int kConnectWaitMs = 400;
constexpr int kWriteWaitMs = 1000;
constexpr int kMaxNotificationLine = 16; // "1124" and a line end; longer lines are not ours
constexpr const char *kNoFileQuestion = "No file selected, open New file?";

// A login name as it may stand in a file name and a shared memory key.
QString SafeKey(const QString &name) {
    QString key;
    for (const QChar c : name)
        key += c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.' ? c : QChar(u'_');
    return key;
}

QString CurrentUserKey() {
    for (const char *variable : {"USER", "USERNAME", "LOGNAME"})
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return SafeKey(name);
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return QStringLiteral("user");
#endif
}

QByteArray NotificationLine() {
    return QByteArray::number(kHandOverMessage) + '\n';
}

bool ConnectToRunningCopy(QLocalSocket &socket, const InstanceScope &scope) {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(scope.ServerName());
        if (socket.waitForConnected(kConnectWaitMs))
            return true;
        QThread::msleep(kConnectWaitMs / 2);
    }
    return false;
}

bool AskForNewFile() {
    return ShowProgramBox(nullptr, QMessageBox::Warning, QString::fromLatin1(kNoFileQuestion),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// True once the running copy has emptied the block.
bool BlockTaken(QSharedMemory &block) {
    if (!block.lock())
        return false;
    const bool taken = static_cast<const char *>(block.constData())[0] == 0;
    block.unlock();
    return taken;
}

} // namespace

InstanceScope InstanceScope::CurrentUser() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    return {folder, CurrentUserKey()};
}

QString InstanceScope::LockPath() const {
    return QDir(folder).filePath(QString(kInstanceLockName) + "-" + userKey + ".lock");
}

QString InstanceScope::ServerName() const {
#ifdef Q_OS_UNIX
    // A socket in the user's own folder: no other user can find it nor take its name.
    return QDir(folder).filePath(QString(kInstanceLockName) + "-" + userKey);
#else
    return QString(kInstanceLockName) + "-" + userKey;
#endif
}

QString InstanceScope::BlockKey() const {
    return QString(kHandOverBlockName) + "-" + userKey;
}

QString HandOverText(const char *block, int size) {
    const std::string_view bytes = ReadHandOverBytes(block, size > 0 ? std::size_t(size) : 0);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void WriteHandOverText(char *block, int size, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    WriteHandOverBytes(block, size > 0 ? std::size_t(size) : 0,
                       std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

SingleInstance::SingleInstance(const InstanceScope &scope, QObject *parent)
    : QObject(parent), scope_(scope), lock_(scope.LockPath()), block_(scope.BlockKey()) {
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (block_.isAttached())
        block_.detach();
    lock_.unlock();
}

bool SingleInstance::BecomeFirstCopy() {
    if (!lock_.tryLock(0))
        return false;
    CreateBlock();
    Listen();
    return true;
}

void SingleInstance::CreateBlock() {
    if (block_.create(kHandOverBlockSize))
        return;
    if (block_.error() != QSharedMemory::AlreadyExists)
        return;
    // Left by a copy that crashed: take it away and make a fresh one.
    if (block_.attach())
        block_.detach();
    if (!block_.create(kHandOverBlockSize) && block_.attach() && block_.size() < kHandOverBlockSize)
        block_.detach();
}

void SingleInstance::Listen() {
    const QString name = scope_.ServerName();
    QLocalServer::removeServer(name); // a socket left by a crashed copy
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name))
        return;
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { ReadNotifications(socket); });
        }
    });
}

void SingleInstance::ReadNotifications(QLocalSocket *socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxNotificationLine + 1).trimmed();
        if (line == QByteArray::number(kHandOverMessage))
            TakeHandOver();
    }
    if (socket->bytesAvailable() > kMaxNotificationLine)
        socket->abort(); // not a notification of ours
}

void SingleInstance::TakeHandOver() {
    if (!block_.isAttached() || block_.size() < kHandOverBlockSize || !block_.lock())
        return;
    char *data = static_cast<char *>(block_.data());
    const QString text = HandOverText(data, kHandOverBlockSize);
    data[0] = 0; // releases the waiting second start
    block_.unlock();
    QTimer::singleShot(0, this, [this, text] { emit HandOverReceived(text); });
}

int SingleInstance::HandOverToRunningCopy(const QStringList &arguments,
                                          const InstanceScope &scope) {
    QLocalSocket socket;
    if (!ConnectToRunningCopy(socket, scope))
        return 0;
    QString text = arguments.size() > 1 ? arguments.at(1) : QString();
    // The running copy has a working folder of its own: a relative path would name another
    // file there (or, as "newfile", ask for New).
    if (!text.isEmpty())
        text = QFileInfo(text).absoluteFilePath();
    if (text.isEmpty()) {
        if (!AskForNewFile())
            return 0;
        text = QString::fromLatin1(kNewFileHandOver);
    }
    QSharedMemory block(scope.BlockKey());
    if (!block.attach() || block.size() < kHandOverBlockSize || !block.lock())
        return 0;
    WriteHandOverText(static_cast<char *>(block.data()), kHandOverBlockSize, text);
    block.unlock();
    socket.write(NotificationLine());
    socket.waitForBytesWritten(kWriteWaitMs);
    for (int poll = 0; poll < kHandOverPolls; ++poll) {
        QThread::msleep(kHandOverPollMs);
        if (BlockTaken(block))
            break;
    }
    block.detach();
    return 0;
}

} // namespace korvanta
