#include "SmallFilesystem.h"
#include "TestEnvironment.h"

#include "AtomicImageSave.h"
#include "SaveFileCommit.h"

#include <QDir>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>

// Saves onto a real filesystem that has no room left: whatever the size of the new
// content, the save reports the failure and the old file stays to the byte.
class TestSaveFileCommit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void diskFillingUpSaysWhy_data();
    void diskFillingUpSaysWhy();
    void roomLeftSavesWhole();

private:
    QString folder() const { return TestEnvironment::instance()->root() + QStringLiteral("/small"); }
    QString path() const { return folder() + QStringLiteral("/data.xml"); }
    QStringList entries() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden); }
    bool mounted = false;
};

void TestSaveFileCommit::initTestCase()
{
    QVERIFY(QDir().mkpath(folder()));
    if (!SmallFilesystem::mount(folder(), 256 * 1024))
        QSKIP(qPrintable(QStringLiteral("no small filesystem: ") + SmallFilesystem::why()));
    mounted = true;
}

void TestSaveFileCommit::cleanupTestCase()
{
    if (mounted)
        SmallFilesystem::unmount(folder());
}

void TestSaveFileCommit::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("kind");
    // Below Qt's write buffer the bytes reach the disk only at the commit.
    QTest::newRow("small file") << 400 << "saveFile";
    QTest::newRow("larger than the write buffer") << 100000 << "saveFile";
    QTest::newRow("picture") << 0 << "image";
}

void TestSaveFileCommit::fullDiskKeepsTheOldFile()
{
    QFETCH(int, size);
    QFETCH(QString, kind);
    const QByteArray old = "<old/>\n";
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QVERIFY(SmallFilesystem::fill(folder()));

    QString error;
    bool saved = true;
    if (kind == QLatin1String("image")) {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::red);
        saved = saveImageAtomically(image, path(), "png", &error);
    } else {
        QSaveFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes(size, 'x');
        file.write(bytes);
        saved = commitSaveFile(file, &error);
    }
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(entries(), (QStringList{QStringLiteral("data.xml"), QStringLiteral("filler")}));
    QVERIFY(QFile::remove(folder() + QStringLiteral("/filler")));
}

void TestSaveFileCommit::diskFillingUpSaysWhy_data()
{
    QTest::addColumn<int>("size");
    // The disk takes the first part of the write and then none: the system's reason
    // comes only with the next write.
    QTest::newRow("cut in the last write") << 12000;
    QTest::newRow("cut in an earlier write") << 100000;
}

void TestSaveFileCommit::diskFillingUpSaysWhy()
{
    QFETCH(int, size);
    const auto removeFiller = qScopeGuard([this] { QFile::remove(folder() + QStringLiteral("/filler")); });
    QVERIFY(SmallFilesystem::fill(folder(), 8192));
    QSaveFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A write past Qt's buffer goes to the disk at once and comes back short.
    const QByteArray bytes(size, 'z');
    QString error;
    if (file.write(bytes) == bytes.size()) {
        QVERIFY(!commitSaveFile(file, &error));
    } else {
        error = saveFileError(file);
        file.cancelWriting();
    }
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
}

void TestSaveFileCommit::roomLeftSavesWhole()
{
    QSaveFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray bytes(100000, 'y');
    file.write(bytes);
    QString error;
    QVERIFY2(commitSaveFile(file, &error), qPrintable(error));
    QFile written(path());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), bytes);
}

VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestSaveFileCommit)

#include "tst_savefilecommit.moc"
