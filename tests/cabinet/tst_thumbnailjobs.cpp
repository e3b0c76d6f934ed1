#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "MyThumbnailView.h"
#include "SarneknailClient.h"
#include "TestPictures.h"
#include "TextFunctions.h"
#include "ThumbnailCache.h"
#include "TulmarnailClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

// Thumbnail jobs of a cabinet with the real image helper, what their results do to
// items, custom pictures, refreshing, the cache's deletions and the picture-size limit.
class TestThumbnailJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void jobRecords_data();
    void jobRecords();
    void onlyPagesOfTheWebAndFilesAreRendered_data();
    void onlyPagesOfTheWebAndFilesAreRendered();
    void imagesGetTheirThumbnails();
    void resultForADeletedItemIsIgnored();
    void resultWithoutAPictureStillTellsTheKind();
    void mediaResultsFillTheFacts();
    void lateResultKeepsAChosenPicture();
    void customPictureIsStoredOnce();
    void unreadableCustomPictureChangesNothing();
    void refreshing();
    void removingItemsDeletesOnlyUnusedCacheFiles_data();
    void removingItemsDeletesOnlyUnusedCacheFiles();
    void pictureSizeLimit();
    void readOnlyConfigurationWritesNoIcons();

private:
    QString picture(const QString& name, int width, int height);
    QString mediaFile(const QString& name);
    QString cacheFile(const QString& text) const
    {
        return ThumbnailCache::getCachePath(getHash(text) + QLatin1Char('.'));
    }
    // A stand-in helper that takes its batch and keeps it.
    void holdJobs(VorendaShelf& shelf);
    void useDovalin(VorendaShelf& shelf);
    static QXmlStreamAttributes jobItem(ThumbnailClient* client);

    QTemporaryDir files;
    QString idleHelper;
};

void TestThumbnailJobs::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    idleHelper = TestEnvironment::instance()->installStub(QStringLiteral("idle-helper"), "exec sleep 30\n");
}

void TestThumbnailJobs::init()
{
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
}

void TestThumbnailJobs::cleanup()
{
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 128;
    VorendaGlobal::SHELF_ICONSIZE = 256;
    VorendaGlobal::readOnlyConfig = false;
}

QString TestThumbnailJobs::picture(const QString& name, int width, int height)
{
    const QString path = files.filePath(name);
    TestPictures::gradient(width, height).save(path);
    return path;
}

void TestThumbnailJobs::holdJobs(VorendaShelf& shelf)
{
    shelf.dovalinClient->setProgram(idleHelper);
    shelf.kestrimClient->setProgram(idleHelper);
    shelf.tulmarClient->setProgram(idleHelper);
    shelf.sarnekClient->setProgram(idleHelper);
}

QString TestThumbnailJobs::mediaFile(const QString& name)
{
    // The helpers are stand-ins here: the file only needs its suffix.
    const QString path = files.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    return path;
}

void TestThumbnailJobs::useDovalin(VorendaShelf& shelf)
{
    shelf.dovalinClient->setProgram(QStringLiteral(VORENDA_BIN_DIR "/dovalin"));
    shelf.kestrimClient->setProgram(idleHelper);
}

QXmlStreamAttributes TestThumbnailJobs::jobItem(ThumbnailClient* client)
{
    QFile file(client->getDataFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Item"))
            return xml.attributes();
        if (xml.name() == QLatin1String("List"))
            QTest::qVerify(xml.attributes().value(QLatin1String("outputPath")) == VorendaGlobal::getCacheLocation(),
                           "outputPath", "", __FILE__, __LINE__);
    }
    return {};
}

void TestThumbnailJobs::jobRecords_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("image") << "image"
                           << QStringList({QStringLiteral("thumbWidth=256"), QStringLiteral("thumbHeight=256"),
                                           QStringLiteral("photoBorder=8"), QStringLiteral("thumbFormat=PNG")});
    QTest::newRow("web page") << "web"
                              << QStringList({QStringLiteral("pageWidth=1100"), QStringLiteral("pageHeight=825"),
                                              QStringLiteral("thumbWidth=256"), QStringLiteral("thumbHeight=256"),
                                              QStringLiteral("thumbFormat=PNG")});
    QTest::newRow("video") << "video"
                           << QStringList({QStringLiteral("thumbWidth=256"), QStringLiteral("thumbHeight=256"),
                                           QStringLiteral("thumbAlpha=255"), QStringLiteral("thumbTime=0"),
                                           QStringLiteral("filmBorderSize=30"), QStringLiteral("filmBorderSpacing=18"),
                                           QStringLiteral("filmBorderColor=E6000000"),
                                           QStringLiteral("filmBackColor=FF000000"),
                                           QStringLiteral("thumbFormat=PNG")});
    QTest::newRow("audio") << "audio"
                           << QStringList({QStringLiteral("thumbWidth=256"), QStringLiteral("thumbHeight=256"),
                                           QStringLiteral("thumbFormat=PNG")});
}

