#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "CategoryHeaderItem.h"
#include "DockableWidget.h"
#include "CategoryDepthLimit.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "SarneknailClient.h"
#include "ShelfParts.h"
#include "TextFunctions.h"
#include "TulmarnailClient.h"
#include "MyThumbnailItem.h"
#include "VorendaGlobal.h"
#include "ItemTextLimits.h"
#include "ThumbnailCache.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QDirIterator>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSlider>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString cabinetId = QStringLiteral("0123456789abcdef0123456789ABCDEF");

// Text with what XML 1.0 cannot carry: control characters, a carriage return, a
// non-character, an unpaired surrogate and the encoder's own escape character.
QString awkward(const QString& text)
{
    return text + QChar(0x01) + QStringLiteral("\t") + QChar(0x1B) + QStringLiteral("\r") + QChar(0)
           + QChar(0xFFFF) + QChar(0xD800) + QChar(0xE000) + QStringLiteral("0041") + text;
}

std::unique_ptr<VorendaShelf> newShelf(const QString& id = cabinetId)
{
    auto shelf = std::make_unique<VorendaShelf>();
    shelf->id = id;
    shelf->fileName = id + QStringLiteral(".dat");
    return shelf;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// A cached thumbnail picture of that name.
void writeCachePicture(const QString& name, const QSize& size = QSize(96, 64))
{
    QDir().mkpath(VorendaGlobal::getCacheLocation());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(200, 120, 40));
    QVERIFY(image.save(ThumbnailCache::getCachePath(name), "PNG"));
}

QByteArray document(const QByteArray& settings, const QByteArray& categories,
                    const QByteArray& doctype = "Vorenda-CabinetData")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE " + doctype + ">\n<Root>\n<Settings>" + settings
           + "</Settings>\n" + categories + "</Root>\n";
}

MyThumbnailItem* addItem(VorendaShelf& shelf, int key, const MyThumbnailItem::Properties& properties, bool label)
{
    MyThumbnailItem* item = shelf.getThumbnailItem(QPixmap(48, 48), QSize(48, 48), properties.name, key);
    item->properties = properties;
    item->showItemLabel(label, false);
    shelf.view->addItem(item, false);
    return item;
}

CategoryHeaderItem* addCategory(VorendaShelf& shelf, int key, const QString& name, int parent, bool expanded)
{
    CategoryHeaderItem* header = shelf.getCategoryHeaderItem(name);
    header->setExpanded(expanded);
    shelf.view->setCategoryHeader(key, header, parent, -1, false);
    return header;
}

// The category tree and the items' names, in view order: "key<parent name[item,item]".
QString treeOf(VorendaShelf& shelf)
{
    QStringList parts;
    QStringList loose;
    for (AbstractThumbnailItem* item : shelf.view->getItems(-1, false, false))
        loose << static_cast<MyThumbnailItem*>(item)->properties.name;
    parts << QStringLiteral("[%1]").arg(loose.join(QLatin1Char(',')));
    for (CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true)) {
        QStringList names;
        for (AbstractThumbnailItem* item : shelf.view->getItems(header->getKey(), false, false))
            names << static_cast<MyThumbnailItem*>(item)->properties.name;
        parts << QStringLiteral("%1<%2 %3[%4]")
                     .arg(header->getKey())
                     .arg(shelf.view->getCategoryParent(header->getKey()))
                     .arg(header->getText(), names.join(QLatin1Char(',')));
    }
    return parts.join(QStringLiteral("; "));
}

QStringList logLines()
{
    return TestEnvironment::logLines(VorendaGlobal::getLogFileName());
}

QStringList filesIn(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

// The cabinet data file: what is written, in which form, and what every kind of
// file, sound or not, reads back as.
class TestShelfDataFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roundTripKeepsEverything();
    void goldenFileShowsOrderAndIndentation();
    void readingRules_data();
    void readingRules();
    void categoriesInstallSafely_data();
    void categoriesInstallSafely();
    void deepNestingStopsAtTheDeepestLevel_data();
    void deepNestingStopsAtTheDeepestLevel();
    void overlongTextsAreCutWhileReading_data();
    void overlongTextsAreCutWhileReading();
    void malformedFilesLoadWithoutHarm_data();
    void malformedFilesLoadWithoutHarm();
    void damagedFileIsKeptAsideBeforeTheNextSave();
    void failedWriteKeepsTheOldFile();
    void missingStyleKeepsItsName();
    void readOnlyConfigurationWritesAndDeletesNothing();
    void invalidIdNeverBuildsAPath_data();
    void invalidIdNeverBuildsAPath();
    void changesAreSavedShortlyAfterLoading();
    void missingImageThumbnailIsMadeAgain();
    void loadingAsksForVideosAndReadsLinkFiles();
    void largeFileKeepsOrderWhereverItsSettingsStand_data();
    void largeFileKeepsOrderWhereverItsSettingsStand();

private:
    int savedMaxThumbSize = 0;
};

void TestShelfDataFile::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    savedMaxThumbSize = VorendaGlobal::SHELF_MAXTHUMBSIZE;
    QVERIFY(VorendaGlobal::shelfStyles.size() >= 2);
}

void TestShelfDataFile::init()
{
    VorendaGlobal::logEnabled = true;
    QDir(VorendaGlobal::getDataLocation()).removeRecursively();
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
    QFile::remove(VorendaGlobal::getLogFileName());
}

void TestShelfDataFile::cleanup()
{
    VorendaGlobal::readOnlyConfig = false;
    VorendaGlobal::logEnabled = false;
    VorendaGlobal::SHELF_MAXTHUMBSIZE = savedMaxThumbSize;
}

