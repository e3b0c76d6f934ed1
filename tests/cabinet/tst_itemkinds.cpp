#include "TestEnvironment.h"

#include "MyThumbnailItem.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Item kinds by path, the icon size cap and the two steps that fit every picture an
// item shows; the factory that builds new items.
class TestItemKinds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void kindOfAPath_data();
    void kindOfAPath();
    void iconsAreCapped_data();
    void iconsAreCapped();
    void imageSizeForAnItem_data();
    void imageSizeForAnItem();
    void storedPicture_data();
    void storedPicture();
    void smallPictureStandsOnTheBottomEdge();
    void newItem_data();
    void newItem();

private:
    QTemporaryDir files;
};

void TestItemKinds::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    QDir(files.path()).mkdir(QStringLiteral("folder.d"));
    for (const char* name : {"page.htm", "link.url", "x.ico", "photo.jpg", "song.mp3", "clip.mp4", "notes.txt",
                             "Report.pdf"}) {
        QFile file(files.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("content");
    }
    QFile entry(files.filePath(QStringLiteral("editor.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Editor\nExec=true\n");
}

void TestItemKinds::cleanup()
{
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 128;
}

void TestItemKinds::kindOfAPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("folder") << "folder.d" << int(ThumbIcon);
    QTest::newRow("missing path") << "gone.jpg" << int(ThumbIcon);
    QTest::newRow("application entry") << "editor.desktop" << int(ThumbIcon);
    QTest::newRow("web page") << "page.htm" << int(ThumbWebPage);
    QTest::newRow("link file") << "link.url" << int(ThumbWebPage);
    QTest::newRow("icon file is no image") << "x.ico" << int(ThumbIcon);
    QTest::newRow("image") << "photo.jpg" << int(ThumbImage);
    QTest::newRow("video") << "clip.mp4" << int(ThumbVideo);
    QTest::newRow("audio") << "song.mp3" << int(ThumbAudio);
    QTest::newRow("document") << "Report.pdf" << int(ThumbIcon);
}

void TestItemKinds::kindOfAPath()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    VorendaShelf shelf;
    QCOMPARE(int(shelf.getThumbnailType(QFileInfo(files.filePath(name)))), kind);
}

void TestItemKinds::iconsAreCapped_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("size");
    QTest::newRow("icon") << 0 << false << 256;
    QTest::newRow("audio") << 5 << false << 256;
    QTest::newRow("unknown kind") << 9 << false << 256;
    QTest::newRow("audio with its own picture") << 5 << true << 300;
    QTest::newRow("image") << 1 << false << 300;
    QTest::newRow("photo") << 2 << false << 300;
    QTest::newRow("video") << 3 << false << 300;
    QTest::newRow("web page") << 4 << false << 300;
}

void TestItemKinds::iconsAreCapped()
{
    QFETCH(int, type);
    QFETCH(bool, custom);
    QFETCH(int, size);
    QCOMPARE(VorendaShelf::getThumbnailSize(type, custom, 300), size);
    QCOMPARE(VorendaShelf::isIcon(type, custom), size == 256);
}

void TestItemKinds::imageSizeForAnItem_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("max");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("wide") << QSize(400, 300) << 128 << QSize(128, 96);
    QTest::newRow("tall") << QSize(300, 400) << 128 << QSize(96, 128);
    QTest::newRow("never enlarged") << QSize(64, 64) << 128 << QSize(64, 64);
    QTest::newRow("thin and tall keeps a usable width") << QSize(30, 300) << 128 << QSize(32, 320);
    QTest::newRow("thin and wide has no lower bound") << QSize(300, 30) << 128 << QSize(128, 12);
    QTest::newRow("empty picture") << QSize(0, 10) << 128 << QSize(0, 10);
}

void TestItemKinds::imageSizeForAnItem()
{
    QFETCH(QSize, picture);
    QFETCH(int, max);
    QFETCH(QSize, shown);
    QCOMPARE(VorendaShelf::normalizeSize(picture, max), shown);
}