void TestThumbnailJobs::jobRecords()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);
    const bool web = kind == QLatin1String("web");
    QString target = QStringLiteral("https://example.org/");
    if (kind == QLatin1String("image"))
        target = picture(QStringLiteral("job.png"), 40, 30);
    else if (kind != QLatin1String("web"))
        target = mediaFile(kind == QLatin1String("video") ? QStringLiteral("clip.mp4") : QStringLiteral("song.mp3"));
    VorendaShelf shelf;
    holdJobs(shelf);
    shelf.addItem(QStringLiteral("Job"), target, QPixmap(), -1, web ? GenericWebUrl : GenericPath);
    const QHash<QString, ThumbnailClient*> clients{{QStringLiteral("image"), shelf.dovalinClient},
                                                   {QStringLiteral("web"), shelf.kestrimClient},
                                                   {QStringLiteral("video"), shelf.tulmarClient},
                                                   {QStringLiteral("audio"), shelf.sarnekClient}};
    ThumbnailClient* client = clients.value(kind);
    QTRY_VERIFY(!client->getDataFilePath().isEmpty());
    // Only the kind's own helper is asked.
    for (ThumbnailClient* other : clients) {
        if (other != client)
            QVERIFY(!other->running());
    }
    const QXmlStreamAttributes item = jobItem(client);
    for (const QString& pair : expected) {
        const QStringList parts = pair.split(QLatin1Char('='));
        QCOMPARE(item.value(parts.at(0)).toString(), parts.at(1));
    }
    QCOMPARE(item.value(QLatin1String("key")).toString(), getHash(target));
    QCOMPARE(item.value(QLatin1String("thumbName")).toString(), getHash(target) + QLatin1Char('.'));
    QCOMPARE(item.value(web ? QLatin1String("url") : QLatin1String("filePath")).toString(), target);
}

void TestThumbnailJobs::onlyPagesOfTheWebAndFilesAreRendered_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("rendered");
    QTest::newRow("https") << "https://example.org/" << true;
    QTest::newRow("http") << "http://example.org/" << true;
    QTest::newRow("file") << "file:///tmp/page.html" << true;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("data") << "data:text/html,<script>alert(1)</script>" << false;
    QTest::newRow("vbscript") << "vbscript:msgbox(1)" << false;
    QTest::newRow("smb") << "smb://server/share" << false;
    QTest::newRow("mailto") << "mailto:someone@example.org" << false;
}

// A web item from a link file or a bookmark may carry any address: the page renderer
// is never handed one that is code.
void TestThumbnailJobs::onlyPagesOfTheWebAndFilesAreRendered()
{
    QFETCH(QString, address);
    QFETCH(bool, rendered);
    VorendaShelf shelf;
    holdJobs(shelf);
    shelf.addItem(QStringLiteral("Link"), address, QPixmap(), -1, GenericWebUrl);
    QCOMPARE(!shelf.kestrimClient->getDataFilePath().isEmpty(), rendered);
}