void TestShelfDataFile::roundTripKeepsEverything()
{
    auto shelf = newShelf();
    shelf->name = awkward(QStringLiteral("Work"));
    shelf->mode = 3;
    shelf->kiosk = true;
    shelf->hidetopbar = shelf->hidemenubar = shelf->hidebottombar = shelf->hidename = true;
    shelf->hidesearchbox = shelf->hidecabinetinfo = shelf->hidethumbsizeslider = shelf->hidecatstatusbutton = true;
    shelf->showcatfullpath = false;
    shelf->showcatnumberofitems = shelf->showcatnumberofmatches = true;
    shelf->shownamewithhotkey = false;
    shelf->textdecoration = 2;
    shelf->textfont = QStringLiteral("DejaVu Serif");
    const ShelfStyle otherStyle = VorendaGlobal::shelfStyles.last();
    QVERIFY(otherStyle.id != shelf->style.id);
    shelf->style = otherStyle;
    shelf->thumbSizeSlider->setValue(77);
    shelf->filtertype = 1;

    // Nested categories, an empty one, a collapsed one, a name with control characters.
    addCategory(*shelf, 0, QStringLiteral("Documents"), -1, true);
    addCategory(*shelf, 3, awkward(QStringLiteral("Letters")), 0, false);
    addCategory(*shelf, 5, QStringLiteral("Old"), 3, true);
    addCategory(*shelf, 1, QStringLiteral("Empty"), -1, false);
    addCategory(*shelf, 2, QStringLiteral("Media"), -1, true);

    struct Kind
    {
        int key;
        int type;
        QString name;
        QString target;
        bool custom;
        int thumbsize;
    };
    const QList<Kind> kinds = {
        {-1, ThumbIcon, QStringLiteral("notes.txt"), QStringLiteral("/srv/none/notes.txt"), false, 128},
        {-1, ThumbIcon, QStringLiteral("Projects"), QStringLiteral("/srv/none/Projects/"), true, 300},
        {0, ThumbIcon, QStringLiteral("Editor"), QStringLiteral("/usr/share/applications/none.desktop"), false, 64},
        {3, ThumbWebPage, QStringLiteral("http://example.org/a?b=c&d=<e>"),
         QStringLiteral("http://example.org/a?b=c&d=<e>"), false, 128},
        {3, ThumbImage, awkward(QStringLiteral("photo")),
         awkward(QStringLiteral("/srv/none/photo")) + QStringLiteral(".jpg"), false, 90},
        {5, ThumbPhoto, QStringLiteral("beach.jpg"), QStringLiteral("/srv/none/beach.jpg"), false, 128},
        {2, ThumbVideo, QStringLiteral("clip.mp4"), QStringLiteral("/srv/none/clip.mp4"), false, 128},
        {2, ThumbAudio, QStringLiteral("song.ogg"), QStringLiteral("/srv/none/song.ogg"), false, 100},
    };
    QList<MyThumbnailItem*> written;
    for (int i = 0; i < kinds.size(); ++i) {
        const Kind& kind = kinds.at(i);
        MyThumbnailItem::Properties p;
        p.name = kind.name;
        p.target = kind.target;
        p.typeName = i == 4 ? awkward(QStringLiteral("JPEG image")) : QStringLiteral("Type %1").arg(i);
        p.size = 5000000000LL + i;
        p.rating = i % 6;
        p.popularity = 4000000000LL * (i + 1);
        p.date = 4000000000u + uint(i);
        p.accessed = i == 0 ? 0u : 1700000000u + uint(i);
        p.added = 1600000000u + uint(i);
        p.type = kind.type;
        p.thumbsize = kind.thumbsize;
        p.customthumb = kind.custom;
        p.tags = i == 4 ? QStringList{QStringLiteral("red"), awkward(QStringLiteral("x"))}
                        : QStringList{QStringLiteral("tag%1").arg(i)};
        p.notes = i == 4 ? awkward(QStringLiteral("note")) : QStringLiteral("Line one\nline two");
        // Cached under the standard name, or for icons under a shared one: nothing is asked anew.
        const QString thumbName = kind.type == ThumbIcon ? QStringLiteral("icon%1.png").arg(i)
                                                         : ThumbnailCache::getThumbnailName(kind.target);
        writeCachePicture(thumbName);
        p.thumbnail = ThumbnailCache::getCachePath(thumbName);
        if (kind.type == ThumbImage || kind.type == ThumbPhoto || kind.type == ThumbVideo) {
            p.width = 4000 + i;
            p.height = 3000 + i;
        }
        if (kind.type == ThumbVideo || kind.type == ThumbAudio) {
            p.length = 215;
            p.bitrate = 320;
        }
        if (kind.type == ThumbVideo)
            p.framerate = 25;
        if (kind.type == ThumbAudio) {
            p.samplerate = 44100;
            p.bitdepth = 16;
            p.channels = 2;
        }
        written << addItem(*shelf, kind.key, p, i % 2 == 0);
    }
    shelf->view->resetModel();

    const QString first = VorendaGlobal::getDataLocation() + QStringLiteral("/first.dat");
    QDir().mkpath(VorendaGlobal::getDataLocation());
    QVERIFY(shelf->save(first));

    auto loaded = newShelf();
    QVERIFY(loaded->load(first));
    QVERIFY(ShelfParts::of(*loaded).dataFile.damagedDataFile().isEmpty());
    QCOMPARE(loaded->name, shelf->name);
    QCOMPARE(loaded->mode, 3);
    QCOMPARE(loaded->kiosk, true);
    QCOMPARE(loaded->hidetopbar, true);
    QCOMPARE(loaded->hidemenubar, true);
    QCOMPARE(loaded->hidebottombar, true);
    QCOMPARE(loaded->hidename, true);
    QCOMPARE(loaded->hidesearchbox, true);
    QCOMPARE(loaded->hidecabinetinfo, true);
    QCOMPARE(loaded->hidethumbsizeslider, true);
    QCOMPARE(loaded->hidecatstatusbutton, true);
    QCOMPARE(loaded->showcatfullpath, false);
    QCOMPARE(loaded->showcatnumberofitems, true);
    QCOMPARE(loaded->showcatnumberofmatches, true);
    QCOMPARE(loaded->shownamewithhotkey, false);
    QCOMPARE(loaded->textdecoration, 2);
    QCOMPARE(loaded->textfont, QStringLiteral("DejaVu Serif"));
    QCOMPARE(loaded->style.id, otherStyle.id);
    QCOMPARE(loaded->thumbSizeSlider->value(), 77);
    QCOMPARE(loaded->filtertype, 1);
    QVERIFY(loaded->searchTagsOnlyAction->isChecked());
    QVERIFY(!loaded->searchAllAction->isChecked());

    QCOMPARE(treeOf(*loaded), treeOf(*shelf));
    // Pictures are decoded after loading, off the GUI thread.
    QTRY_VERIFY(!ShelfParts::of(*loaded).dataFile.isLoadingPictures());
    for (int key : {0, 3, 5, 1, 2}) {
        QCOMPARE(loaded->view->getCategoryHeader(key)->getText(), shelf->view->getCategoryHeader(key)->getText());
        QCOMPARE(loaded->view->getCategoryHeader(key)->isExpanded(), shelf->view->getCategoryHeader(key)->isExpanded());
    }
    const QList<AbstractThumbnailItem*> items = loaded->view->getAllItems();
    QCOMPARE(items.size(), written.size());
    for (AbstractThumbnailItem* entry : items) {
        auto* item = static_cast<MyThumbnailItem*>(entry);
        MyThumbnailItem* original = nullptr;
        for (MyThumbnailItem* candidate : written) {
            if (candidate->properties.target == item->properties.target)
                original = candidate;
        }
        QVERIFY2(original, qPrintable(item->properties.target));
        const MyThumbnailItem::Properties& a = item->properties;
        const MyThumbnailItem::Properties& b = original->properties;
        QCOMPARE(a.name, b.name);
        QCOMPARE(a.typeName, b.typeName);
        QCOMPARE(a.size, b.size);
        QCOMPARE(a.rating, b.rating);
        QCOMPARE(a.popularity, b.popularity);
        QCOMPARE(a.date, b.date);
        QCOMPARE(a.accessed, b.accessed);
        QCOMPARE(a.added, b.added);
        QCOMPARE(a.thumbnail, b.thumbnail);
        QCOMPARE(a.type, b.type);
        QCOMPARE(a.thumbsize, b.thumbsize);
        QCOMPARE(a.customthumb, b.customthumb);
        QCOMPARE(a.tags, b.tags);
        QCOMPARE(a.notes, b.notes);
        QCOMPARE(a.width, b.width);
        QCOMPARE(a.height, b.height);
        QCOMPARE(a.length, b.length);
        QCOMPARE(a.bitrate, b.bitrate);
        QCOMPARE(a.framerate, b.framerate);
        QCOMPARE(a.samplerate, b.samplerate);
        QCOMPARE(a.bitdepth, b.bitdepth);
        QCOMPARE(a.channels, b.channels);
        QCOMPARE(item->isLabelShown(), original->isLabelShown());
        QCOMPARE(item->getCategoryKey(), original->getCategoryKey());
        QCOMPARE(item->getImage().size(), QSize(96, 64));
    }
    QVERIFY(!loaded->dovalinClient->running());
    QVERIFY(!loaded->kestrimClient->running());

    // Written again from what was read, the file is the same to the byte.
    const QString second = VorendaGlobal::getDataLocation() + QStringLiteral("/second.dat");
    QVERIFY(loaded->save(second));
    QCOMPARE(readAll(second), readAll(first));
}

