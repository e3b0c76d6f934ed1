#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QSysInfo>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

// The real program: one instance at a time, and a clean end on SIGTERM.
class TestVorendaProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondStartEndsAtOnce();
    void hijackedFallbackFolderDoesNotStopTheProgram();

private:
    static bool lockIsHeld(const QString& path);
    bool lockIsHeld() const
    {
        return lockIsHeld(TestEnvironment::instance()->runtimeFolder() + QStringLiteral("/vorenda.mutex"));
    }
    QString program() const { return QStringLiteral(VORENDA_BIN_DIR "/vorenda"); }
    // How long a start or an end may take on a busy machine, with the sanitizers' work
    // at exit; how fast they are is measured by the benchmarks.
    static constexpr int patience = 60000;
};

void TestVorendaProcess::initTestCase()
{
    // A store folder of the test's own and an update server on a closed local port: the
    // programs started here never reach out to the network.
    QVERIFY(RunningVorenda().configure());
}

bool TestVorendaProcess::lockIsHeld(const QString& lockPath)
{
    const QByteArray path = QFile::encodeName(lockPath);
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
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(), patience);

    QProcess second;
    QElapsedTimer timer;
    timer.start();
    second.start(program(), QStringList());
    // It must not wait for the first; how fast it ends is measured by the benchmark.
    QVERIFY(second.waitForFinished(patience));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    qInfo("second instance ended after %lld ms", timer.elapsed());
    QCOMPARE(first.state(), QProcess::Running);

    first.kill(); // SIGKILL: no chance to clean up
    QVERIFY(first.waitForFinished(patience));
    QVERIFY(!lockIsHeld());

    QProcess third;
    third.setProcessChannelMode(QProcess::ForwardedChannels);
    third.start(program(), QStringList());
    QVERIFY(third.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(), patience);
    QVERIFY(!third.waitForFinished(300));
    third.terminate(); // SIGTERM takes the orderly quit path
    QVERIFY(third.waitForFinished(patience));
    QCOMPARE(third.exitStatus(), QProcess::NormalExit);
    QCOMPARE(third.exitCode(), 0);

    QProcess fourth;
    fourth.setProcessChannelMode(QProcess::ForwardedChannels);
    fourth.start(program(), QStringList());
    QVERIFY(fourth.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(), patience);
    ::kill(pid_t(fourth.processId()), SIGHUP); // the session's end
    QVERIFY(fourth.waitForFinished(patience));
    QCOMPARE(fourth.exitStatus(), QProcess::NormalExit);
    QCOMPARE(fourth.exitCode(), 0);
}

void TestVorendaProcess::hijackedFallbackFolderDoesNotStopTheProgram()
{
    // No runtime folder; another account made the shared fallback, open to all, and
    // holds a lock file of the program's name in it.
    const QString temp = TestEnvironment::instance()->root() + QStringLiteral("/tmp");
    const QString fallback = temp + QStringLiteral("/vorenda-%1").arg(::getuid());
    QVERIFY(QDir().mkpath(fallback));
    QVERIFY(::chmod(QFile::encodeName(fallback).constData(), 0777) == 0);
    if (::geteuid() == 0)
        QVERIFY(::chown(QFile::encodeName(fallback).constData(), 65534, 65534) == 0);
    const int foreign =
        ::open(QFile::encodeName(fallback + QStringLiteral("/vorenda.mutex")).constData(), O_RDWR | O_CREAT, 0666);
    QVERIFY(foreign >= 0);
    QCOMPARE(::flock(foreign, LOCK_EX | LOCK_NB), 0);

    QProcess vorenda;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("TMPDIR"), temp);
    vorenda.setProcessEnvironment(environment);
    vorenda.setProcessChannelMode(QProcess::ForwardedChannels);
    vorenda.start(program(), QStringList());
    QVERIFY(vorenda.waitForStarted());
    // Its own lock lies in the user's cache folder, where no other account reaches.
    const QString own = qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/vorenda-runtime-")
        + QSysInfo::machineHostName() + QStringLiteral("/vorenda.mutex");
    QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(own), patience);
    QCOMPARE(vorenda.state(), QProcess::Running);
    vorenda.terminate();
    QVERIFY(vorenda.waitForFinished(patience));
    QCOMPARE(vorenda.exitCode(), 0);
    ::close(foreign);
}

VORENDA_TEST_MAIN(TestVorendaProcess)
#include "tst_vorendaprocess.moc"