void TestThumbnailJobs::imagesGetTheirThumbnails()
{
    // With a small icon size it shows that real thumbnails are never held to it.
    VorendaGlobal::SHELF_ICONSIZE = 64;
    const QString photo = picture(QStringLiteral("photo.jpg"), 1600, 1200);
    const QString screen = picture(QStringLiteral("screen.png"), 1366, 768);
    VorendaShelf shelf;
    useDovalin(shelf);
    MyThumbnailItem* photoItem = shelf.addItem(QString(), photo, QPixmap(), -1, GenericPath);
    MyThumbnailItem* screenItem = shelf.addItem(QString(), screen, QPixmap(), -1, GenericPath);
    // The slider's size: an image is not held to the icon size.
    QCOMPARE(photoItem->properties.thumbsize, 128);

    QTRY_COMPARE_WITH_TIMEOUT(photoItem->properties.thumbnail, cacheFile(photo), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(screenItem->properties.thumbnail, cacheFile(screen), 20000);
    QCOMPARE(photoItem->properties.type, int(ThumbPhoto));
    QCOMPARE(QSize(photoItem->properties.width, photoItem->properties.height), QSize(1600, 1200));
    QCOMPARE(screenItem->properties.type, int(ThumbImage));
    QCOMPARE(QSize(screenItem->properties.width, screenItem->properties.height), QSize(1366, 768));
    // The 256-pixel thumbnail, kept at 128 and shown at the item's size.
    QCOMPARE(screenItem->getImage().size(), QSize(128, 71));
    QCOMPARE(screenItem->getImageSize(), QSize(128, 71));
    QCOMPARE(QImage(cacheFile(screen)).size(), QSize(256, 143));

    // Once the thumbnail is cached, a new item of that image shows it at once.
    shelf.view->removeItem(screenItem, true);
    MyThumbnailItem* again = shelf.addItem(QString(), screen, QPixmap(), -1, GenericPath);
    QCOMPARE(again->properties.thumbnail, cacheFile(screen));
    QCOMPARE(again->getImage().size(), QSize(128, 71));
}

void TestThumbnailJobs::resultForADeletedItemIsIgnored()
{
    const QString path = picture(QStringLiteral("gone.jpg"), 800, 600);
    const QString kept = picture(QStringLiteral("kept.jpg"), 600, 800);
    VorendaShelf shelf;
    useDovalin(shelf);
    MyThumbnailItem* item = shelf.addItem(QString(), path, QPixmap(), -1, GenericPath);
    MyThumbnailItem* other = shelf.addItem(QString(), kept, QPixmap(), -1, GenericPath);
    shelf.view->removeItem(item, true);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(cacheFile(path)) && other->properties.type != ThumbImage, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!shelf.dovalinClient->running(), 20000);
    QCOMPARE(shelf.view->getAllItems(), QList<AbstractThumbnailItem*>({other}));
}

void TestThumbnailJobs::resultWithoutAPictureStillTellsTheKind()
{
    const QString path = picture(QStringLiteral("lost.png"), 64, 64);
    VorendaShelf shelf;
    holdJobs(shelf);
    MyThumbnailItem* item = shelf.addItem(QString(), path, QPixmap(), -1, GenericPath);
    const QString firstPicture = item->properties.thumbnail;
    const QImage shown = item->getImage().toImage();

    DovalinnailClient::Data data;
    data.key = getHash(QStringLiteral("no such thumbnail"));
    data.item = item;
    data.imageSize = QSize(3000, 2000);
    data.isPhoto = true;
    shelf.onDovalinCreated(&data);
    QCOMPARE(item->properties.type, int(ThumbPhoto));
    QCOMPARE(QSize(item->properties.width, item->properties.height), QSize(3000, 2000));
    QCOMPARE(item->properties.thumbnail, firstPicture);
    QCOMPARE(item->getImage().toImage(), shown);

    shelf.onDovalinCreated(nullptr);
    KestrimnailClient::Data page;
    shelf.onKestrimCreated(&page);
}