void TestShelfDataFile::goldenFileShowsOrderAndIndentation()
{
    auto shelf = newShelf();
    shelf->name = QStringLiteral("Golden");
    shelf->textfont = QStringLiteral("DejaVu Sans");
    for (const ShelfStyle& style : qAsConst(VorendaGlobal::shelfStyles)) {
        if (style.name == QStringLiteral("Wood #2"))
            shelf->style = style;
    }
    QVERIFY(!shelf->style.id.isEmpty());
    addCategory(*shelf, 0, QStringLiteral("Pictures"), -1, true);
    addCategory(*shelf, 1, QStringLiteral("Holidays"), 0, false);
    MyThumbnailItem::Properties image;
    image.name = QStringLiteral("sea.png");
    image.target = QStringLiteral("/pictures/sea.png");
    image.typeName = QStringLiteral("PNG image");
    image.thumbnail = ThumbnailCache::getCachePath(QStringLiteral("0f.png"));
    image.type = ThumbImage;
    image.thumbsize = 128;
    image.size = 2048;
    image.date = 1600000000;
    image.added = 1600000100;
    image.tags = QStringList{QStringLiteral("Sea"), QStringLiteral("blue")};
    image.notes = QStringLiteral("  a & b  ");
    image.width = 640;
    image.height = 480;
    addItem(*shelf, -1, image, true);
    MyThumbnailItem::Properties song;
    song.name = QStringLiteral("song.ogg");
    song.target = QStringLiteral("/music/song.ogg");
    song.type = ThumbAudio;
    song.thumbsize = 64;
    song.length = 180;
    song.channels = 2;
    addItem(*shelf, 1, song, false);

    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/golden.dat");
    QDir().mkpath(VorendaGlobal::getDataLocation());
    QVERIFY(shelf->save(path));
    // The frame's rectangles depend on the screen; everything else is fixed.
    QString written = QString::fromUtf8(readAll(path));
    written.replace(QRegularExpression(QStringLiteral("(<(?:Shown|Docked|Undocked)) [^/]*/>")), QStringLiteral("\\1 .../>"));
    const QString golden = QString::fromUtf8(readAll(QStringLiteral(VORENDA_SOURCE_DIR "/tests/cabinet/data/shelfdata-golden.dat")));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(written, golden);
}

void TestShelfDataFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("categories");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("expected");

    const QByteArray window = "<Window name=\"n\"/>";
    QTest::newRow("kiosk true reads as off") << QByteArray("<Window name=\"n\" kiosk=\"true\"/>") << QByteArray()
                                             << "kiosk (was on)" << "0";
    QTest::newRow("kiosk 2 reads as on") << QByteArray("<Window name=\"n\" kiosk=\"2\"/>") << QByteArray() << "kiosk"
                                         << "1";
    QTest::newRow("empty kiosk leaves it") << QByteArray("<Window name=\"n\" kiosk=\"\"/>") << QByteArray()
                                           << "kiosk (was on)" << "1";
    QTest::newRow("window without name") << QByteArray("<Window mode=\"2\"/>") << QByteArray() << "name" << "";
    QTest::newRow("mode and decoration bounded")
        << QByteArray("<Window name=\"n\" mode=\"2147483647\"/><Appearance textdecoration=\"-2147483648\"/>")
        << QByteArray() << "mode:decoration" << "8:0";
    QTest::newRow("mode and decoration in range")
        << QByteArray("<Window name=\"n\" mode=\"5\"/><Appearance textdecoration=\"2\"/>") << QByteArray()
        << "mode:decoration" << "5:2";
    QTest::newRow("thumbsize largest int") << window + "<Personalization thumbsize=\"2147483647\"/>" << QByteArray()
                                           << "thumbsize" << "200";
    QTest::newRow("thumbsize 0") << window + "<Personalization thumbsize=\"0\"/>" << QByteArray() << "thumbsize"
                                 << "128";
    QTest::newRow("thumbsize missing") << window + "<Personalization/>" << QByteArray() << "thumbsize" << "128";
    QTest::newRow("thumbsize abc") << window + "<Personalization thumbsize=\"abc\"/>" << QByteArray() << "thumbsize"
                                   << "128";
    QTest::newRow("thumbsize above the maximum") << window + "<Personalization thumbsize=\"9999\"/>" << QByteArray()
                                                 << "thumbsize" << "200";
    QTest::newRow("thumbsize below the minimum") << window + "<Personalization thumbsize=\"-5\"/>" << QByteArray()
                                                 << "thumbsize" << "32";
    QTest::newRow("unknown style keeps the style")
        << window + "<Personalization style=\"no-such-style\"><Extra/></Personalization>" << QByteArray() << "style"
        << "unchanged";
    // Beyond the last filter: bounded to it.
    QTest::newRow("filtertype 7 is all") << window + "<Search filtertype=\"7\"/>" << QByteArray() << "filters"
                                         << "3:---x";
    QTest::newRow("filtertype -2147483648 is names") << window + "<Search filtertype=\"-2147483648\"/>" << QByteArray()
                                                     << "filters" << "0:x---";
    QTest::newRow("filtertype 2") << window + "<Search filtertype=\"2\"/>" << QByteArray() << "filters" << "2:--x-";
    QTest::newRow("tags keep inner blanks") << window
                                            << QByteArray("<Uncategorized><Item name=\"i\"><tags>a, b</tags></Item>"
                                                          "</Uncategorized>")
                                            << "tags" << "a| b";
    QTest::newRow("tags lose case duplicates and empty parts")
        << window << QByteArray("<Uncategorized><Item name=\"i\"><tags>A,,a</tags></Item></Uncategorized>") << "tags"
        << "a";
    // Numbers at the ends of int, on an item with a cached custom picture and on others.
    const QByteArray numbers = "<thumbsize>2147483647</thumbsize><width>2147483647</width><height>-2147483648</height>"
                               "<rating>-2147483648</rating><length>2147483647</length><customthumb>1</customthumb>";
    QTest::newRow("extreme item numbers")
        << window
        << "<Uncategorized><Item name=\"big\" type=\"2\"><target>/big.png</target><thumbnail>hostile.png</thumbnail>"
               + numbers + "</Item><Item name=\"odd\" type=\"2147483647\"><target>/odd</target>" + numbers
               + "</Item><Item name=\"low\" type=\"-2147483648\"><target>/low</target>" + numbers
               + "</Item></Uncategorized>"
        << "targets" << "/big.png;/odd;/low";
    QTest::newRow("unknown elements and attributes are skipped")
        << window + "<Future x=\"1\"><Deep><Deeper/></Deep></Future>"
        << QByteArray("<Uncategorized odd=\"1\"><Item name=\"i\" odd=\"2\"><extra><target>/x</target></extra>"
                      "<target>/y</target></Item><Unknown/></Uncategorized>")
        << "targets" << "/y";
}

