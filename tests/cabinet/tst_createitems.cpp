#include "TestEnvironment.h"

#include "BinaryPropertyList.h"
#include "CabinetTestFixtures.h"
#include "FolderWarningDialog.h"
#include "MyThumbnailView.h"
#include "QuestionDriver.h"
#include "ShelfParts.h"
#include "TextFunctions.h"
#include "ThumbnailCache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

// Items made from paths, web addresses, dropped URLs and the view's own pasted item
// data: names, kinds, first pictures from the cache, shared type icons, the folder
// question and which thumbnail jobs are queued.
class TestCreateItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void addItemNames_data();
    void addItemNames();
    void sameTargetOncePerCategory();
    void documentsShareOneCachedTypeIcon();
    void imageShowsItsTypeIconAndAsksForAThumbnail();
    void webLinks();
    void droppedLinkKeepsItsFirstLine();
    void linkFilesBecomeWebLinks_data();
    void linkFilesBecomeWebLinks();
    void droppedFolder_data();
    void droppedFolder();
    void droppedApplicationEntryIsOneItem();
    void nameLabelByPreference_data();
    void nameLabelByPreference();
    void pastedItemData_data();
    void pastedItemData();
    void damagedItemDataMakesNothing();
    void lockedCabinetMakesNothing();

private:
    QString file(const QString& name, const QByteArray& content = "content");
    // A stand-in helper that takes its batch and keeps it, so a queued job shows as a running helper.
    void holdJobs(VorendaShelf& shelf);
    static bool jobQueued(ThumbnailClient* client);

    QTemporaryDir files;
    QString idleHelper;
};

void TestCreateItems::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    idleHelper = TestEnvironment::instance()->installStub(QStringLiteral("idle-helper"), "exec sleep 30\n");
}

void TestCreateItems::init()
{
    VorendaGlobal::showLabelMode = 2;
    QDir(VorendaGlobal::getCacheLocation()).removeRecursively();
}

QString TestCreateItems::file(const QString& name, const QByteArray& content)
{
    const QString path = files.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    return path;
}

void TestCreateItems::holdJobs(VorendaShelf& shelf)
{
    shelf.dovalinClient->setProgram(idleHelper);
    shelf.kestrimClient->setProgram(idleHelper);
}

bool TestCreateItems::jobQueued(ThumbnailClient* client)
{
    QTest::qWait(50);
    return client->running() || !client->getDataFilePath().isEmpty();
}

void TestCreateItems::addItemNames_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("itemName");
    QTest::newRow("file name loses its suffix") << "Report.pdf" << "Report.pdf" << "Report";
    QTest::newRow("name without a suffix stays") << "Report.pdf" << "Holiday" << "Holiday";
    QTest::newRow("empty name is the file's") << "Report.pdf" << "" << "Report";
    QTest::newRow("folder name with a dot stays") << "my.folder" << "v1.2 drafts" << "v1.2 drafts";
}

void TestCreateItems::addItemNames()
{
    QFETCH(QString, target);
    QFETCH(QString, name);
    QFETCH(QString, itemName);
    file(QStringLiteral("Report.pdf"));
    QDir(files.path()).mkdir(QStringLiteral("my.folder"));
    VorendaShelf shelf;
    MyThumbnailItem* item = shelf.addItem(name, files.filePath(target), QPixmap(), -1, GenericPath);
    QVERIFY(item);
    QCOMPARE(item->properties.name, itemName);
    QCOMPARE(item->properties.target, files.filePath(target));
    QCOMPARE(item->getView(), shelf.view);
}

void TestCreateItems::sameTargetOncePerCategory()
{
    const QString path = file(QStringLiteral("notes.txt"));
    VorendaShelf shelf;
    addCabinetCategory(shelf, 0, QStringLiteral("Documents"));
    MyThumbnailItem* first = shelf.addItem(QString(), path, QPixmap(), -1, GenericPath);
    QCOMPARE(shelf.addItem(QString(), path, QPixmap(), -1, GenericPath), first);
    MyThumbnailItem* other = shelf.addItem(QString(), path, QPixmap(), 0, GenericPath);
    QVERIFY(other != first);
    QCOMPARE(shelf.view->getAllItems().size(), 2);

    // Dropping the file again onto the same category makes nothing.
    AbstractThumbnailItem* dropped = nullptr;
    shelf.onCreateItem(QUrl::fromLocalFile(path), QString(), 0, &dropped);
    QVERIFY(!dropped);
    shelf.onCreateItem(QUrl::fromLocalFile(path), QString(), 5, &dropped);
    QVERIFY(dropped);
    delete dropped;

    // The layout of a batch follows shortly.
    QTRY_VERIFY(first->pos() != QPointF() || other->pos() != QPointF());
}