void TestItemKinds::storedPicture_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QSize>("stored");
    QTest::newRow("tiny icon") << QSize(16, 16) << 128 << QSize(32, 32);
    QTest::newRow("thin strip, widened then fitted") << QSize(20, 600) << 128 << QSize(6, 128);
    QTest::newRow("large picture") << QSize(1000, 500) << 128 << QSize(128, 64);
    QTest::newRow("at the maximum") << QSize(128, 128) << 128 << QSize(128, 128);
    QTest::newRow("larger maximum") << QSize(1000, 500) << 256 << QSize(256, 128);
    QTest::newRow("null") << QSize() << 128 << QSize();
}

void TestItemKinds::storedPicture()
{
    QFETCH(QSize, source);
    QFETCH(int, maximum);
    QFETCH(QSize, stored);
    VorendaGlobal::SHELF_MAXTHUMBSIZE = maximum;
    QPixmap picture;
    if (source.isValid()) {
        picture = QPixmap(source);
        picture.fill(Qt::red);
    }
    const QPixmap result = VorendaShelf::normalizeImage(picture);
    QCOMPARE(result.isNull(), !stored.isValid());
    if (stored.isValid())
        QCOMPARE(result.size(), stored);
}

void TestItemKinds::smallPictureStandsOnTheBottomEdge()
{
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    const QImage result = VorendaShelf::normalizeImage(icon).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(result.size(), QSize(32, 32));
    // Centred horizontally: columns 8 to 23; on the bottom edge: rows 16 to 31.
    QCOMPARE(QColor(result.pixel(8, 16)), QColor(Qt::red));
    QCOMPARE(QColor(result.pixel(23, 31)), QColor(Qt::red));
    QCOMPARE(qAlpha(result.pixel(7, 31)), 0);
    QCOMPARE(qAlpha(result.pixel(24, 31)), 0);
    QCOMPARE(qAlpha(result.pixel(16, 15)), 0);
}

void TestItemKinds::newItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<bool>("wrapAnywhere");
    QTest::addColumn<QSize>("imageSize");
    QTest::newRow("empty name, picture's own size") << "" << QSize(-1, -1) << " " << true << QSize(-1, -1);
    QTest::newRow("web address wraps at words") << "http://example.org/a" << QSize(80, 60) << "http://example.org/a"
                                                << false << QSize(80, 60);
    QTest::newRow("height only keeps the aspect") << "Notes" << QSize(-1, 50) << "Notes" << true << QSize(50, 25);
    QTest::newRow("width only keeps the aspect") << "Notes" << QSize(50, -1) << "Notes" << true << QSize(50, 25);
}

void TestItemKinds::newItem()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QFETCH(QString, shownText);
    QFETCH(bool, wrapAnywhere);
    QFETCH(QSize, imageSize);
    VorendaShelf shelf;
    QPixmap picture(120, 60);
    picture.fill(Qt::blue);
    std::unique_ptr<MyThumbnailItem> item(shelf.getThumbnailItem(picture, size, text, 7));
    QCOMPARE(item->getText(), shownText);
    QCOMPARE(item->isLabelWrapAnywhere(), wrapAnywhere);
    QCOMPARE(item->getCategoryKey(), 7);
    QVERIFY(item->isLabelShown());
    QVERIFY(item->isClickAnimationEnabled());
    QCOMPARE(item->clickTimeLine()->curveShape(), QTimeLine::EaseInOutCurve);
    QCOMPARE(item->hoverTimeLine()->curveShape(), QTimeLine::EaseOutCurve);
    QCOMPARE(item->getImage().size(), picture.size());
    QCOMPARE(item->getImageSize(), imageSize);
    // The shelf board's thickness is the bottom margin of every item.
    QCOMPARE(item->getMargin(), MarginProperty(10.0, 0.0, VorendaGlobal::SHELF_THICKNESS, 0.0));
    QCOMPARE(item->properties.target, QString());
    QVERIFY(!item->getView());
}

VORENDA_TEST_MAIN(TestItemKinds)
#include "tst_itemkinds.moc"