void TestShelfDataFile::readingRules()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, categories);
    QFETCH(QString, probe);
    QFETCH(QString, expected);

    VorendaGlobal::SHELF_MAXTHUMBSIZE = 200;
    auto shelf = newShelf();
    shelf->name = QStringLiteral("before");
    shelf->kiosk = probe.endsWith(QStringLiteral("(was on)"));
    shelf->thumbSizeSlider->setValue(50);
    const QString styleBefore = shelf->style.id;
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/rules.dat");
    writeFile(path, document(settings, categories));
    writeCachePicture(QStringLiteral("hostile.png"));
    QVERIFY(shelf->load(path));
    QVERIFY(ShelfParts::of(*shelf).dataFile.damagedDataFile().isEmpty());

    QString actual;
    if (probe.startsWith(QStringLiteral("kiosk"))) {
        actual = QString::number(shelf->kiosk);
    } else if (probe == QStringLiteral("name")) {
        actual = shelf->name;
    } else if (probe == QStringLiteral("mode:decoration")) {
        actual = QStringLiteral("%1:%2").arg(shelf->mode).arg(shelf->textdecoration);
    } else if (probe == QStringLiteral("thumbsize")) {
        actual = QString::number(shelf->thumbSizeSlider->value());
    } else if (probe == QStringLiteral("style")) {
        actual = shelf->style.id == styleBefore ? QStringLiteral("unchanged") : shelf->style.id;
    } else if (probe == QStringLiteral("filters")) {
        actual = QString::number(shelf->filtertype) + QLatin1Char(':');
        for (QAction* action : {shelf->searchNamesOnlyAction, shelf->searchTagsOnlyAction,
                                shelf->searchDescriptionsOnlyAction, shelf->searchAllAction})
            actual += action->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
    } else if (probe == QStringLiteral("tree")) {
        actual = treeOf(*shelf);
    } else {
        QStringList values;
        for (AbstractThumbnailItem* item : shelf->view->getAllItems()) {
            const MyThumbnailItem::Properties& p = static_cast<MyThumbnailItem*>(item)->properties;
            values << (probe == QStringLiteral("tags") ? p.tags.join(QLatin1Char('|')) : p.target);
        }
        actual = values.join(QLatin1Char(';'));
    }
    QCOMPARE(actual, expected);
}

void TestShelfDataFile::categoriesInstallSafely_data()
{
    QTest::addColumn<QByteArray>("categories");
    QTest::addColumn<QString>("tree");

    QTest::newRow("in order") << QByteArray("<Category name=\"P\" key=\"4\"><Item name=\"p\"/></Category>"
                                            "<Category name=\"C\" key=\"7\" parent=\"4\"><Item name=\"c\"/></Category>")
                              << "[]; 4<-1 P[p]; 7<4 C[c]";
    QTest::newRow("repeated key") << QByteArray("<Category name=\"A\" key=\"0\"><Item name=\"a\"/></Category>"
                                                "<Category name=\"B\" key=\"0\" parent=\"0\"><Item name=\"b\"/></Category>")
                                  << "[]; 0<-1 A[a]; 1<-1 B[b]";
    QTest::newRow("child before its parent")
        << QByteArray("<Category name=\"C\" key=\"1\" parent=\"0\"><Item name=\"c\"/></Category>"
                      "<Category name=\"P\" key=\"0\"/>")
        << "[]; 1<-1 C[c]; 0<-1 P[]";
    QTest::newRow("own parent") << QByteArray("<Category name=\"S\" key=\"2\" parent=\"2\"><Item name=\"s\"/></Category>")
                                << "[]; 2<-1 S[s]";
    QTest::newRow("negative and huge keys")
        << QByteArray("<Category name=\"N\" key=\"-3\"><Item name=\"n\"/></Category>"
                      "<Category name=\"H\" key=\"2147483647\"><Item name=\"h\"/></Category>")
        << "[]; 0<-1 N[n]; 1<-1 H[h]";
    QTest::newRow("key not a number") << QByteArray("<Category name=\"X\" key=\"abc\" parent=\"\"/>") << "[]; 0<-1 X[]";
    QTest::newRow("uncategorised twice") << QByteArray("<Uncategorized><Item name=\"u1\"/></Uncategorized>"
                                                       "<Uncategorized><Item name=\"u2\"/></Uncategorized>")
                                         << "[u1,u2]";

    // Categories nested as elements: the element around one is its parent, and the
    // items after a nested element's end belong to the one around it again.
    QTest::newRow("nested") << QByteArray("<Category name=\"A\" key=\"0\"><Item name=\"a1\"/>"
                                          "<Category name=\"B\" key=\"1\"><Item name=\"b\"/></Category>"
                                          "<Item name=\"a2\"/></Category>")
                            << "[]; 0<-1 A[a1,a2]; 1<0 B[b]";
    QTest::newRow("nested without keys")
        << QByteArray("<Category name=\"A\"><Category name=\"B\"><Category name=\"C\"><Item name=\"c\"/></Category>"
                      "</Category><Item name=\"a\"/></Category><Category name=\"D\"/>")
        << "[]; 0<-1 A[a]; 1<0 B[]; 2<1 C[c]; 3<-1 D[]";
    QTest::newRow("nested outranks the parent attribute")
        << QByteArray("<Category name=\"P\" key=\"5\"/><Category name=\"A\" key=\"0\">"
                      "<Category name=\"B\" key=\"1\" parent=\"5\"><Item name=\"b\"/></Category></Category>")
        << "[]; 5<-1 P[]; 0<-1 A[]; 1<0 B[b]";
    QTest::newRow("nested with a taken key keeps its parent")
        << QByteArray("<Category name=\"A\" key=\"0\"><Category name=\"B\" key=\"0\"><Item name=\"b\"/></Category>"
                      "</Category>")
        << "[]; 0<-1 A[]; 1<0 B[b]";
    QTest::newRow("nested in uncategorised")
        << QByteArray("<Uncategorized><Item name=\"u1\"/><Category name=\"N\" key=\"3\"><Item name=\"n\"/>"
                      "</Category><Item name=\"u2\"/></Uncategorized>")
        << "[u1,u2]; 3<-1 N[n]";
    QTest::newRow("uncategorised in a category")
        << QByteArray("<Category name=\"A\" key=\"0\"><Uncategorized><Item name=\"x\"/>"
                      "<Category name=\"T\" key=\"1\"/></Uncategorized><Item name=\"a\"/></Category>")
        << "[x]; 0<-1 A[a]; 1<-1 T[]";
    QByteArray chain;
    QStringList chainTree{QStringLiteral("[]")};
    for (int level = 0; level < 1000; ++level) {
        chain += "<Category name=\"L" + QByteArray::number(level) + "\"><Item name=\"i" + QByteArray::number(level)
            + "\"/>";
        chainTree << QStringLiteral("%1<%2 L%1[i%1]").arg(level).arg(level - 1);
    }
    for (int level = 0; level < 1000; ++level)
        chain += "</Category>";
    QTest::newRow("1,000 levels nested") << chain << chainTree.join(QStringLiteral("; "));
}

void TestShelfDataFile::categoriesInstallSafely()
{
    QFETCH(QByteArray, categories);
    QFETCH(QString, tree);

    auto shelf = newShelf();
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/categories.dat");
    writeFile(path, document("<Window name=\"c\"/>", categories));
    QVERIFY(shelf->load(path));
    QCOMPARE(treeOf(*shelf), tree);
    // A category made later gets a key above every loaded one.
    const int last = shelf->view->getLastCategoryKey();
    QVERIFY(last < 0x3FFFFFFF);
    for (CategoryHeaderItem* header : shelf->view->getCategoryHeaderList(-1, true))
        QVERIFY(header->getKey() <= last);

    // What was read is written so that it reads the same again.
    const QString again = VorendaGlobal::getDataLocation() + QStringLiteral("/again.dat");
    QVERIFY(shelf->save(again));
    auto reloaded = newShelf();
    QVERIFY(reloaded->load(again));
    QCOMPARE(treeOf(*reloaded), tree);
}

