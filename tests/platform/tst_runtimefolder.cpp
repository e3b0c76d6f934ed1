#include "TestEnvironment.h"

#include "RuntimeFolder.h"
#include "SingleInstanceLock.h"

#include <QDir>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// Which folder holds the lock and the job files: $XDG_RUNTIME_DIR or the shared
// fallback only when they are the user's own and private; else a folder in the
// user's cache folder, which no other account can make first.
class TestRuntimeFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onlyPrivateFoldersAreUsed_data();
    void onlyPrivateFoldersAreUsed();
    void lockInAHijackedFallbackIsNotTheProgramsLock();

private:
    QString temp() const { return TestEnvironment::instance()->root() + QStringLiteral("/tmp"); }
    QString fallback() const { return temp() + QStringLiteral("/vorenda-%1").arg(::getuid()); }
    static QString cacheFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/vorenda-runtime-") + QSysInfo::machineHostName();
    }
    static mode_t modeOf(const QString& path)
    {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
    }
    QByteArray savedRuntime;
};

void TestRuntimeFolder::init()
{
    savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QDir(temp()).removeRecursively();
    QDir(cacheFolder()).removeRecursively();
    QVERIFY(QDir().mkpath(temp()));
    qputenv("TMPDIR", QFile::encodeName(temp()));
}

void TestRuntimeFolder::cleanup()
{
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qunsetenv("TMPDIR");
}

void TestRuntimeFolder::onlyPrivateFoldersAreUsed_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");
    QTest::newRow("private runtime folder") << "xdg" << "xdg";
    QTest::newRow("runtime folder open to others") << "xdg 0755" << "fallback";
    QTest::newRow("no runtime folder, fallback made") << "none" << "fallback";
    QTest::newRow("fallback already private") << "fallback 0700" << "fallback";
    QTest::newRow("fallback open to all") << "fallback 0777" << "cache";
    QTest::newRow("fallback is a link") << "fallback link" << "cache";
    QTest::newRow("fallback is a file") << "fallback file" << "cache";
    QTest::newRow("fallback of another account") << "fallback other" << "cache";
}

void TestRuntimeFolder::onlyPrivateFoldersAreUsed()
{
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    const QString xdg = TestEnvironment::instance()->runtimeFolder();
    const QByteArray native = QFile::encodeName(fallback());
    if (setup.startsWith(QLatin1String("xdg"))) {
        QVERIFY(::chmod(QFile::encodeName(xdg).constData(), setup == QLatin1String("xdg") ? 0700 : 0755) == 0);
    } else {
        qunsetenv("XDG_RUNTIME_DIR");
    }
    if (setup == QLatin1String("fallback 0700") || setup == QLatin1String("fallback 0777")
        || setup == QLatin1String("fallback other")) {
        QVERIFY(::mkdir(native.constData(), 0700) == 0);
        QVERIFY(::chmod(native.constData(), setup == QLatin1String("fallback 0777") ? 0777 : 0700) == 0);
        if (setup == QLatin1String("fallback other")) {
            if (::geteuid() != 0)
                QSKIP("only root can give a folder to another account");
            QVERIFY(::chown(native.constData(), 65534, 65534) == 0);
        }
    } else if (setup == QLatin1String("fallback link")) {
        const QString target = temp() + QStringLiteral("/elsewhere");
        QVERIFY(::mkdir(QFile::encodeName(target).constData(), 0700) == 0);
        QVERIFY(QFile::link(target, fallback()));
    } else if (setup == QLatin1String("fallback file")) {
        QFile file(fallback());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    const QString folder = runtimeFolder();
    ::chmod(QFile::encodeName(xdg).constData(), 0700);
    const QString wanted = expected == QLatin1String("xdg")        ? xdg
                           : expected == QLatin1String("fallback") ? fallback()
                                                                   : cacheFolder();
    QCOMPARE(folder, wanted + QLatin1Char('/'));
    QCOMPARE(modeOf(wanted), mode_t(0700));
}

void TestRuntimeFolder::lockInAHijackedFallbackIsNotTheProgramsLock()
{
    // Another account made the fallback open to all and holds a lock file in it.
    qunsetenv("XDG_RUNTIME_DIR");
    const QByteArray native = QFile::encodeName(fallback());
    QVERIFY(::mkdir(native.constData(), 0777) == 0);
    QVERIFY(::chmod(native.constData(), 0777) == 0);
    const int foreign = ::open(QFile::encodeName(fallback() + QStringLiteral("/vorenda.mutex")).constData(),
                               O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    QVERIFY(foreign >= 0);
    QCOMPARE(::flock(foreign, LOCK_EX | LOCK_NB), 0);

    SingleInstanceLock lock;
    QCOMPARE(lock.tryLock(QStringLiteral("vorenda.mutex")), SingleInstanceLock::Locked);
    QCOMPARE(lock.path(), cacheFolder() + QStringLiteral("/vorenda.mutex"));
    SingleInstanceLock second;
    QCOMPARE(second.tryLock(QStringLiteral("vorenda.mutex")), SingleInstanceLock::HeldElsewhere);
    ::close(foreign);
}

VORENDA_TEST_MAIN(TestRuntimeFolder)
#include "tst_runtimefolder.moc"
