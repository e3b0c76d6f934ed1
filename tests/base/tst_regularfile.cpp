#include "TestEnvironment.h"

#include "RegularFile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <sys/types.h>

class TestRegularFile : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegularFilesOpen_data();
    void onlyRegularFilesOpen();
    void wholeFilesWithinTheBoundAreRead_data();
    void wholeFilesWithinTheBoundAreRead();
};

void TestRegularFile::onlyRegularFilesOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    QTest::newRow("file") << "file" << true;
    QTest::newRow("link to file") << "link" << true;
    QTest::newRow("fifo") << "fifo" << false;
    QTest::newRow("link to fifo") << "fifolink" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("device") << "device" << false;
}

void TestRegularFile::onlyRegularFilesOpen()
{
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QFile plain(file);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("content");
    plain.close();
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("fifolink"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    const QString path = kind == QLatin1String("device") ? QStringLiteral("/dev/zero") : dir.filePath(kind);
    QCOMPARE(isRegularFile(path), opens);
    QFile subject(path);
    // A FIFO without a writer would block a plain open forever.
    QCOMPARE(openRegularFile(subject), opens);
    QCOMPARE(subject.isOpen(), opens);
    if (opens)
        QCOMPARE(subject.readAll(), QByteArray("content"));
}

void TestRegularFile::wholeFilesWithinTheBoundAreRead_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("fifo");
    QTest::addColumn<bool>("read");
    QTest::newRow("empty") << 0 << false << true;
    QTest::newRow("below the bound") << 9 << false << true;
    QTest::newRow("at the bound") << 10 << false << true;
    QTest::newRow("one byte over") << 11 << false << false;
    QTest::newRow("fifo") << 0 << true << false;
}

void TestRegularFile::wholeFilesWithinTheBoundAreRead()
{
    QFETCH(int, size);
    QFETCH(bool, fifo);
    QFETCH(bool, read);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("subject"));
    if (fifo) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
    }
    QByteArray contents("old");
    QString error;
    QCOMPARE(readRegularFile(path, 10, contents, &error), read);
    // Never a part of a file: all of it or nothing.
    QCOMPARE(contents, read ? QByteArray(size, 'x') : QByteArray());
    QCOMPARE(error.isEmpty(), read);
}

VORENDA_TEST_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