void TestShelfDataFile::deepNestingStopsAtTheDeepestLevel_data()
{
    QTest::addColumn<bool>("nestedElements");
    QTest::newRow("nested elements") << true;
    QTest::newRow("parent keys") << false;
}

void TestShelfDataFile::deepNestingStopsAtTheDeepestLevel()
{
    // Five categories below the deepest level, each with an item, and (nested) one
    // more item of the category around the deepest one after its end.
    QFETCH(bool, nestedElements);
    const int deepest = CategoryDepthLimit::deepestLevel;
    const int levels = deepest + 5;
    QByteArray categories;
    for (int level = 0; level < levels; ++level) {
        const QByteArray n = QByteArray::number(level);
        categories += "<Category name=\"L" + n + "\" key=\"" + n + "\"";
        if (!nestedElements && level > 0)
            categories += " parent=\"" + QByteArray::number(level - 1) + "\"";
        categories += "><Item name=\"i" + n + "\"/>";
        if (!nestedElements)
            categories += "</Category>";
    }
    if (nestedElements) {
        for (int level = levels - 1; level >= 0; --level) {
            categories += "</Category>";
            if (level == deepest - 1)
                categories += "<Item name=\"after\"/>";
        }
        // The item after the deepest category's end is that of the one around it.
    }
    auto shelf = newShelf();
    const QString path = ShelfDataFile::path(*shelf);
    const QByteArray bytes = document("<Window name=\"Deep\"/>", categories);
    writeFile(path, bytes);
    shelf->initialize();

    // Down to the deepest level a chain, below it the categories stand beside each
    // other under the category above the deepest level, each with its own item.
    MyThumbnailView* view = shelf->view;
    QCOMPARE(view->getCategoryHeaderList(-1, true).size(), levels);
    for (int level = 0; level < levels; ++level) {
        QCOMPARE(view->getCategoryParent(level), level == 0 ? -1 : qMin(level - 1, deepest - 2));
        QStringList names;
        for (AbstractThumbnailItem* item : view->getItems(level, false, false))
            names << static_cast<MyThumbnailItem*>(item)->properties.name;
        QStringList expected{QStringLiteral("i%1").arg(level)};
        if (nestedElements && level == deepest - 2)
            expected << QStringLiteral("after");
        QCOMPARE(names, expected);
    }
    QVERIFY(logLines().contains(
        QStringLiteral("VorendaShelf (Deep): %1 nests categories deeper than %2 levels: the deeper ones stand at level "
                       "%2, and the file is kept aside at the next save")
            .arg(path)
            .arg(deepest)));
    // The file stays as it was: read alone, and kept aside whole at the first save.
    QCOMPARE(readAll(path), bytes);
    shelf->save();
    const QStringList kept = QDir(VorendaGlobal::getDataLocation())
                                 .entryList({QFileInfo(path).fileName() + QStringLiteral(".damaged-*")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readAll(VorendaGlobal::getDataLocation() + QLatin1Char('/') + kept.first()), bytes);
    // What was saved reads back as the same tree, without a cut.
    auto reloaded = newShelf();
    QVERIFY(reloaded->load(path));
    QCOMPARE(treeOf(*reloaded), treeOf(*shelf));
    QVERIFY(ShelfParts::of(*reloaded).dataFile.damagedDataFile().isEmpty());
}

void TestShelfDataFile::overlongTextsAreCutWhileReading_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("logged");

    const int line = ItemTextLimits::line;
    const QByteArray longLine(line + 100, 'x');
    QTest::newRow("name") << "<Item name=\"" + longLine + "\"/>" << "name" << line << "name";
    QTest::newRow("target") << "<Item name=\"t\"><target>" + longLine + "</target></Item>" << "target" << line
                            << "target";
    QTest::newRow("notes") << "<Item name=\"n\"><notes>" + QByteArray(ItemTextLimits::notes + 10, 'x')
            + "</notes></Item>"
                           << "notes" << ItemTextLimits::notes << "notes";
    QTest::newRow("tags") << "<Item name=\"g\"><tags>" + longLine + "</tags></Item>" << "tags" << line << "tags";
    QTest::newRow("name and type") << "<Item name=\"" + longLine + "\"><type>" + longLine + "</type></Item>"
                                   << "type" << line << "name, type";
    // A text at the limit is kept whole, however long it is written with escapes.
    QByteArray escaped;
    for (int i = 0; i < line; ++i)
        escaped += "\xEE\x80\x80" "0041"; // U+E000 and "0041": an escaped 'A'
    QTest::newRow("escaped name at the limit") << "<Item name=\"" + escaped + "\"/>" << "name" << line << "";
    QTest::newRow("category name") << QByteArray() << "category" << line << "";
}

void TestShelfDataFile::overlongTextsAreCutWhileReading()
{
    QFETCH(QByteArray, item);
    QFETCH(QString, field);
    QFETCH(int, kept);
    QFETCH(QString, logged);

    const QByteArray categoryName = field == QLatin1String("category") ? QByteArray(ItemTextLimits::line + 100, 'c')
                                                                       : QByteArray("C");
    auto shelf = newShelf();
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/long.dat");
    writeFile(path, document("<Window name=\"Long\"/>",
                             "<Category name=\"" + categoryName + "\" key=\"0\">" + item + "</Category>"));
    QVERIFY(shelf->load(path));
    if (field == QLatin1String("category")) {
        QCOMPARE(shelf->view->getCategoryHeader(0)->getText(), QString(kept, QLatin1Char('c')));
        QVERIFY(logLines().contains(QStringLiteral("VorendaShelf (Long): Category \"%1\": its name longer than a "
                                                   "category keeps, cut while reading")
                                        .arg(QString(64, QLatin1Char('c')))));
        return;
    }
    const QList<AbstractThumbnailItem*> items = shelf->view->getAllItems();
    QCOMPARE(items.size(), 1);
    const MyThumbnailItem::Properties& p = static_cast<MyThumbnailItem*>(items.first())->properties;
    const QString text = field == QLatin1String("name")     ? p.name
                         : field == QLatin1String("target") ? p.target
                         : field == QLatin1String("notes")  ? p.notes
                         : field == QLatin1String("type")   ? p.typeName
                                                            : p.tags.join(QLatin1Char(','));
    QCOMPARE(text.size(), kept);
    QVERIFY(text == QString(kept, QLatin1Char(field == QLatin1String("name") && logged.isEmpty() ? 'A' : 'x')));
    const QStringList cutLines = logLines().filter(QStringLiteral("cut while reading"));
    if (logged.isEmpty()) {
        QVERIFY2(cutLines.isEmpty(), qPrintable(cutLines.join(QLatin1Char('\n')).left(200)));
        return;
    }
    QCOMPARE(cutLines, QStringList{QStringLiteral("VorendaShelf (Long): Item \"%1\": its %2 longer than an item "
                                                  "keeps, cut while reading")
                                       .arg(p.name.left(64), logged)});
}