void TestCreateItems::documentsShareOneCachedTypeIcon()
{
    const QString typeIcon = ThumbnailCache::getCachePath(getHash(QStringLiteral(".PDF")) + QLatin1Char('.'));
    {
        VorendaShelf shelf;
        MyThumbnailItem* item = shelf.createItem(QStringLiteral("A"), file(QStringLiteral("a.pdf")), QPixmap(), -1,
                                                 GenericPath);
        std::unique_ptr<MyThumbnailItem> owner(item);
        QCOMPARE(item->properties.thumbnail, typeIcon);
        QCOMPARE(item->properties.type, int(ThumbIcon));
        QVERIFY(QFile::exists(typeIcon));
    }
    // Another cabinet finds the icon in the cache and asks the system for none.
    QPixmap marked(64, 64);
    marked.fill(Qt::green);
    QVERIFY(marked.save(typeIcon, "PNG"));
    VorendaShelf shelf;
    std::unique_ptr<MyThumbnailItem> item(
        shelf.createItem(QStringLiteral("B"), file(QStringLiteral("b.pdf")), QPixmap(), -1, GenericPath));
    QCOMPARE(item->properties.thumbnail, typeIcon);
    QCOMPARE(item->getImage().size(), QSize(64, 64));
    QCOMPARE(item->getImage().toImage().pixelColor(10, 10), QColor(Qt::green));
    QCOMPARE(QDir(VorendaGlobal::getCacheLocation()).entryList(QDir::Files).size(), 1);
}

void TestCreateItems::imageShowsItsTypeIconAndAsksForAThumbnail()
{
    const QString path = file(QStringLiteral("photo.jpg"));
    VorendaShelf shelf;
    holdJobs(shelf);
    std::unique_ptr<MyThumbnailItem> item(shelf.createItem(QStringLiteral("photo"), path, QPixmap(), -1, GenericPath));
    QCOMPARE(item->properties.type, int(ThumbImage));
    QCOMPARE(item->properties.thumbnail,
             ThumbnailCache::getCachePath(getHash(QStringLiteral(".JPG")) + QLatin1Char('.')));
    QCOMPARE(item->properties.size, qint64(7));
    QCOMPARE(item->properties.date, quint32(QFileInfo(path).lastModified().toSecsSinceEpoch()));
    QVERIFY(item->properties.added > 0);
    // The slider's size, which an image may use in full.
    QCOMPARE(item->properties.thumbsize, shelf.thumbSizeSlider->value());
    QVERIFY(jobQueued(shelf.dovalinClient));
    QVERIFY(!jobQueued(shelf.kestrimClient));
}

void TestCreateItems::webLinks()
{
    const QString url = QStringLiteral("https://news.example.org/today");
    const QString bookmarkIcon = ThumbnailCache::getCachePath(getHash(QStringLiteral(".Bookmark")) + QLatin1Char('.'));
    {
        VorendaShelf shelf;
        holdJobs(shelf);
        QPixmap supplied(40, 40);
        supplied.fill(Qt::red);
        std::unique_ptr<MyThumbnailItem> item(shelf.createItem(QStringLiteral("News"), url, supplied, -1, GenericWebUrl));
        QCOMPARE(item->properties.type, int(ThumbWebPage));
        QCOMPARE(item->properties.thumbnail, bookmarkIcon);
        QVERIFY(item->getImage().toImage().pixelColor(20, 20) != QColor(Qt::red));
        QVERIFY(jobQueued(shelf.kestrimClient));
        QVERIFY(shelf.webItemNoticeShown);
    }
    // A page thumbnail already cached shows at once; nothing is queued, no notice.
    QPixmap page(256, 192);
    page.fill(Qt::blue);
    const QString pagePath = ThumbnailCache::getCachePath(getHash(url) + QLatin1Char('.'));
    QVERIFY(page.save(pagePath, "PNG"));
    VorendaShelf shelf;
    holdJobs(shelf);
    std::unique_ptr<MyThumbnailItem> item(shelf.createItem(QStringLiteral("News"), url, QPixmap(), -1, GenericWebUrl));
    QCOMPARE(item->properties.thumbnail, pagePath);
    QCOMPARE(item->getImage().toImage().pixelColor(20, 20), QColor(Qt::blue));
    QVERIFY(!jobQueued(shelf.kestrimClient));
    QVERIFY(!shelf.webItemNoticeShown);
}

