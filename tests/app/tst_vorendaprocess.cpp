#include "TestEnvironment.h"

#include <QProcess>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The real program: one instance at a time, and a clean end on SIGTERM.
class TestVorendaProcess : public QObject
{
    Q_OBJECT

private slots:
    void secondStartEndsAtOnce();

private:
    bool lockIsHeld() const;
    QString program() const { return QStringLiteral(VORENDA_BIN_DIR "/vorenda"); }
};

bool TestVorendaProcess::lockIsHeld() const
{
    const QByteArray path = QFile::encodeName(TestEnvironment::instance()->runtimeFolder() + "/vorenda.mutex");
    const int fd = ::open(path.constData(), O_RDWR);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

void TestVorendaProcess::secondStartEndsAtOnce()
{
    QProcess first;
    first.setProcessChannelMode(QProcess::ForwardedChannels);
    first.start(program(), QStringList());
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(), 15000);

    QProcess second;
    QElapsedTimer timer;
    timer.start();
    second.start(program(), QStringList());
    // It must not wait for the first; how fast it ends is measured by the benchmark.
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    qInfo("second instance ended after %lld ms", timer.elapsed());
    QCOMPARE(first.state(), QProcess::Running);

    first.kill(); // SIGKILL: no chance to clean up
    QVERIFY(first.waitForFinished(5000));
    QVERIFY(!lockIsHeld());

    QProcess third;
    third.setProcessChannelMode(QProcess::ForwardedChannels);
    third.start(program(), QStringList());
    QVERIFY(third.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(), 15000);
    QVERIFY(!third.waitForFinished(300));
    third.terminate(); // SIGTERM takes the orderly quit path
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitStatus(), QProcess::NormalExit);
    QCOMPARE(third.exitCode(), 0);

    QProcess fourth;
    fourth.setProcessChannelMode(QProcess::ForwardedChannels);
    fourth.start(program(), QStringList());
    QVERIFY(fourth.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(), 15000);
    ::kill(pid_t(fourth.processId()), SIGHUP); // the session's end
    QVERIFY(fourth.waitForFinished(10000));
    QCOMPARE(fourth.exitStatus(), QProcess::NormalExit);
    QCOMPARE(fourth.exitCode(), 0);
}

VORENDA_TEST_MAIN(TestVorendaProcess)
#include "tst_vorendaprocess.moc"