void TestShelfDataFile::malformedFilesLoadWithoutHarm_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tree");

    const QByteArray head = "<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root><Settings>"
                            "<Window name=\"Kept\"/></Settings>";
    QTest::newRow("another document type")
        << document("<Window name=\"Other\"/>", "<Uncategorized><Item name=\"x\"/></Uncategorized>", "Vorenda-Data")
        << false << "before" << "[]";
    QTest::newRow("cut inside an item")
        << head + "<Uncategorized><Item name=\"first\"><target>/a</target></Item>"
                  "<Item name=\"cut\" type=\"0\"><target>/b</target><notes>half a no"
        << true << "Kept" << "[first,cut]";
    QTest::newRow("element inside a text element")
        << head + "<Uncategorized><Item name=\"odd\"><target>/a<b/></target></Item><Item name=\"never\"/>"
                  "</Uncategorized></Root>"
        << true << "Kept" << "[odd]";
    QTest::newRow("empty file") << QByteArray() << true << "before" << "[]";
    // Well-formed, but another kind of file: refused, never taken for an empty cabinet.
    const QByteArray items = "<Settings><Window name=\"Wrong\"/></Settings><Uncategorized><Item name=\"x\"/>"
                             "</Uncategorized>";
    QTest::newRow("wrong root element") << "<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Wrong>" + items
            + "</Wrong>\n"
                                        << false << "before" << "[]";
    QTest::newRow("wrong root element, no document type") << "<Wrong>" + items + "</Wrong>" << false << "before" << "[]";
    QTest::newRow("fifo") << QByteArray("fifo") << false << "before" << "[]";
    QTest::newRow("folder") << QByteArray("folder") << false << "before" << "[]";

    QByteArray noise(64 * 1024, '\0');
    QRandomGenerator random(20261210);
    for (char& byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << true << "before" << "[]";

    QByteArray deep = head + "<Category name=\"top\" key=\"0\">";
    for (int i = 0; i < 1000; ++i)
        deep += "<Category name=\"c\" key=\"" + QByteArray::number(i + 1) + "\"><Item name=\"i\">";
    for (int i = 0; i < 1000; ++i)
        deep += "</Item></Category>";
    deep += "<Item name=\"after\"/></Category>";
    for (int i = 0; i < 1000; ++i)
        deep += "<Root>";
    deep += "<Category name=\"deep\" key=\"9\"/>";
    QTest::newRow("1,000 levels of nesting") << deep << true << "Kept" << "[]; 0<-1 top[after]; 1<0 c[i]; 9<-1 deep[]";
}

void TestShelfDataFile::malformedFilesLoadWithoutHarm()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(QString, name);
    QFETCH(QString, tree);

    auto shelf = newShelf();
    shelf->name = QStringLiteral("before");
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/malformed.dat");
    if (content == "fifo") {
        QDir().mkpath(VorendaGlobal::getDataLocation());
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (content == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        writeFile(path, content);
    }
    QCOMPARE(shelf->load(path), loads);
    QCOMPARE(shelf->name, name);
    QCOMPARE(treeOf(*shelf), tree);
    QCOMPARE(ShelfParts::of(*shelf).dataFile.damagedDataFile(), path);
}

void TestShelfDataFile::damagedFileIsKeptAsideBeforeTheNextSave()
{
    auto shelf = newShelf();
    const QString path = ShelfDataFile::path(*shelf);
    const QByteArray cut = "<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root><Settings>"
                           "<Window name=\"Half\"/></Settings><Uncategorized><Item name=\"kept\"><target>/k</target>"
                           "</Item><Item name=\"cut";
    writeFile(path, cut);
    shelf->initialize();
    QCOMPARE(ShelfParts::of(*shelf).dataFile.damagedDataFile(), path);
    // Reading alone changes nothing on disk.
    QCOMPARE(filesIn(VorendaGlobal::getDataLocation()), QStringList{path});

    shelf->save();
    const QStringList files = filesIn(VorendaGlobal::getDataLocation());
    QCOMPARE(files.size(), 2);
    const QString kept = files.first() == path ? files.last() : files.first();
    QVERIFY2(QRegularExpression(QStringLiteral("\\.dat\\.damaged-\\d{8}-\\d{6}$")).match(kept).hasMatch(),
             qPrintable(kept));
    QCOMPARE(readAll(kept), cut);
    QVERIFY(ShelfParts::of(*shelf).dataFile.damagedDataFile().isEmpty());

    auto reloaded = newShelf();
    QVERIFY(reloaded->load(path));
    QVERIFY(ShelfParts::of(*reloaded).dataFile.damagedDataFile().isEmpty());
    QCOMPARE(reloaded->name, QStringLiteral("Half"));
    QCOMPARE(treeOf(*reloaded), QStringLiteral("[kept]"));

    // Later saves replace the sound file and keep no further copies.
    shelf->save();
    QCOMPARE(filesIn(VorendaGlobal::getDataLocation()).size(), 2);
    QVERIFY(logLines().contains(QStringLiteral("VorendaShelf (Half): The damaged file was kept as %1").arg(kept)));
}

void TestShelfDataFile::failedWriteKeepsTheOldFile()
{
    auto shelf = newShelf();
    shelf->name = QStringLiteral("Full");
    const QString path = ShelfDataFile::path(*shelf);
    const QByteArray old = document("<Window name=\"Old\"/>", "<Uncategorized><Item name=\"old\"/></Uncategorized>");
    writeFile(path, old);
    for (int i = 0; i < 300; ++i) {
        MyThumbnailItem::Properties p;
        p.name = QStringLiteral("item %1").arg(i);
        p.target = QStringLiteral("/srv/none/%1").arg(i);
        addItem(*shelf, -1, p, true);
    }

    // The disk fills up half-way through the file.
    struct rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 8192;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = shelf->save(path);
    shelf->save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(readAll(path), old);
    QCOMPARE(filesIn(VorendaGlobal::getDataLocation()), QStringList{path});
    const QStringList lines = logLines();
    QVERIFY(lines.contains(QStringLiteral("VorendaShelf (Full): Saving...")));
    QVERIFY(lines.contains(QStringLiteral("VorendaShelf (Full): Saving failed!")));
    QVERIFY(!lines.contains(QStringLiteral("VorendaShelf (Full): Done!")));
    // Both saves say why, the first too, whose last write the limit cut short.
    const QString why = QStringLiteral("VorendaShelf (Full): Cannot write %1: %2")
                            .arg(path, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QVERIFY2(lines.count(why) == 2, qPrintable(lines.join(QLatin1Char('\n'))));

    // With room again the same cabinet saves whole.
    shelf->save();
    QVERIFY(logLines().contains(QStringLiteral("VorendaShelf (Full): Done!")));
    auto reloaded = newShelf();
    QVERIFY(reloaded->load(path));
    QCOMPARE(reloaded->view->getAllItems().size(), 300);
}

void TestShelfDataFile::missingStyleKeepsItsName()
{
    auto shelf = newShelf();
    const QString path = ShelfDataFile::path(*shelf);
    const QString standIn = shelf->style.id;
    writeFile(path, document("<Window name=\"Styled\"/><Personalization style=\"Gone Style\"/>", ""));
    QVERIFY(shelf->load(path));
    QCOMPARE(shelf->style.id, standIn); // the default look meanwhile
    QVERIFY(shelf->save(path));
    QVERIFY(readAll(path).contains("<Personalization style=\"Gone Style\""));

    // The style file is back: the cabinet wears its style again.
    ShelfStyle back = VorendaGlobal::shelfStyles.last();
    back.id = QStringLiteral("Gone Style");
    back.key = VorendaGlobal::shelfStyles.lastKey() + 1;
    VorendaGlobal::shelfStyles.insert(back.key, back);
    auto reloaded = newShelf();
    QVERIFY(reloaded->load(path));
    VorendaGlobal::shelfStyles.remove(back.key);
    QCOMPARE(reloaded->style.id, QStringLiteral("Gone Style"));

    // A style the user picks meanwhile is the one saved.
    const ShelfStyle chosen = VorendaGlobal::shelfStyles.last();
    QVERIFY(chosen.id != standIn);
    shelf->onApplyStyle(chosen, AllElements);
    QVERIFY(shelf->save(path));
    QVERIFY(readAll(path).contains("<Personalization style=\"" + chosen.id.toUtf8() + "\""));
}

void TestShelfDataFile::readOnlyConfigurationWritesAndDeletesNothing()
{
    auto shelf = newShelf();
    shelf->name = QStringLiteral("Locked");
    const QString path = ShelfDataFile::path(*shelf);
    const QByteArray damaged = "<?xml version=\"1.0\"?><!DOCTYPE Vorenda-Data><Root/>";
    writeFile(path, damaged);
    QVERIFY(!shelf->load(path));
    QCOMPARE(ShelfParts::of(*shelf).dataFile.damagedDataFile(), path);
    QFile::remove(VorendaGlobal::getLogFileName());

    VorendaGlobal::readOnlyConfig = true;
    QVERIFY(!shelf->save(path));
    shelf->save();
    QCOMPARE(filesIn(VorendaGlobal::getDataLocation()), QStringList{path});
    QCOMPARE(readAll(path), damaged);
    QCOMPARE(logLines(), QStringList{QStringLiteral("VorendaShelf (Locked): Read-Only Configuration")});
}

void TestShelfDataFile::invalidIdNeverBuildsAPath_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("empty") << QString() << ".dat";
    QTest::newRow("climbs out") << "../../evil"
                                << "../../evil.dat";
    QTest::newRow("31 digits") << cabinetId.left(31) << cabinetId.left(31) + QStringLiteral(".dat");
    QTest::newRow("33 digits") << cabinetId + QStringLiteral("0") << cabinetId + QStringLiteral("0.dat");
    QTest::newRow("not hexadecimal") << cabinetId.left(31) + QStringLiteral("g")
                                     << cabinetId.left(31) + QStringLiteral("g.dat");
    QTest::newRow("line break after the digits") << cabinetId + QStringLiteral("\n")
                                                 << cabinetId + QStringLiteral("\n.dat");
    QTest::newRow("file name not from the id") << cabinetId << "../elsewhere.dat";
}