void TestCreateItems::droppedLinkKeepsItsFirstLine()
{
    VorendaShelf shelf;
    holdJobs(shelf);
    AbstractThumbnailItem* created = nullptr;
    shelf.onCreateItem(QUrl(QStringLiteral("http://example.org/a\nsecond line")), QString(), -1, &created);
    auto* item = qobject_cast<MyThumbnailItem*>(created);
    QVERIFY(item);
    std::unique_ptr<MyThumbnailItem> owner(item);
    QCOMPARE(item->properties.target, QStringLiteral("http://example.org/a"));
    QCOMPARE(item->properties.name, QStringLiteral("http://example.org/a"));

    // Neither a local path nor a valid address: nothing.
    created = nullptr;
    shelf.onCreateItem(QUrl(QStringLiteral("http://[broken")), QStringLiteral("x"), -1, &created);
    QVERIFY(!created);
}

void TestCreateItems::linkFilesBecomeWebLinks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("url");  // empty: the file names no address
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("language"); // of the interface

    const QByteArray plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                             "<key>URL</key><string>https://plist.example.org/page</string></dict></plist>\n";
    QTest::newRow("webloc") << "Plist Page.webloc" << plist << "https://plist.example.org/page" << "Plist Page"
                            << "en";
    QTest::newRow("binary webloc") << "Binary.webloc"
                                   << toBinaryPropertyList(QByteArray(plist).replace("plist.", "binary."))
                                   << "https://binary.example.org/page" << "Binary" << "en";
    QTest::newRow("Internet shortcut") << "Shortcut.url"
                                       << QByteArray("[InternetShortcut]\r\nURL=https://shortcut.example.org/\r\n")
                                       << "https://shortcut.example.org/" << "Shortcut" << "en";
    // A desktop link goes by its own name, in the interface language where it has one.
    const QByteArray wiki = "[Desktop Entry]\nType=Link\nName=Example Wiki\nName[de]=Beispiel-Wiki\n"
                            "URL=https://wiki.example.org/\n";
    QTest::newRow("desktop link") << "Wiki.desktop" << wiki << "https://wiki.example.org/" << "Example Wiki" << "en";
    QTest::newRow("desktop link, German")
        << "Wiki.desktop" << wiki << "https://wiki.example.org/" << "Beispiel-Wiki" << "de";
    QTest::newRow("desktop link without a name")
        << "Site.desktop" << QByteArray("[Desktop Entry]\nType=Link\nURL=https://site.example.org/\n")
        << "https://site.example.org/" << "Site" << "en";
    QTest::newRow("no address") << "Empty.webloc" << QByteArray(plist).replace("URL", "Other") << QString()
                                << "Empty" << "en";
}

// A link file is an item of its own until its address is read; then it is a web link
// whose page is asked for.
void TestCreateItems::linkFilesBecomeWebLinks()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, url);
    QFETCH(QString, itemName);
    QFETCH(QString, language);
    const QString path = file(name, content);
    const QString interfaceLanguage = VorendaGlobal::appLanguage;
    VorendaGlobal::appLanguage = language;
    VorendaShelf shelf;
    holdJobs(shelf);
    MyThumbnailItem* item = shelf.addItem(QString(), path, QPixmap(), -1, GenericPath);
    VorendaGlobal::appLanguage = interfaceLanguage;
    const int kind = item->properties.type;
    QCOMPARE(kind, int(shelf.getThumbnailType(QFileInfo(path))));
    QCOMPARE(item->properties.target, path);
    QCOMPARE(item->properties.name, itemName);
    QCOMPARE(item->getText(), itemName);

    QTest::qWait(100);
    if (url.isEmpty()) {
        QCOMPARE(item->properties.target, path);
        QCOMPARE(item->properties.type, kind);
        QVERIFY(!jobQueued(shelf.kestrimClient));
        QVERIFY(!shelf.webItemNoticeShown);
        return;
    }
    QTRY_COMPARE(item->properties.target, url);
    QCOMPARE(item->properties.type, int(ThumbWebPage));
    QCOMPARE(item->properties.name, itemName);
    // Only the page is rendered, never the link file itself.
    QTRY_COMPARE(jobKeys(shelf.kestrimClient), QStringList{getHash(url)});
    QVERIFY(shelf.webItemNoticeShown);
}

void TestCreateItems::droppedFolder_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("item");
    QTest::addColumn<bool>("category");
    QTest::addColumn<bool>("lockedMeanwhile");
    QTest::newRow("folder as one item") << "asItemRadioButton" << true << false << false;
    QTest::newRow("contents only") << "recurseRadioButton" << false << false << false;
    QTest::newRow("skip") << "skipRadioButton" << false << false << false;
    QTest::newRow("new category with the contents") << "createRadioButton" << false << true << false;
    QTest::newRow("cancel") << "" << false << false << false;
    // The question lets another window lock the cabinet before the answer.
    QTest::newRow("folder as one item, locked meanwhile") << "asItemRadioButton" << false << false << true;
    QTest::newRow("new category, locked meanwhile") << "createRadioButton" << false << false << true;
}

