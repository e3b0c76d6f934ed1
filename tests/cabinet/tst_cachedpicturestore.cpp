#include "PaintFixtures.h"
#include "TestEnvironment.h"

#include "CachedPictureStore.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

// One icon stored under many names is written once; every name reads as the picture,
// and replacing one name leaves the others as they were.
class TestCachedPictureStore : public QObject
{
    Q_OBJECT

private slots:
    void samePictureIsWrittenOnce();
};

void TestCachedPictureStore::samePictureIsWrittenOnce()
{
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    CachedPictureStore store;
    const QPixmap red = solidPixmap(48, 48, Qt::red);
    QVERIFY(store.store(path("a."), red));
    QVERIFY(store.store(path("b."), red));
    QVERIFY(store.store(path("c."), red));
    // Storing it again where it is changes nothing.
    QVERIFY(store.store(path("b."), red));
    for (const char* name : {"a.", "b.", "c."})
        QCOMPARE(QImage(path(name)).pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(inodeOf(path("b.")), inodeOf(path("a.")));
    QCOMPARE(inodeOf(path("c.")), inodeOf(path("a.")));

    // Another picture over one name: that name alone changes.
    QVERIFY(store.store(path("b."), solidPixmap(48, 48, Qt::blue)));
    QCOMPARE(QImage(path("b.")).pixelColor(5, 5), QColor(Qt::blue));
    QCOMPARE(QImage(path("a.")).pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(QImage(path("c.")).pixelColor(5, 5), QColor(Qt::red));

    // A file replaced behind the store's back is no source for new names.
    QImage green(48, 48, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(QFile::remove(path("a.")));
    QVERIFY(green.save(path("a."), "PNG"));
    QVERIFY(store.store(path("d."), red));
    QCOMPARE(QImage(path("d.")).pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(QImage(path("a.")).pixelColor(5, 5), QColor(Qt::green));

    QVERIFY(!store.store(path("e."), QPixmap()));
    QVERIFY(!store.store(dir.filePath(QStringLiteral("missing/f.")), red));
}

VORENDA_TEST_MAIN(TestCachedPictureStore)
#include "tst_cachedpicturestore.moc"