void TestShelfDataFile::invalidIdNeverBuildsAPath()
{
    QFETCH(QString, id);
    QFETCH(QString, fileName);

    auto shelf = std::make_unique<VorendaShelf>();
    shelf->name = QStringLiteral("Nameless");
    shelf->id = id;
    shelf->fileName = fileName;
    QCOMPARE(ShelfDataFile::path(*shelf), QString());
    shelf->initialize();
    shelf->save();
    QCOMPARE(filesIn(TestEnvironment::instance()->root()).filter(QStringLiteral(".dat")), QStringList());
    QVERIFY(!logLines().filter(QStringLiteral("VorendaShelf (Nameless): Not saved: the cabinet id")).isEmpty());
}

void TestShelfDataFile::changesAreSavedShortlyAfterLoading()
{
    auto shelf = newShelf();
    const QString path = ShelfDataFile::path(*shelf);
    MyThumbnailItem::Properties p;
    p.name = QStringLiteral("early");
    // A change before the file was read must not write over it.
    shelf->view->addItem(shelf->getThumbnailItem(QPixmap(8, 8), QSize(8, 8), p.name, -1), true);
    QTest::qWait(ShelfDataFile::saveDelay + 500);
    QVERIFY(!QFile::exists(path));

    shelf->initialize();
    QVERIFY(!QFile::exists(path));
    MyThumbnailItem* item = shelf->getThumbnailItem(QPixmap(8, 8), QSize(8, 8), QStringLiteral("late"), -1);
    item->properties.name = QStringLiteral("late");
    shelf->view->addItem(item, true);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), ShelfDataFile::saveDelay + 5000);
    auto reloaded = newShelf();
    QVERIFY(reloaded->load(path));
    QCOMPARE(reloaded->view->getAllItems().size(), 2);
}