void TestCreateItems::droppedFolder()
{
    QFETCH(QString, option);
    QFETCH(bool, item);
    QFETCH(bool, category);
    QFETCH(bool, lockedMeanwhile);
    const QString folder = files.filePath(QStringLiteral("Holiday"));
    QDir().mkpath(folder);
    VorendaShelf shelf;
    bool askedWhileBusy = false;
    QuestionDriver driver(QuestionDriver::visible<FolderWarningDialog>(), [&](QWidget* window) {
        auto* dialog = static_cast<FolderWarningDialog*>(window);
        askedWhileBusy = shelf.dialogOpen;
        if (lockedMeanwhile)
            shelf.onToggleKioskMode();
        if (option.isEmpty()) {
            QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
            return;
        }
        dialog->findChild<QRadioButton*>(option)->setChecked(true);
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    AbstractThumbnailItem* created = nullptr;
    shelf.onCreateItem(QUrl::fromLocalFile(folder), QString(), -1, &created);
    QVERIFY(driver.ran());
    QVERIFY(askedWhileBusy);
    QVERIFY(!shelf.dialogOpen);
    QCOMPARE(created != nullptr, item);
    if (created) {
        auto* folderItem = qobject_cast<MyThumbnailItem*>(created);
        QCOMPARE(folderItem->properties.name, QStringLiteral("Holiday"));
        QCOMPARE(folderItem->properties.type, int(ThumbIcon));
        delete created;
    }
    bool found = false;
    for (CategoryHeaderItem* header : shelf.view->getCategoryHeaderList(-1, true))
        found = found || header->getText() == QLatin1String("Holiday");
    QCOMPARE(found, category);
    ShelfParts::of(shelf).walks.stop();
}

void TestCreateItems::droppedApplicationEntryIsOneItem()
{
    const QString entry = file(QStringLiteral("apps/editor.desktop"),
                               "[Desktop Entry]\nType=Application\nName=Text Editor\nExec=true\n");
    VorendaShelf shelf;
    QuestionDriver driver(QuestionDriver::visible<FolderWarningDialog>(), [](QWidget* window) { window->close(); },
                          300);
    AbstractThumbnailItem* created = nullptr;
    shelf.onCreateItem(QUrl::fromLocalFile(entry), QString(), -1, &created);
    QVERIFY(!driver.ran());
    auto* item = qobject_cast<MyThumbnailItem*>(created);
    QVERIFY(item);
    std::unique_ptr<MyThumbnailItem> owner(item);
    QCOMPARE(item->properties.type, int(ThumbIcon));
    QCOMPARE(item->properties.typeName, QStringLiteral("Application"));
}

void TestCreateItems::nameLabelByPreference_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::newRow("if generic: text file") << 0 << "notes.txt" << true;
    QTest::newRow("if generic: image") << 0 << "photo.jpg" << false;
    QTest::newRow("if generic: folder") << 0 << "Holiday" << false;
    QTest::newRow("if generic: web page") << 0 << "page.html" << false;
    QTest::newRow("if generic: link entry") << 0 << "site.desktop" << false;
    QTest::newRow("always: folder") << 1 << "Holiday" << true;
    QTest::newRow("never: text file") << 2 << "notes.txt" << false;
}

void TestCreateItems::nameLabelByPreference()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    file(QStringLiteral("notes.txt"));
    file(QStringLiteral("photo.jpg"));
    file(QStringLiteral("page.html"));
    file(QStringLiteral("site.desktop"), "[Desktop Entry]\nType=Link\nURL=https://example.org/\n");
    QDir(files.path()).mkdir(QStringLiteral("Holiday"));
    VorendaGlobal::showLabelMode = mode;
    VorendaShelf shelf;
    holdJobs(shelf);
    std::unique_ptr<MyThumbnailItem> item(shelf.createItem(name, files.filePath(name), QPixmap(), -1, GenericPath));
    QCOMPARE(item->isLabelShown(), shown);
}

void TestCreateItems::pastedItemData_data()
{
    QTest::addColumn<bool>("thumbnailKept");
    QTest::newRow("cached thumbnail still there") << true;
    QTest::newRow("cached thumbnail gone") << false;
}

