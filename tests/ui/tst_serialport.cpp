#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "platform/QtSerialPort.h"

using namespace korvanta;

// The computer's serial port against a pseudo-terminal whose other end the test holds.
class TestSerialPort : public QObject {
    Q_OBJECT

private:
    int master_ = -1;
    std::string terminal_;
    QtSerialPort port_;

    void PeerSends(const QByteArray &bytes) {
        QCOMPARE(::write(master_, bytes.constData(), bytes.size()), qint64(bytes.size()));
    }
    QByteArray PeerReceives() {
        QByteArray bytes(512, 0);
        QTest::qWait(20);
        const ssize_t got = ::read(master_, bytes.data(), bytes.size());
        bytes.resize(got > 0 ? int(got) : 0);
        return bytes;
    }
    // Reads count bytes and returns how long it took.
    qint64 TimedRead(std::size_t count, std::size_t &got, QByteArray *into = nullptr) {
        uint8_t buffer[64] = {};
        QElapsedTimer timer;
        timer.start();
        got = port_.Read(buffer, count);
        if (into)
            *into = QByteArray(reinterpret_cast<const char *>(buffer), int(got));
        return timer.elapsed();
    }

private slots:
    void init() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master_ >= 0);
        QVERIFY(grantpt(master_) == 0 && unlockpt(master_) == 0);
        terminal_ = ptsname(master_);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        QVERIFY(port_.Open(terminal_, FrontPanelLink));
    }
    void cleanup() {
        port_.Close();
        ::close(master_);
    }

    void readReturnsWhenTheBytesAreThere() {
        PeerSends(QByteArray("\x02\x06\x30\x03", 4));
        std::size_t got = 0;
        QByteArray bytes;
        const qint64 ms = TimedRead(4, got, &bytes);
        QCOMPARE(got, std::size_t{4});
        QCOMPARE(bytes, QByteArray("\x02\x06\x30\x03", 4));
        QVERIFY2(ms < 100, qPrintable(QString::number(ms)));
    }

    void silentPeerCostsTheTotalTimeout() {
        std::size_t got = 1;
        const qint64 ms = TimedRead(4, got);
        QCOMPARE(got, std::size_t{0});
        QVERIFY2(ms >= 140 && ms < 600, qPrintable(QString::number(ms)));
        port_.SetReadTimeoutConstant(kSlowReplyReadTotalMs);
        const qint64 slow = TimedRead(4, got);
        QVERIFY2(slow >= 480 && slow < 1200, qPrintable(QString::number(slow)));
    }

    void shortReplyEndsAfterTheInterval() {
        PeerSends(QByteArray("\x02\x06", 2));
        std::size_t got = 0;
        const qint64 ms = TimedRead(4, got);
        QCOMPARE(got, std::size_t{2});
        // The interval (50 ms) after the last byte, well before the 150 ms total.
        QVERIFY2(ms >= 40 && ms < 140, qPrintable(QString::number(ms)));
    }

    void replyDiscardsWhatCameBefore() {
        PeerSends(QByteArray("stale", 5));
        QTest::qWait(20);
        ReplyBuffer reply;
        const std::size_t got = port_.ReceiveReply(reply, 4);
        QCOMPARE(got, std::size_t{0});
        QCOMPARE(reply.At(0), uint8_t{0});
    }

    // A peer that answers at once (a pseudo-terminal has no wire time) may beat the read: its
    // reply is kept, while what came before the command is still dropped.
    void replyFasterThanTheReadIsKept() {
        const uint8_t frame[] = {0x02, 0x49, 0xB7, 0x03};
        for (const QByteArray &before : {QByteArray(), QByteArray("stale", 5)}) {
            PeerSends(before);
            QTest::qWait(20);
            QVERIFY(port_.SendBytes(frame, sizeof frame));
            QCOMPARE(PeerReceives(), QByteArray("\x02\x49\xB7\x03", 4));
            PeerSends(QByteArray("\x02\x06\x30\x03", 4));
            QTest::qWait(20);
            ReplyBuffer reply;
            QCOMPARE(port_.ReceiveReply(reply, 4), std::size_t{4});
            QCOMPARE(reply.At(1), uint8_t{0x06});
        }
    }

    // Without a reply read (the network reads plainly), nothing received is dropped.
    void plainReadAfterAWriteGetsEverything() {
        PeerSends(QByteArray("ab", 2));
        QTest::qWait(20);
        const uint8_t byte = ';';
        QVERIFY(port_.SendBytes(&byte, 1));
        PeerSends(QByteArray("cd", 2));
        std::size_t got = 0;
        QByteArray bytes;
        TimedRead(4, got, &bytes);
        QCOMPARE(bytes, QByteArray("abcd", 4));
    }

    void writtenBytesReachThePeer() {
        const uint8_t frame[] = {0x02, 0x49, 0xB7, 0x03};
        QVERIFY(port_.SendBytes(frame, sizeof frame));
        QCOMPARE(PeerReceives(), QByteArray("\x02\x49\xB7\x03", 4));
    }

    void openFailsForMissingOrLockedPorts() {
        QtSerialPort other;
        QVERIFY(!other.Open("/dev/no-such-port-here", FrontPanelLink));
        QVERIFY(!other.Open(terminal_, FrontPanelLink)); // locked by the first
        port_.Close();
        QVERIFY(!port_.IsOpen());
        std::size_t got = 1;
        TimedRead(4, got);
        QCOMPARE(got, std::size_t{0}); // a closed port reads nothing and waits for nothing
        QVERIFY(other.Open(terminal_, FrontPanelLink));
        other.Close();
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
