#include "HostileImages.h"
#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "MyThumbnailView.h"
#include "ShelfParts.h"
#include "StreamLimits.h"
#include "ThumbnailCache.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <sys/stat.h>

using namespace HostileImages;

// Every road by which a picture file reaches a cabinet, over files that would block
// the reader or take gigabytes to decode: a style's patterns, a chosen picture, a
// cached picture named by the cabinet file, and the picture path inside item data on
// the clipboard. Each returns, falls back to what a missing picture gives, and stays
// within the decoding cap.
class TestHostilePictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyReaderRefuses_data();
    void everyReaderRefuses();

private:
    // Makes the hostile file of that kind at `path`.
    static bool makeHostile(const QString& kind, const QString& path);
    static QString writeCabinetFile(const QString& thumbnailName);

    QTemporaryDir files;
};

void TestHostilePictures::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QVERIFY(files.isValid());
}

bool TestHostilePictures::makeHostile(const QString& kind, const QString& path)
{
    QFile::remove(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("link to fifo")) {
        const QString fifo = path + QStringLiteral(".fifo");
        QFile::remove(fifo);
        return ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 && QFile::link(fifo, path);
    }
    if (kind == QLatin1String("progressive grey 60000"))
        return write(path, jpeg(60000, 60000, 1, Progressive));
    if (kind == QLatin1String("progressive colour 30000"))
        return write(path, jpeg(30000, 30000, 3, Progressive));
    if (kind == QLatin1String("multi-scan colour 20000"))
        return write(path, jpeg(20000, 20000, 3, MultiScan));
    return write(path, "\x89PNG\r\n\x1a\n and then nothing of a picture");
}

QString TestHostilePictures::writeCabinetFile(const QString& thumbnailName)
{
    const QString path = QDir(VorendaGlobal::getDataLocation()).absoluteFilePath(QStringLiteral("hostile.dat"));
    QDir().mkpath(VorendaGlobal::getDataLocation());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    QXmlStreamWriter xml(&file);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-CabinetData>"));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("Uncategorized"));
    xml.writeStartElement(QStringLiteral("Item"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Cached"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("target"), QStringLiteral("/srv/cached.odt"));
    xml.writeTextElement(QStringLiteral("thumbnail"), thumbnailName);
    xml.writeTextElement(QStringLiteral("customthumb"), QStringLiteral("1"));
    xml.writeEndDocument();
    return path;
}

void TestHostilePictures::everyReaderRefuses_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"fifo", "link to fifo", "progressive grey 60000", "progressive colour 30000",
                             "multi-scan colour 20000", "noise"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestHostilePictures::everyReaderRefuses()
{
    QFETCH(QString, kind);
    const QString hostile = files.filePath(QStringLiteral("hostile.jpg"));
    QVERIFY(makeHostile(kind, hostile));
    const qint64 peakBefore = peakResidentBytes();

    // A style whose patterns are the file paints without them.
    {
        VorendaShelf shelf;
        ShelfStyle style = builtInStyle(QString());
        style.cabinetPattern = style.shelfPattern = style.categoryPattern = hostile;
        shelf.onApplyStyle(style, AllElements, true);
        QVERIFY(shelf.view->getShelfPainter().imagePainter().image().isNull());
    }

    // A picture chosen for an item leaves the item as it was.
    {
        VorendaShelf shelf;
        QDir(files.path()).mkpath(QStringLiteral("Folder"));
        MyThumbnailItem* item =
            shelf.addItem(QString(), files.filePath(QStringLiteral("Folder")), QPixmap(), -1, GenericPath);
        const QString before = item->properties.thumbnail;
        shelf.setCustomThumbnail(item, hostile);
        QVERIFY(!item->properties.customthumb);
        QCOMPARE(item->properties.thumbnail, before);
    }

    // A cached picture named by the cabinet file: the item shows its icon instead.
    {
        const QString name = QStringLiteral("hostile-cached.");
        QDir().mkpath(VorendaGlobal::getCacheLocation());
        QVERIFY(makeHostile(kind, ThumbnailCache::getCachePath(name)));
        VorendaShelf shelf;
        shelf.load(writeCabinetFile(name));
        QTRY_VERIFY(!ShelfParts::of(shelf).dataFile.isLoadingPictures());
        QCoreApplication::processEvents();
        const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
        QCOMPARE(items.size(), 1);
        auto* item = static_cast<MyThumbnailItem*>(items.first());
        QVERIFY(!item->getImage().isNull());
        QVERIFY(!item->properties.customthumb);
        QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    }

    // Item data on the clipboard whose picture path is the file: pasted with its icon.
    {
        VorendaShelf source;
        MyThumbnailItem* copied = addCabinetItem(source, -1, QStringLiteral("Copied"));
        copied->properties.target = files.filePath(QStringLiteral("Folder"));
        copied->properties.thumbnail = hostile;
        QApplication::clipboard()->setMimeData(source.view->getClipboardMimeData({copied}, false));

        VorendaShelf target;
        target.onPaste();
        const QList<AbstractThumbnailItem*> items = target.view->getAllItems();
        QCOMPARE(items.size(), 1);
        QVERIFY(!static_cast<MyThumbnailItem*>(items.first())->getImage().isNull());
        QApplication::clipboard()->clear();
    }

    QVERIFY2(peakResidentBytes() - peakBefore < MaxDecodedImageBytes + 64 * 1024 * 1024,
             qPrintable(QStringLiteral("%1 MB more at the peak").arg((peakResidentBytes() - peakBefore) >> 20)));
}

VORENDA_TEST_MAIN(TestHostilePictures)
#include "tst_hostilepictures.moc"