// Video and audio results: the numbers reach the item whether or not a picture
// came; the picture replaces the icon when it did.
void TestThumbnailJobs::mediaResultsFillTheFacts()
{
    const QString clip = mediaFile(QStringLiteral("facts.mkv"));
    const QString song = mediaFile(QStringLiteral("facts.oga"));
    VorendaShelf shelf;
    holdJobs(shelf);
    MyThumbnailItem* video = shelf.addItem(QString(), clip, QPixmap(), -1, GenericPath);
    MyThumbnailItem* audio = shelf.addItem(QString(), song, QPixmap(), -1, GenericPath);
    QCOMPARE(video->properties.type, int(ThumbVideo));
    QCOMPARE(audio->properties.type, int(ThumbAudio));
    const QString audioIcon = audio->properties.thumbnail;

    // The video's frame on its film strip was cached by the helper.
    QVERIFY(QPixmap::fromImage(TestPictures::gradient(256, 144)).save(cacheFile(clip), "PNG"));
    TulmarnailClient::Data frame;
    frame.key = getHash(clip);
    frame.item = video;
    frame.imageSize = QSize(1920, 1080);
    frame.length = 95;
    frame.bitrate = 4500;
    frame.framerate = 25;
    shelf.onTulmarCreated(&frame);
    const MyThumbnailItem::Properties& v = video->properties;
    QCOMPARE(QList<int>({v.length, v.width, v.height, v.bitrate, v.framerate}), QList<int>({95, 1920, 1080, 4500, 25}));
    QCOMPARE(v.thumbnail, cacheFile(clip));
    QCOMPARE(video->getImage().size(), QSize(128, 72));

    // A recording without a cover: its numbers, and its icon stays.
    SarneknailClient::Data sound;
    sound.key = getHash(song);
    sound.item = audio;
    sound.length = 181;
    sound.bitrate = 1411;
    sound.channels = 2;
    sound.samplerate = 44100;
    sound.bitdepth = 16;
    shelf.onSarnekCreated(&sound);
    const MyThumbnailItem::Properties& a = audio->properties;
    QCOMPARE(QList<int>({a.length, a.bitrate, a.channels, a.samplerate, a.bitdepth}),
             QList<int>({181, 1411, 2, 44100, 16}));
    QCOMPARE(a.thumbnail, audioIcon);

    // With a cover it shows, no larger than an icon.
    VorendaGlobal::SHELF_ICONSIZE = 64;
    QVERIFY(QPixmap::fromImage(TestPictures::gradient(256, 256)).save(cacheFile(song), "PNG"));
    shelf.onSarnekCreated(&sound);
    QCOMPARE(a.thumbnail, cacheFile(song));
    QCOMPARE(audio->getImageSize(), QSize(64, 64));

    // Results for items that are gone, or for what is no item, change nothing.
    QObject stranger;
    TulmarnailClient::Data strange = frame;
    strange.item = &stranger;
    shelf.onTulmarCreated(&strange);
    frame.length = 1;
    shelf.view->removeItem(video, true);
    QVERIFY(!frame.item);
    shelf.onTulmarCreated(&frame);
    shelf.onTulmarCreated(nullptr);
    shelf.onSarnekCreated(nullptr);
}

void TestThumbnailJobs::lateResultKeepsAChosenPicture()
{
    const QString path = picture(QStringLiteral("chosen-later.png"), 400, 300);
    const QString cover = picture(QStringLiteral("cover-art.png"), 200, 200);
    VorendaShelf shelf;
    holdJobs(shelf);
    MyThumbnailItem* item = shelf.addItem(QString(), path, QPixmap(), -1, GenericPath);
    shelf.setCustomThumbnail(item, cover);
    const QString chosen = item->properties.thumbnail;
    const QImage shown = item->getImage().toImage();

    // The thumbnail queued before the user chose a picture arrives now.
    QVERIFY(QPixmap::fromImage(TestPictures::gradient(256, 192)).save(cacheFile(path), "PNG"));
    DovalinnailClient::Data data;
    data.key = getHash(path);
    data.item = item;
    data.imageSize = QSize(400, 300);
    shelf.onDovalinCreated(&data);
    QCOMPARE(QSize(item->properties.width, item->properties.height), QSize(400, 300));
    QVERIFY(item->properties.customthumb);
    QCOMPARE(item->properties.thumbnail, chosen);
    QCOMPARE(item->getImage().toImage(), shown);
}

void TestThumbnailJobs::customPictureIsStoredOnce()
{
    const QString chosen = picture(QStringLiteral("Chosen.png"), 1024, 768);
    const QString stored = cacheFile(QFileInfo(chosen).absoluteFilePath().toUpper());
    VorendaShelf shelf;
    holdJobs(shelf);
    QDir(files.path()).mkdir(QStringLiteral("Projects"));
    MyThumbnailItem* folder = shelf.addItem(QString(), files.filePath(QStringLiteral("Projects")), QPixmap(), -1,
                                            GenericPath);
    folder->properties.thumbsize = 300;
    shelf.setCustomThumbnail(folder, chosen);
    QVERIFY(folder->properties.customthumb);
    QCOMPARE(folder->properties.thumbnail, stored);
    QCOMPARE(QImage(stored).size(), QSize(256, 192));
    QCOMPARE(folder->getImage().size(), QSize(128, 96));
    QDir(files.path()).mkdir(QStringLiteral("Archive"));
    MyThumbnailItem* other = shelf.addItem(QString(), files.filePath(QStringLiteral("Archive")), QPixmap(), -1,
                                           GenericPath);
    const int cached = QDir(VorendaGlobal::getCacheLocation()).entryList(QDir::Files).size();

    // A second item with the same picture reads the stored copy.
    QPixmap marked(256, 192);
    marked.fill(Qt::green);
    QVERIFY(marked.save(stored, "PNG"));
    QFile::remove(chosen);
    shelf.setCustomThumbnail(other, chosen);
    QCOMPARE(other->properties.thumbnail, stored);
    QCOMPARE(other->getImage().toImage().pixelColor(5, 5), QColor(Qt::green));
    QCOMPARE(QDir(VorendaGlobal::getCacheLocation()).entryList(QDir::Files).size(), cached);
}

