#include "TestEnvironment.h"

#include "AtomicImageSave.h"

#include <QDir>
#include <QFile>
#include <QImage>

// Thumbnails are written whole or not at all, and only inside their own folder.
class TestAtomicImageSave : public QObject
{
    Q_OBJECT

private slots:
    void replacesWhatStandsAtThePath_data();
    void replacesWhatStandsAtThePath();
    void failureKeepsTheOldFile();
};

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage picture()
{
    QImage image(30, 20, QImage::Format_ARGB32);
    image.fill(QColor(10, 120, 200, 128));
    return image;
}

} // namespace

void TestAtomicImageSave::replacesWhatStandsAtThePath_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("nothing") << "nothing";
    QTest::newRow("old thumbnail") << "file";
    QTest::newRow("link to a user's file") << "link";
    QTest::newRow("dangling link") << "dangling";
}

void TestAtomicImageSave::replacesWhatStandsAtThePath()
{
    QFETCH(QString, before);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Cache")));
    const QString target = dir.filePath(QStringLiteral("Cache/k."));
    const QString precious = dir.filePath(QStringLiteral("notes.txt"));
    QFile notes(precious);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("the user's own words");
    notes.close();
    if (before == QStringLiteral("file")) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    } else if (before == QStringLiteral("link")) {
        QVERIFY(QFile::link(precious, target));
    } else if (before == QStringLiteral("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), target));
    }

    QString error;
    QVERIFY2(saveImageAtomically(picture(), target, "PNG", &error), qPrintable(error));
    QVERIFY(!QFileInfo(target).isSymLink());
    QCOMPARE(QImage(target).convertToFormat(QImage::Format_ARGB32), picture());
    // The link's target is untouched, and nothing else appeared.
    QCOMPARE(contentOf(precious), QByteArray("the user's own words"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("nowhere"))));
    QCOMPARE(
        QDir(dir.filePath(QStringLiteral("Cache"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
        QStringList{QStringLiteral("k.")});
}

void TestAtomicImageSave::failureKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("k."));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QString error;
    QVERIFY(!saveImageAtomically(picture(), target, "no-such-format", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!saveImageAtomically(QImage(), target, "PNG", &error));
    QVERIFY(!saveImageAtomically(picture(), target, QByteArray(), &error));
    QCOMPARE(contentOf(target), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("k.")});
}

VORENDA_TEST_MAIN(TestAtomicImageSave)
#include "tst_atomicimagesave.moc"