void TestCreateItems::pastedItemData()
{
    QFETCH(bool, thumbnailKept);
    const QString target = file(QStringLiteral("sunset.png"));
    const QString thumbnail = files.filePath(QStringLiteral("sunset-thumb.png"));
    QPixmap picture(200, 100);
    picture.fill(Qt::yellow);
    QVERIFY(picture.save(thumbnail, "PNG"));
    if (!thumbnailKept)
        QFile::remove(thumbnail);

    MyThumbnailItem source;
    source.properties.name = QStringLiteral("Sunset");
    source.properties.target = target;
    source.properties.thumbnail = thumbnail;
    source.properties.type = ThumbPhoto;
    source.properties.thumbsize = 200;
    source.properties.customthumb = true;
    source.properties.tags = QStringList({QStringLiteral("sea"), QStringLiteral("sky"), QStringLiteral("sea")});
    source.properties.rating = 4;
    source.properties.width = 4000;
    source.showItemLabel(true, false);
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << source.getMimeType();
    source.write(stream);

    VorendaShelf shelf;
    holdJobs(shelf);
    AbstractThumbnailItem* created = nullptr;
    shelf.onCreateItem(data, 3, &created);
    auto* item = qobject_cast<MyThumbnailItem*>(created);
    QVERIFY(item);
    std::unique_ptr<MyThumbnailItem> owner(item);
    QCOMPARE(item->getCategoryKey(), 3);
    QCOMPARE(item->properties.name, QStringLiteral("Sunset"));
    QCOMPARE(item->properties.thumbsize, 200);
    QVERIFY(item->properties.customthumb);
    QCOMPARE(item->properties.tags, QStringList({QStringLiteral("sea"), QStringLiteral("sky")}));
    QCOMPARE(item->properties.rating, 4);
    QCOMPARE(item->properties.width, 4000);
    QVERIFY(item->isLabelShown());
    if (thumbnailKept) {
        QCOMPARE(item->getImage().toImage().pixelColor(50, 50), QColor(Qt::yellow));
        // Kept at most at the largest size in memory, and never drawn larger than kept.
        QCOMPARE(item->getImageSize(), QSize(128, 64));
        QCOMPARE(item->properties.thumbnail, thumbnail);
    } else {
        // The icon of its file type, stored in the cache, until the new thumbnail comes.
        QCOMPARE(item->properties.thumbnail,
                 ThumbnailCache::getCachePath(getHash(QStringLiteral(".PNG")) + QLatin1Char('.')));
    }
    QCOMPARE(jobQueued(shelf.dovalinClient), !thumbnailKept);

    // The same item again in that category: nothing.
    created = nullptr;
    shelf.view->addItem(owner.release(), true);
    shelf.onCreateItem(data, 3, &created);
    QVERIFY(!created);
}

// Drops, pastes, walks and imports all make their items and categories through these;
// a locked cabinet takes none, whatever started them before the lock.
void TestCreateItems::lockedCabinetMakesNothing()
{
    VorendaShelf shelf;
    shelf.onToggleKioskMode();
    QVERIFY(shelf.kiosk);
    MyThumbnailItem source;
    source.properties.name = QStringLiteral("Pasted");
    source.properties.target = file(QStringLiteral("pasted.txt"));
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << source.getMimeType();
    source.write(stream);

    AbstractThumbnailItem* created = nullptr;
    shelf.onCreateItem(QUrl::fromLocalFile(file(QStringLiteral("dropped.txt"))), QString(), -1, &created);
    QVERIFY(!created);
    shelf.onCreateItem(QUrl(QStringLiteral("https://example.org/")), QStringLiteral("Example"), -1, &created);
    QVERIFY(!created);
    shelf.onCreateItem(data, -1, &created);
    QVERIFY(!created);
    QVERIFY(!shelf.addItem(QString(), file(QStringLiteral("walked.txt")), QPixmap(), -1, GenericPath));
    QVERIFY(!shelf.addCategory(QStringLiteral("Walked"), -1));
    QVERIFY(shelf.view->getAllItems().isEmpty());
    QVERIFY(shelf.view->getCategoryHeaderList(-1, true).isEmpty());
}

void TestCreateItems::damagedItemDataMakesNothing()
{
    VorendaShelf shelf;
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << QStringLiteral("item") << qint32(-1) << QStringLiteral("cut short");
    AbstractThumbnailItem* created = nullptr;
    shelf.onCreateItem(data, -1, &created);
    QVERIFY(!created);
    shelf.onCreateItem(QByteArray("\xff\xff"), -1, &created);
    QVERIFY(!created);
}

VORENDA_TEST_MAIN(TestCreateItems)
#include "tst_createitems.moc"