void TestThumbnailJobs::unreadableCustomPictureChangesNothing()
{
    const QString notAPicture = files.filePath(QStringLiteral("fake.png"));
    QFile file(notAPicture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("plain text, not a picture");
    file.close();
    VorendaShelf shelf;
    QDir(files.path()).mkdir(QStringLiteral("Plain"));
    MyThumbnailItem* item = shelf.addItem(QString(), files.filePath(QStringLiteral("Plain")), QPixmap(), -1,
                                          GenericPath);
    const QString before = item->properties.thumbnail;
    shelf.setCustomThumbnail(item, notAPicture);
    shelf.setCustomThumbnail(item, QString());
    shelf.setCustomThumbnail(nullptr, notAPicture);
    QVERIFY(!item->properties.customthumb);
    QCOMPARE(item->properties.thumbnail, before);
}

void TestThumbnailJobs::refreshing()
{
    const QString chosen = picture(QStringLiteral("cover.png"), 300, 300);
    const QString song = files.filePath(QStringLiteral("song.mp3"));
    QFile audio(song);
    QVERIFY(audio.open(QIODevice::WriteOnly));
    audio.close();
    VorendaShelf shelf;
    holdJobs(shelf);

    // Audio: the icon is built again at once.
    MyThumbnailItem* songItem = shelf.addItem(QString(), song, QPixmap(), -1, GenericPath);
    QCOMPARE(songItem->properties.type, int(ThumbAudio));
    shelf.setCustomThumbnail(songItem, chosen);
    QVERIFY(songItem->properties.customthumb);
    shelf.sarnekClient->abort();
    QTRY_VERIFY(!shelf.sarnekClient->running());
    shelf.refreshThumbnail(songItem);
    QVERIFY(!songItem->properties.customthumb);
    QCOMPARE(songItem->properties.thumbnail, cacheFile(QStringLiteral(".MP3")));
    QVERIFY(QFile::exists(cacheFile(QStringLiteral(".MP3"))));
    // ... and its cover is asked for again.
    QTRY_VERIFY(!shelf.sarnekClient->getDataFilePath().isEmpty());

    // Video: the frame is made again; the present picture stays meanwhile.
    MyThumbnailItem* clipItem = shelf.addItem(QString(), mediaFile(QStringLiteral("refresh.avi")), QPixmap(), -1,
                                              GenericPath);
    shelf.tulmarClient->abort();
    QTRY_VERIFY(!shelf.tulmarClient->running());
    const QString clipPicture = clipItem->properties.thumbnail;
    shelf.refreshThumbnail(clipItem);
    QCOMPARE(clipItem->properties.thumbnail, clipPicture);
    QTRY_VERIFY(!shelf.tulmarClient->getDataFilePath().isEmpty());

    // Web page: the custom picture shows until the page thumbnail arrives.
    MyThumbnailItem* link = shelf.addItem(QStringLiteral("Site"), QStringLiteral("https://example.org/site"), QPixmap(),
                                          -1, GenericWebUrl);
    shelf.kestrimClient->abort();
    QTRY_VERIFY(!shelf.kestrimClient->running());
    shelf.setCustomThumbnail(link, chosen);
    const QImage custom = link->getImage().toImage();
    shelf.refreshThumbnail(link);
    QVERIFY(!link->properties.customthumb);
    QCOMPARE(link->getImage().toImage(), custom);
    QTRY_VERIFY(!shelf.kestrimClient->getDataFilePath().isEmpty());

    shelf.refreshThumbnail(nullptr);
}

void TestThumbnailJobs::removingItemsDeletesOnlyUnusedCacheFiles_data()
{
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("sharedWithAnotherItem");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("image's own thumbnail") << "own" << int(ThumbImage) << false << true;
    QTest::newRow("photo's own thumbnail") << "own" << int(ThumbPhoto) << false << true;
    QTest::newRow("thumbnail another item shows") << "own" << int(ThumbImage) << true << false;
    QTest::newRow("absolute path outside the cache") << "outside" << int(ThumbImage) << false << false;
    QTest::newRow("relative path leading out of the cache") << "../outside.png" << int(ThumbImage) << false
                                                            << false;
    QTest::newRow("web link's icon") << "own" << int(ThumbWebPage) << false << false;
    QTest::newRow("plain file's icon") << "own" << int(ThumbIcon) << false << false;
}

void TestThumbnailJobs::removingItemsDeletesOnlyUnusedCacheFiles()
{
    QFETCH(QString, thumbnail);
    QFETCH(int, type);
    QFETCH(bool, sharedWithAnotherItem);
    QFETCH(bool, deleted);
    QDir().mkpath(VorendaGlobal::getCacheLocation());
    QString path;
    if (thumbnail == QLatin1String("own"))
        path = cacheFile(QStringLiteral("some target"));
    else if (thumbnail == QLatin1String("outside"))
        path = files.filePath(QStringLiteral("outside.png"));
    else
        path = QDir(VorendaGlobal::getCacheLocation()).absoluteFilePath(thumbnail);
    QPixmap content(8, 8);
    content.fill(Qt::red);
    QVERIFY(content.save(QDir::cleanPath(path), "PNG"));

    VorendaShelf shelf;
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Leaving"));
    item->properties.thumbnail = thumbnail == QLatin1String("own") ? path : thumbnail == QLatin1String("outside")
                                                                              ? path
                                                                              : thumbnail;
    item->properties.type = type;
    if (sharedWithAnotherItem) {
        VorendaShelf other;
        VorendaGlobal::shelves = {&shelf, &other};
        MyThumbnailItem* staying = addCabinetItem(other, -1, QStringLiteral("Staying"));
        staying->properties.thumbnail = path;
        shelf.removeCache({item});
        VorendaGlobal::shelves.clear();
    } else {
        shelf.removeCache({item});
    }
    QCOMPARE(!QFile::exists(QDir::cleanPath(path)), deleted);
    QFile::remove(QDir::cleanPath(path));
}

void TestThumbnailJobs::pictureSizeLimit()
{
    VorendaShelf shelf;
    const QString big = cacheFile(QStringLiteral("big"));
    QDir().mkpath(VorendaGlobal::getCacheLocation());
    QVERIFY(QPixmap::fromImage(TestPictures::gradient(256, 192)).save(big, "PNG"));
    MyThumbnailItem* item = addCabinetItem(shelf, -1, QStringLiteral("Big"));
    item->properties.thumbnail = big;
    item->setImage(VorendaShelf::normalizeImage(QPixmap(big)));
    QCOMPARE(item->getImage().size(), QSize(128, 96));

    // A larger limit reads the pictures from their files again.
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 256;
    shelf.onMaxThumbSizeChanged();
    shelf.thumbSizeSlider->setMaximum(256);
    QCOMPARE(item->getImage().size(), QSize(256, 192));
    QVERIFY(shelf.thumbSizeSlider->isEnabled());
    QVERIFY(!shelf.thumbSizeFrame->isHidden());

    // The smallest limit leaves nothing to choose: no slider.
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 32;
    shelf.onMaxThumbSizeChanged();
    shelf.thumbSizeSlider->setMaximum(32);
    QCOMPARE(item->getImage().size(), QSize(32, 24));
    QVERIFY(!shelf.thumbSizeSlider->isEnabled());
    QVERIFY(shelf.thumbSizeFrame->isHidden());
}

void TestThumbnailJobs::readOnlyConfigurationWritesNoIcons()
{
    VorendaGlobal::readOnlyConfig = true;
    const QString path = files.filePath(QStringLiteral("manual.odt"));
    QFile document(path);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.close();
    VorendaShelf shelf;
    MyThumbnailItem* item = shelf.addItem(QString(), path, QPixmap(), -1, GenericPath);
    QCOMPARE(item->properties.thumbnail, cacheFile(QStringLiteral(".ODT")));
    QVERIFY(!QFile::exists(item->properties.thumbnail));
    QVERIFY(!item->getImage().isNull());
}

VORENDA_TEST_MAIN(TestThumbnailJobs)
#include "tst_thumbnailjobs.moc"