void TestShelfDataFile::missingImageThumbnailIsMadeAgain()
{
    // A real picture whose cached thumbnail is gone: the loader shows the type icon
    // and the image helper makes the thumbnail again.
    const QString picture = TestEnvironment::instance()->root() + QStringLiteral("/pictures/wave.png");
    QDir().mkpath(QFileInfo(picture).absolutePath());
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QVERIFY(image.save(picture));
    const QString standard = ThumbnailCache::getThumbnailName(picture);
    // A second picture whose cached thumbnail is cut short: measurable, not decodable.
    const QString second = TestEnvironment::instance()->root() + QStringLiteral("/pictures/cut.png");
    QVERIFY(image.scaled(300, 300).save(second));
    const QString secondName = ThumbnailCache::getThumbnailName(second);
    writeCachePicture(QStringLiteral("whole.png"), QSize(256, 256));
    writeFile(ThumbnailCache::getCachePath(secondName), readAll(ThumbnailCache::getCachePath(QStringLiteral("whole.png"))).left(200));

    auto shelf = newShelf();
    shelf->dovalinClient->setProgram(QStringLiteral(VORENDA_BIN_DIR "/dovalin"));
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/thumbs.dat");
    writeFile(path, document("<Window name=\"t\"/>",
                             "<Uncategorized><Item name=\"wave\" type=\"1\" label=\"1\"><target>" + picture.toUtf8()
                                 + "</target><thumbnail>" + standard.toUtf8() + "</thumbnail><thumbsize>128</thumbsize>"
                                   "</Item><Item name=\"song\" type=\"5\"><target>/srv/none/song.ogg</target></Item>"
                                   "<Item name=\"cut\" type=\"1\"><target>" + second.toUtf8() + "</target></Item>"
                                   "</Uncategorized>"));
    QVERIFY(shelf->load(path));
    const QList<AbstractThumbnailItem*> items = shelf->view->getAllItems();
    QCOMPARE(items.size(), 3);
    auto* wave = static_cast<MyThumbnailItem*>(items.at(0));
    auto* song = static_cast<MyThumbnailItem*>(items.at(1));
    auto* cut = static_cast<MyThumbnailItem*>(items.at(2));
    QVERIFY(wave->properties.thumbnail != ThumbnailCache::getCachePath(standard));
    QVERIFY(QFile::exists(wave->properties.thumbnail));
    QVERIFY(!wave->getImage().isNull());
    // An audio item whose picture is gone keeps its icon and asks for nothing.
    QVERIFY(QFile::exists(song->properties.thumbnail));
    QVERIFY(!song->getImage().isNull());

    QCOMPARE(cut->properties.thumbnail, ThumbnailCache::getCachePath(secondName));

    QTRY_COMPARE_WITH_TIMEOUT(wave->properties.thumbnail, ThumbnailCache::getCachePath(standard), 20000);
    QVERIFY(QFile::exists(ThumbnailCache::getCachePath(standard)));
    QCOMPARE(wave->properties.width, 600);
    QCOMPARE(wave->properties.height, 400);
    // The cut file turned out undecodable: the icon first, then a thumbnail made anew.
    QTRY_VERIFY_WITH_TIMEOUT(!cut->getImage().isNull(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(cut->properties.width, 300, 20000);
    QCOMPARE(QImage(ThumbnailCache::getCachePath(secondName)).size(), QSize(256, 256));
}

// A video that still shows its type icon asks for its frame again, one with its own
// thumbnail does not, an audio file never does while loading, and a link file saved
// before its address was read is read now and becomes a web link.
void TestShelfDataFile::loadingAsksForVideosAndReadsLinkFiles()
{
    const QString folder = TestEnvironment::instance()->root() + QStringLiteral("/media");
    const QString iconVideo = folder + QStringLiteral("/holiday.mp4");
    const QString doneVideo = folder + QStringLiteral("/done.mp4");
    const QString song = folder + QStringLiteral("/song.flac");
    const QString link = folder + QStringLiteral("/Site.url");
    for (const QString& path : {iconVideo, doneVideo, song})
        writeFile(path, "x");
    writeFile(link, "[InternetShortcut]\nURL=https://loaded.example.org/\n");
    writeCachePicture(ThumbnailCache::getThumbnailName(QStringLiteral(".MP4")));
    writeCachePicture(ThumbnailCache::getThumbnailName(doneVideo), QSize(256, 144));

    auto shelf = newShelf();
    const QString idle = TestEnvironment::instance()->installStub(QStringLiteral("idle-helper"), "exec sleep 30\n");
    for (ThumbnailClient* client : std::initializer_list<ThumbnailClient*>{
             shelf->kestrimClient, shelf->tulmarClient, shelf->sarnekClient, shelf->dovalinClient})
        client->setProgram(idle);
    const auto item = [](const QByteArray& name, int type, const QString& target, const QByteArray& thumbnail) {
        return "<Item name=\"" + name + "\" type=\"" + QByteArray::number(type) + "\"><target>" + target.toUtf8()
               + "</target><thumbnail>" + thumbnail + "</thumbnail></Item>";
    };
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/media.dat");
    writeFile(path, document("<Window name=\"m\"/>",
                             "<Uncategorized>"
                                 + item("holiday", 3, iconVideo,
                                        ThumbnailCache::getThumbnailName(QStringLiteral(".MP4")).toUtf8())
                                 + item("done", 3, doneVideo, ThumbnailCache::getThumbnailName(doneVideo).toUtf8())
                                 + item("song", 5, song, QByteArray()) + item("site", 0, link, QByteArray())
                                 + "</Uncategorized>"));
    QVERIFY(shelf->load(path));
    const QList<AbstractThumbnailItem*> items = shelf->view->getAllItems();
    QCOMPARE(items.size(), 4);
    auto* site = static_cast<MyThumbnailItem*>(items.at(3));

    QTRY_VERIFY(!shelf->tulmarClient->getDataFilePath().isEmpty());
    QCOMPARE(jobKeys(shelf->tulmarClient), QStringList{getHash(iconVideo)});
    QTRY_COMPARE(site->properties.target, QStringLiteral("https://loaded.example.org/"));
    QCOMPARE(site->properties.type, int(ThumbWebPage));
    QTRY_VERIFY(!shelf->kestrimClient->getDataFilePath().isEmpty());
    QCOMPARE(jobKeys(shelf->kestrimClient), QStringList{getHash(site->properties.target)});
    QVERIFY(!shelf->sarnekClient->running());
    QVERIFY(shelf->sarnekClient->getDataFilePath().isEmpty());
}

VORENDA_TEST_MAIN(TestShelfDataFile)
#include "tst_shelfdatafile.moc"

void TestShelfDataFile::largeFileKeepsOrderWhereverItsSettingsStand_data()
{
    QTest::addColumn<int>("settingsBefore");
    // Settings shape the items read after them: those without a size of their own
    // take the cabinet's, 50 before the Settings element and 100 after it.
    QTest::newRow("settings first") << 0;
    QTest::newRow("settings between categories") << 3;
    QTest::newRow("settings last") << 5;
}

void TestShelfDataFile::largeFileKeepsOrderWhereverItsSettingsStand()
{
    QFETCH(int, settingsBefore);

    // Enough items for many hand-overs between reading and building; categories nested
    // and out of key order; every third picture missing from the cache.
    const QList<QByteArray> heads = {"<Uncategorized>", "<Category name=\"A\" key=\"7\" expand=\"1\">",
                                     "<Category name=\"B\" key=\"2\" parent=\"7\" expand=\"0\">",
                                     "<Category name=\"C\" key=\"5\" expand=\"1\">",
                                     "<Category name=\"D\" key=\"1\" parent=\"2\" expand=\"1\">"};
    const QByteArray settings = "<Settings><Window name=\"Large\"/><Personalization thumbsize=\"100\"/></Settings>";
    QByteArray body;
    QStringList expected;
    QStringList sizes;
    QStringList missing;
    int n = 0;
    for (int c = 0; c < heads.size(); ++c) {
        if (c == settingsBefore)
            body += settings;
        body += heads.at(c);
        QStringList names;
        for (int i = 0; i < 500; ++i, ++n) {
            const QString target = QStringLiteral("/pictures/item-%1.png").arg(n);
            if (n % 3 != 0)
                writeCachePicture(ThumbnailCache::getThumbnailName(target), QSize(8, 6));
            else
                missing << QString::number(n);
            body += "<Item name=\"item-" + QByteArray::number(n) + "\" type=\"1\" label=\"1\"><target>"
                    + target.toUtf8() + "</target></Item>";
            names << QStringLiteral("item-%1").arg(n);
            sizes << QString::number(c >= settingsBefore ? 100 : 50);
        }
        body += c == 0 ? "</Uncategorized>" : "</Category>";
        expected << names.join(QLatin1Char(','));
    }
    if (settingsBefore == heads.size())
        body += settings;
    const QString path = VorendaGlobal::getDataLocation() + QStringLiteral("/large.dat");
    writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-CabinetData>\n<Root>" + body
                        + "</Root>\n");

    auto shelf = newShelf();
    shelf->thumbSizeSlider->setValue(50);
    QVERIFY(shelf->load(path));
    QVERIFY(ShelfParts::of(*shelf).dataFile.damagedDataFile().isEmpty());
    QCOMPARE(shelf->name, QStringLiteral("Large"));
    QCOMPARE(treeOf(*shelf), QStringLiteral("[%1]; 7<-1 A[%2]; 2<7 B[%3]; 1<2 D[%5]; 5<-1 C[%4]")
                                 .arg(expected.at(0), expected.at(1), expected.at(2), expected.at(3), expected.at(4)));

    // In file order: the size each item took, and which showed their icon at once
    // because their picture is missing (the others are decoded later).
    QHash<QString, MyThumbnailItem*> byName;
    for (AbstractThumbnailItem* entry : shelf->view->getAllItems())
        byName.insert(static_cast<MyThumbnailItem*>(entry)->properties.name, static_cast<MyThumbnailItem*>(entry));
    QStringList actualSizes;
    QStringList actualMissing;
    int i = 0;
    for (const QString& name : expected.join(QLatin1Char(',')).split(QLatin1Char(','))) {
        MyThumbnailItem* item = byName.value(name);
        QVERIFY(item);
        actualSizes << QString::number(item->properties.thumbsize);
        if (!item->getImage().isNull())
            actualMissing << QString::number(i);
        ++i;
    }
    QCOMPARE(actualSizes, sizes);
    QCOMPARE(actualMissing, missing);
}
