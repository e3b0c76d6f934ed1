#include "TestEnvironment.h"

#include "FileManagerReveal.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QThread>

// A stand-in for the desktop's file manager on a private bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;
    QMutex mutex;

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        Q_UNUSED(startupId)
        QMutexLocker locker(&mutex);
        shown += uris;
    }
};

class TestFileManagerReveal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void showsItemOverDBus();
    void fallsBackToParentFolder();

private:
    QProcess daemon;
    QString address;
    QString stubRecord;
};

void TestFileManagerReveal::initTestCase()
{
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                 QStringLiteral("--print-address=1")});
    QVERIFY2(daemon.waitForStarted(5000), "dbus-daemon is needed for this test");
    QVERIFY(daemon.waitForReadyRead(5000));
    address = QString::fromUtf8(daemon.readLine()).trimmed();
    QVERIFY(!address.isEmpty());

    stubRecord = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
    const QString stub = TestEnvironment::instance()->installStub(
        QStringLiteral("xdg-open"), "printf '%s\\n' \"$@\" >> \"" + QFile::encodeName(stubRecord) + "\"\n");
    QVERIFY(QFileInfo(stub).isExecutable());
}

void TestFileManagerReveal::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    daemon.kill();
    daemon.waitForFinished();
}

void TestFileManagerReveal::showsItemOverDBus()
{
    // The service answers from its own thread, as another process would.
    QThread serviceThread;
    FakeFileManager fileManager;
    fileManager.moveToThread(&serviceThread);
    serviceThread.start();
    QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("service"));
    QVERIFY(service.isConnected());
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));

    QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("client"));
    const QString path = TestEnvironment::instance()->root() + QStringLiteral("/a b#1.txt");
    QVERIFY(FileManagerReveal::showItem(path, client));
    {
        QMutexLocker locker(&fileManager.mutex);
        QCOMPARE(fileManager.shown, QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)});
    }
    // No service of that name: the call fails.
    QVERIFY(!FileManagerReveal::showItem(path, client, QStringLiteral("org.example.Nobody")));

    service.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
    serviceThread.quit();
    serviceThread.wait();
    fileManager.moveToThread(thread());
}

void TestFileManagerReveal::fallsBackToParentFolder()
{
    const QString folder = TestEnvironment::instance()->root() + QStringLiteral("/it's here");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/x.txt");
    QFile(file).open(QIODevice::WriteOnly);
    QFile::remove(stubRecord);
    // No session bus in the test environment: the parent folder is opened.
    QVERIFY(FileManagerReveal::reveal(file));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(stubRecord), 5000);
    QFile record(stubRecord);
    QTRY_VERIFY_WITH_TIMEOUT(record.size() > 0, 5000);
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(record.readAll()).trimmed(), QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded));
}

VORENDA_TEST_MAIN(TestFileManagerReveal)
#include "tst_filemanagerreveal.moc"
