#include "TestEnvironment.h"

#include "BinaryPropertyList.h"
#include "BookmarkFile.h"
#include "RuntimeFolder.h"
#include "SafariBookmarksParser.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <functional>
#include <sys/stat.h>

namespace {

using Answer = std::function<void(const QString& name, QVariant& data, bool& emitDirFound, bool& skip, bool& abort)>;

// The cabinet's usual answer: each folder's contents go into a category of its own.
void intoSubcategory(const QString& name, QVariant& data, bool&, bool&, bool&)
{
    data = data.toString() + QLatin1Char('/') + name;
}

bool execAll(QSqlDatabase& db, const QStringList& statements)
{
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            return false;
        }
    }
    return true;
}

bool writeDatabase(const QString& path, const QStringList& statements)
{
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        written = db.open() && execAll(db, statements);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return written;
}

// A places database with the tables and columns Firefox uses, filed as Firefox files
// its own folders: the root, then menu, toolbar, tags, unfiled and mobile.
bool writePlaces(const QString& path)
{
    return writeDatabase(
        path,
        {QStringLiteral("PRAGMA journal_mode=WAL"),
         QStringLiteral("CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, "
                        "rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, guid TEXT)"),
         QStringLiteral("CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, "
                        "parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, "
                        "dateAdded INTEGER, lastModified INTEGER, guid TEXT, syncStatus INTEGER NOT NULL DEFAULT 0, "
                        "syncChangeCounter INTEGER NOT NULL DEFAULT 1)"),
         QStringLiteral(
             "INSERT INTO moz_places (id, url, title) VALUES (1, 'https://menu.example/', 'Menu Page'), "
             "(2, 'https://deep.example/', 'Deep'), (3, 'https://bar.example/', 'Bar page title'), "
             "(4, 'place:sort=8&maxResults=10', 'Recent Tags'), (5, 'https://tagged.example/', 'Tagged'), "
             "(6, 'https://unfiled.example/', 'Unfiled'), (7, 'https://untitled-folder.example/', 'Inside')"),
         // Rows out of id order: the tree follows parent and position.
         QStringLiteral(
             "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, guid) VALUES "
             "(1, 2, NULL, 0, 0, '', 'root________'), (6, 2, NULL, 1, 4, 'mobile', 'mobile______'), "
             "(2, 2, NULL, 1, 0, 'menu', 'menu________'), (3, 2, NULL, 1, 1, 'toolbar', 'toolbar_____'), "
             "(4, 2, NULL, 1, 2, 'tags', 'tags________'), (5, 2, NULL, 1, 3, 'unfiled', 'unfiled_____'), "
             "(15, 1, NULL, 2, 3, 'No Address', 'aaaaaaaaaa15'), (14, 3, NULL, 2, 2, NULL, 'aaaaaaaaaa14'), "
             "(10, 1, 1, 2, 0, 'Menu Link', 'aaaaaaaaaa10'), (11, 2, NULL, 2, 1, 'Work', 'aaaaaaaaaa11'), "
             "(12, 2, NULL, 11, 0, 'Deeper', 'aaaaaaaaaa12'), (13, 1, 2, 12, 0, 'Deep Link', 'aaaaaaaaaa13'), "
             "(20, 1, 3, 3, 0, NULL, 'aaaaaaaaaa20'), (21, 1, 4, 3, 1, 'Recent', 'aaaaaaaaaa21'), "
             "(22, 2, NULL, 3, 2, '', 'aaaaaaaaaa22'), (23, 1, 7, 22, 0, 'Inside Untitled', 'aaaaaaaaaa23'), "
             "(30, 2, NULL, 4, 0, 'sometag', 'aaaaaaaaaa30'), (31, 1, 5, 30, 0, 'Tagged', 'aaaaaaaaaa31'), "
             "(40, 1, 6, 5, 0, 'Unfiled Link', 'aaaaaaaaaa40')")});
}

// A damaged database without keys: ids repeat and a folder lies inside itself.
bool writeLoopingPlaces(const QString& path)
{
    return writeDatabase(
        path,
        {QStringLiteral("CREATE TABLE moz_places (id INTEGER, url TEXT, title TEXT)"),
         QStringLiteral(
             "CREATE TABLE moz_bookmarks (id INTEGER, type INTEGER, fk INTEGER, parent INTEGER, position INTEGER, "
             "title TEXT, guid TEXT)"),
         QStringLiteral("INSERT INTO moz_places VALUES (1, 'https://loop.example/', 'Loop')"),
         QStringLiteral(
             "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________'), "
             "(2, 2, NULL, 1, 0, 'menu', 'menu________'), (1, 2, NULL, 2, 0, 'Root Again', 'x'), "
             "(5, 2, NULL, 2, 1, 'Self', 'y'), (5, 2, NULL, 5, 0, 'Self', 'y'), (6, 1, 1, 5, 1, 'In Self', 'z')")});
}

const QStringList PLACES_EVENTS = {
    QStringLiteral("F Bookmarks Menu | top"),
    QStringLiteral("B Menu Link | https://menu.example/ | top/Bookmarks Menu"),
    QStringLiteral("F Work | top/Bookmarks Menu"),
    QStringLiteral("F Deeper | top/Bookmarks Menu/Work"),
    QStringLiteral("B Deep Link | https://deep.example/ | top/Bookmarks Menu/Work/Deeper"),
    QStringLiteral("F Bookmarks Bar | top"),
    QStringLiteral("B Bar page title | https://bar.example/ | top/Bookmarks Bar"),
    QStringLiteral("B Inside Untitled | https://untitled-folder.example/ | top/Bookmarks Bar"),
    QStringLiteral("F Other Bookmarks | top"),
    QStringLiteral("B Unfiled Link | https://unfiled.example/ | top/Other Bookmarks"),
};

const QByteArray CHROMIUM_JSON = R"({
  "checksum": "0123456789abcdef",
  "roots": {
    "bookmark_bar": {"children": [
        {"type": "url", "name": "Bar Link", "url": "https://chromium-bar.example/"},
        {"type": "folder", "name": "Dev", "children": [
            {"type": "folder", "name": "Tools", "children": [
                {"type": "url", "name": "Tool", "url": "https://tool.example/"}]},
            {"type": "url", "name": "No Address", "url": ""},
            {"type": "url", "name": "", "url": "https://no-name.example/"},
            {"type": "folder", "name": "", "children": [
                {"type": "url", "name": "In Nameless", "url": "https://nameless.example/"}]}]}],
      "name": "Bookmarks bar", "type": "folder"},
    "other": {"children": [{"type": "url", "name": "Other Link", "url": "https://other.example/"}],
      "name": "Other bookmarks", "type": "folder"},
    "synced": {"children": [], "name": "Mobile bookmarks", "type": "folder"}
  },
  "version": 1
})";

const QStringList CHROMIUM_EVENTS = {
    QStringLiteral("F Bookmarks Bar | top"),
    QStringLiteral("B Bar Link | https://chromium-bar.example/ | top/Bookmarks Bar"),
    QStringLiteral("F Dev | top/Bookmarks Bar"),
    QStringLiteral("F Tools | top/Bookmarks Bar/Dev"),
    QStringLiteral("B Tool | https://tool.example/ | top/Bookmarks Bar/Dev/Tools"),
    QStringLiteral("B In Nameless | https://nameless.example/ | top/Bookmarks Bar/Dev"),
    QStringLiteral("F Other Bookmarks | top"),
    QStringLiteral("B Other Link | https://other.example/ | top/Other Bookmarks"),
};

QByteArray leaf(const QByteArray& title, const QByteArray& url)
{
    return "<dict><key>URIDictionary</key><dict><key>title</key><string>" + title
        + "</string></dict><key>URLString</key><string>" + url
        + "</string><key>WebBookmarkType</key><string>WebBookmarkTypeLeaf</string></dict>";
}

// The bookmark property list format: a root list without title, folders and leaves.
const QByteArray PLIST_XML = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                             "<key>Children</key><array>"
                             "<dict><key>Title</key><string>BookmarksBar</string>"
                             "<key>WebBookmarkType</key><string>WebBookmarkTypeList</string>"
                             "<key>Children</key><array>"
    + leaf("Plist Link", "https://plist.example/")
    + "<dict><key>urlstring</key><string>https://case.example/</string>"
      "<key>webbookmarktype</key><string>webbookmarktypeleaf</string>"
      "<key>uridictionary</key><dict><key>Title</key><string>Case Link</string></dict></dict>"
      "<dict><key>Title</key><string>Early Title</string><key>URIDictionary</key><dict><key>other</key>"
      "<string>x</string><key>title</key><string>Not The Title</string></dict>"
      "<key>URLString</key><string>https://first-key.example/</string>"
      "<key>WebBookmarkType</key><string>WebBookmarkTypeLeaf</string></dict>"
    + leaf("", "https://untitled.example/") + leaf("No Address", "")
    + "</array></dict>"
      "<dict><key>WebBookmarkType</key><string>WebBookmarkTypeList</string><key>Children</key><array>"
    + leaf("Nameless Child", "https://nameless-child.example/")
    + "</array></dict>"
      "<dict><key>Title</key><string>Proxy</string><key>WebBookmarkType</key><string>WebBookmarkTypeProxy"
      "</string><key>Children</key><array>"
    + leaf("Under Proxy", "https://proxy.example/")
    + "</array></dict>"
      "</array><key>Title</key><string></string>"
      "<key>WebBookmarkType</key><string>WebBookmarkTypeList</string></dict></plist>\n";

const QStringList PLIST_EVENTS = {
    QStringLiteral("F BookmarksBar | top"),
    QStringLiteral("B Plist Link | https://plist.example/ | top/BookmarksBar"),
    QStringLiteral("B Case Link | https://case.example/ | top/BookmarksBar"),
    QStringLiteral("B Early Title | https://first-key.example/ | top/BookmarksBar"),
    QStringLiteral("B Nameless Child | https://nameless-child.example/ | top"),
};

QByteArray digest(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

} // namespace

// Bookmarks of Firefox, Chromium-family browsers and bookmark property lists, read in
// process and walked with the receiver's answers to each folder.
class TestSafariBookmarksParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsEachKind_data();
    void readsEachKind();
    void firefoxIsReadWhileRunningAndNeverWritten();
    void firefoxLogIsReadFromAPrivateCopy();
    void boundKeepsTheFirstBookmarks_data();
    void boundKeepsTheFirstBookmarks();
    void longTextsAreBounded_data();
    void longTextsAreBounded();
    void pauseHoldsTheWalk();
    void answersSteerTheWalk_data();
    void answersSteerTheWalk();
    void garbageGivesOnlyFinished_data();
    void garbageGivesOnlyFinished();
    void findsTheBrowsersOfThisUser();
    void secondStartIsRefused();
    void abortAndDeletion();

private:
    QString write(const QString& name, const QByteArray& contents);
    void record(SafariBookmarksParser& parser, QStringList& events, const Answer& answer = intoSubcategory);
    // Runs one import and returns its reports, the end as "end <folders> <urls> <aborted>"
    // followed, when the bound left bookmarks out, by "left out <count>".
    QStringList import(const QString& path, const Answer& answer = intoSubcategory,
                       int maxBookmarks = SafariBookmarksParser::MAX_BOOKMARKS);

    QTemporaryDir dir;
    QString places;
};

void TestSafariBookmarksParser::initTestCase()
{
    QVERIFY(dir.isValid());
    // Characters that mean something in an SQLite URI must reach the file as they stand.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Fire fox #1 %41?x=y")));
    places = dir.filePath(QStringLiteral("Fire fox #1 %41?x=y/places.sqlite"));
    QVERIFY(writePlaces(places));
}

QString TestSafariBookmarksParser::write(const QString& name, const QByteArray& contents)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void TestSafariBookmarksParser::record(SafariBookmarksParser& parser, QStringList& events, const Answer& answer)
{
    connect(&parser, &SafariBookmarksParser::folderFound, this,
            [&events, answer](const QString& name, QVariant& data, bool& emitDirFound, bool& skip, bool& abort) {
                events << QStringLiteral("F %1 | %2").arg(name, data.toString());
                answer(name, data, emitDirFound, skip, abort);
            });
    connect(&parser, &SafariBookmarksParser::bookmarkFound, this,
            [&events](const QString& name, const QString& url, const QVariant& data) {
                events << QStringLiteral("B %1 | %2 | %3").arg(name, url, data.toString());
            });
    connect(&parser, &SafariBookmarksParser::finished, this,
            [&events, &parser](int folders, int urls, bool aborted) {
                events << QStringLiteral("end %1 %2 %3")
                              .arg(folders)
                              .arg(urls)
                              .arg(aborted ? QStringLiteral("true") : QStringLiteral("false"));
                if (parser.leftOut() > 0)
                    events << QStringLiteral("left out %1").arg(parser.leftOut());
            });
}

QStringList TestSafariBookmarksParser::import(const QString& path, const Answer& answer, int maxBookmarks)
{
    SafariBookmarksParser parser;
    parser.setMaxBookmarks(maxBookmarks);
    QStringList events;
    record(parser, events, answer);
    if (!parser.start(path, QStringLiteral("top")))
        return {QStringLiteral("refused")};
    if (!events.isEmpty())
        return {QStringLiteral("reported inside start()")};
    if (!QTest::qWaitFor([&parser] { return !parser.running(); }, 10000))
        events << QStringLiteral("still running");
    return events;
}

void TestSafariBookmarksParser::readsEachKind_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Firefox") << places << PLACES_EVENTS + QStringList{QStringLiteral("end 5 5 false")};
    const QString looping = dir.filePath(QStringLiteral("looping.sqlite"));
    QVERIFY(writeLoopingPlaces(looping));
    QTest::newRow("Firefox rows that loop")
        << looping
        << QStringList{QStringLiteral("F Bookmarks Menu | top"), QStringLiteral("F Self | top/Bookmarks Menu"),
                       QStringLiteral("B In Self | https://loop.example/ | top/Bookmarks Menu/Self"),
                       QStringLiteral("end 2 1 false")};
    QTest::newRow("Chromium") << write(QStringLiteral("chromium/Default/Bookmarks"), CHROMIUM_JSON)
                              << CHROMIUM_EVENTS + QStringList{QStringLiteral("end 4 4 false")};
    QTest::newRow("XML property list") << write(QStringLiteral("Bookmarks.plist"), PLIST_XML)
                                       << PLIST_EVENTS + QStringList{QStringLiteral("end 1 4 false")};
    QTest::newRow("binary property list")
        << write(QStringLiteral("Binary Bookmarks.plist"), toBinaryPropertyList(PLIST_XML))
        << PLIST_EVENTS + QStringList{QStringLiteral("end 1 4 false")};
    QTest::newRow("tags in other cases") << write(
        QStringLiteral("case.plist"),
        "<PLIST><Dict><KEY>Children</KEY><Array><DICT><Key>title</Key><String>T</String>"
        "<key>URLString</key><STRING>https://t.example/</STRING><key>WebBookmarkType</key>"
        "<string>WebBookmarkTypeLeaf</string></DICT></Array>"
        "<key>WebBookmarkType</key><string>WebBookmarkTypeList</string></Dict></PLIST>")
                                         << QStringList{QStringLiteral("B T | https://t.example/ | top"),
                                                        QStringLiteral("end 0 1 false")};
}

void TestSafariBookmarksParser::readsEachKind()
{
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    QCOMPARE(import(path), expected);
}

void TestSafariBookmarksParser::firefoxIsReadWhileRunningAndNeverWritten()
{
    const QString folder = QFileInfo(places).path();
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
    const QByteArray before = digest(places);
    {
        // A running Firefox holds its database exclusively.
        QSqlDatabase firefox = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("firefox"));
        firefox.setDatabaseName(places);
        QVERIFY(firefox.open());
        QVERIFY(execAll(firefox,
                        {QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), QStringLiteral("BEGIN EXCLUSIVE"),
                         QStringLiteral("UPDATE moz_bookmarks SET title = 'Changed' WHERE id = 10")}));
        QCOMPARE(import(places), PLACES_EVENTS + QStringList{QStringLiteral("end 5 5 false")});
        QVERIFY(execAll(firefox, {QStringLiteral("ROLLBACK")}));
        firefox.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("firefox"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), filesBefore);
    QCOMPARE(digest(places), before);
}

// Firefox keeps its latest changes in the write-ahead log while it runs, holding the
// database locked: the import reads them from a private copy of both files, which is
// gone afterwards, and leaves the profile as it was.
void TestSafariBookmarksParser::firefoxLogIsReadFromAPrivateCopy()
{
    const QString folder = dir.filePath(QStringLiteral("logging profile"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/places.sqlite");
    QVERIFY(writePlaces(path));
    const QString runtime = runtimeFolder();
    const QStringList runtimeBefore = QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    {
        QSqlDatabase firefox = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("logging"));
        firefox.setDatabaseName(path);
        QVERIFY(firefox.open());
        QVERIFY(execAll(
            firefox,
            {QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), QStringLiteral("PRAGMA wal_autocheckpoint=0"),
             QStringLiteral("DELETE FROM moz_bookmarks WHERE id = 40"),
             QStringLiteral("INSERT INTO moz_places (id, url, title) VALUES (8, 'https://only-in-log.example/', 'L')"),
             QStringLiteral("INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, guid) VALUES "
                            "(41, 1, 8, 5, 1, 'Only In Log', 'aaaaaaaaaa41')"),
             QStringLiteral("BEGIN EXCLUSIVE"),
             QStringLiteral("UPDATE moz_bookmarks SET title = 'Uncommitted' WHERE id = 10")}));
        QVERIFY(QFileInfo(path + QStringLiteral("-wal")).size() > 0);
        const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
        const QByteArray databaseBefore = digest(path);
        const QByteArray logBefore = digest(path + QStringLiteral("-wal"));

        QStringList expected = PLACES_EVENTS;
        expected.replace(expected.indexOf(QStringLiteral("B Unfiled Link | https://unfiled.example/ | top/Other Bookmarks")),
                         QStringLiteral("B Only In Log | https://only-in-log.example/ | top/Other Bookmarks"));
        QCOMPARE(import(path), expected + QStringList{QStringLiteral("end 5 5 false")});

        QCOMPARE(QDir(folder).entryList(QDir::Files), filesBefore);
        QCOMPARE(digest(path), databaseBefore);
        QCOMPARE(digest(path + QStringLiteral("-wal")), logBefore);
        QVERIFY(execAll(firefox, {QStringLiteral("ROLLBACK")}));
        firefox.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("logging"));
    QCOMPARE(QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), runtimeBefore);
}

void TestSafariBookmarksParser::boundKeepsTheFirstBookmarks_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("bound");
    QTest::addColumn<QStringList>("expected");
    // The bookmarks after the bound are counted; folders met after it are not made.
    QTest::newRow("Firefox") << places << 2
                             << QStringList{PLACES_EVENTS.mid(0, 5)
                                            + QStringList{QStringLiteral("end 3 2 false"),
                                                          QStringLiteral("left out 3")}};
    QTest::newRow("Chromium") << write(QStringLiteral("bound/Bookmarks"), CHROMIUM_JSON) << 2
                              << QStringList{CHROMIUM_EVENTS.mid(0, 5)
                                             + QStringList{QStringLiteral("end 3 2 false"),
                                                           QStringLiteral("left out 2")}};
    QTest::newRow("property list") << write(QStringLiteral("bound.plist"), PLIST_XML) << 1
                                   << QStringList{PLIST_EVENTS.mid(0, 2)
                                                  + QStringList{QStringLiteral("end 1 1 false"),
                                                                QStringLiteral("left out 3")}};
}

void TestSafariBookmarksParser::boundKeepsTheFirstBookmarks()
{
    QFETCH(QString, path);
    QFETCH(int, bound);
    QFETCH(QStringList, expected);
    QCOMPARE(import(path, intoSubcategory, bound), expected);
}

void TestSafariBookmarksParser::longTextsAreBounded_data()
{
    QTest::addColumn<QString>("path");
    const QByteArray title(100000, 'T');
    const QByteArray url = "https://long.example/" + QByteArray(40000, 'u');
    QTest::newRow("Chromium") << write(QStringLiteral("long/Bookmarks"),
                                       R"({"roots": {"bookmark_bar": {"type": "folder", "children": [
                                           {"type": "url", "name": ")" + title + R"(", "url": "https://a.example/"},
                                           {"type": "url", "name": "Long Address", "url": ")" + url + R"("},
                                           {"type": "url", "name": "Last", "url": "https://b.example/"}]}}})");
    const QString database = dir.filePath(QStringLiteral("long.sqlite"));
    QVERIFY(writeDatabase(
        database,
        {QStringLiteral("CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT, title TEXT)"),
         QStringLiteral("CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, "
                        "parent INTEGER, position INTEGER, title TEXT, guid TEXT)"),
         QStringLiteral("INSERT INTO moz_places VALUES (1, 'https://a.example/', NULL), (2, '%1', NULL), "
                        "(3, 'https://b.example/', NULL)")
             .arg(QString::fromLatin1(url)),
         QStringLiteral("INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________'), "
                        "(2, 2, NULL, 1, 0, 'toolbar', 'toolbar_____'), (3, 1, 1, 2, 0, '%1', 'x'), "
                        "(4, 1, 2, 2, 1, 'Long Address', 'y'), (5, 1, 3, 2, 2, 'Last', 'z')")
             .arg(QString::fromLatin1(title))}));
    QTest::newRow("Firefox") << database;
}

// A title is kept as long as the item properties take it; a bookmark whose address is
// longer is left out.
void TestSafariBookmarksParser::longTextsAreBounded()
{
    QFETCH(QString, path);
    const QString cut(BookmarkNode::MAX_TEXT_LENGTH, QLatin1Char('T'));
    QCOMPARE(import(path), (QStringList{QStringLiteral("F Bookmarks Bar | top"),
                                        QStringLiteral("B %1 | https://a.example/ | top/Bookmarks Bar").arg(cut),
                                        QStringLiteral("B Last | https://b.example/ | top/Bookmarks Bar"),
                                        QStringLiteral("end 1 2 false")}));
}

void TestSafariBookmarksParser::pauseHoldsTheWalk()
{
    SafariBookmarksParser parser;
    QStringList events;
    record(parser, events);
    // Paused by the receiver of the first bookmark: nothing more comes until resumed.
    connect(&parser, &SafariBookmarksParser::bookmarkFound, this, [&parser, &events] {
        if (events.size() == 2)
            parser.setPaused(true);
    });
    QVERIFY(parser.start(write(QStringLiteral("pause/Bookmarks"), CHROMIUM_JSON), QStringLiteral("top")));
    QTRY_VERIFY(parser.paused());
    QTest::qWait(100);
    QCOMPARE(events, CHROMIUM_EVENTS.mid(0, 2));
    QVERIFY(parser.running());
    parser.setPaused(false);
    QTRY_VERIFY(!parser.running());
    QCOMPARE(events, CHROMIUM_EVENTS + QStringList{QStringLiteral("end 4 4 false")});
}

void TestSafariBookmarksParser::answersSteerTheWalk_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no more folder reports")
        << "flat"
        << QStringList{QStringLiteral("F Bookmarks Bar | top"),
                       QStringLiteral("B Bar Link | https://chromium-bar.example/ | top/Bookmarks Bar"),
                       QStringLiteral("B Tool | https://tool.example/ | top/Bookmarks Bar"),
                       QStringLiteral("B In Nameless | https://nameless.example/ | top/Bookmarks Bar"),
                       QStringLiteral("B Other Link | https://other.example/ | top"),
                       QStringLiteral("end 1 4 false")};
    QTest::newRow("skip subfolders") << "skip"
                                     << QStringList{QStringLiteral("F Bookmarks Bar | top"),
                                                    QStringLiteral("end 1 0 false")};
    QTest::newRow("abort at the second folder")
        << "abort"
        << QStringList{QStringLiteral("F Bookmarks Bar | top"),
                       QStringLiteral("B Bar Link | https://chromium-bar.example/ | top/Bookmarks Bar"),
                       QStringLiteral("F Dev | top/Bookmarks Bar"), QStringLiteral("end 2 1 true")};
}

void TestSafariBookmarksParser::answersSteerTheWalk()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, expected);
    int asked = 0;
    const Answer answer = [&](const QString& name, QVariant& data, bool& emitDirFound, bool& skip, bool& abort) {
        intoSubcategory(name, data, emitDirFound, skip, abort);
        ++asked;
        emitDirFound = mode != QLatin1String("flat");
        skip = mode == QLatin1String("skip");
        abort = mode == QLatin1String("abort") && asked == 2;
    };
    QCOMPARE(import(write(QStringLiteral("steer/Bookmarks"), CHROMIUM_JSON), answer), expected);
}

void TestSafariBookmarksParser::garbageGivesOnlyFinished_data()
{
    QTest::addColumn<QString>("path");
    const QString emptyDatabase = dir.filePath(QStringLiteral("empty.sqlite"));
    QVERIFY(writeDatabase(emptyDatabase, {QStringLiteral("CREATE TABLE other (id INTEGER)")}));
    QByteArray damagedDatabase = QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x5A');
    const QString fifo = dir.filePath(QStringLiteral("fifo.plist"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile huge(dir.filePath(QStringLiteral("huge/Bookmarks")));
    QDir().mkpath(dir.filePath(QStringLiteral("huge")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write("{\"roots\": {") == 11 && huge.resize(BookmarkFile::MAX_BYTES + 1));
    huge.close();

    QTest::newRow("empty file") << write(QStringLiteral("garbage/empty"), QByteArray());
    QTest::newRow("binary noise") << write(QStringLiteral("garbage/noise"),
                                           QByteArray::fromHex("00ff13f7c2a9e4105b7d"));
    QTest::newRow("broken JSON") << write(QStringLiteral("garbage/broken.json"), "{\"roots\": {\"bookmark_bar\": [");
    QTest::newRow("JSON without roots") << write(QStringLiteral("garbage/other.json"),
                                                 "{\"version\": 1, \"items\": [1, 2]}");
    QTest::newRow("JSON naming a key twice")
        << write(QStringLiteral("garbage/twice.json"),
                 "{\"roots\": {\"bookmark_bar\": {\"type\": \"folder\", \"children\": [{\"type\": \"url\", "
                 "\"name\": \"A\", \"url\": \"https://a.example/\"}], \"children\": []}}}");
    QTest::newRow("JSON with wrong kinds")
        << write(QStringLiteral("garbage/kinds.json"),
                 "{\"roots\": {\"bookmark_bar\": 5, \"other\": {\"children\": 7}, "
                 "\"synced\": {\"type\": \"folder\", \"children\": [1, \"x\", null]}}}");
    QTest::newRow("XML, not a plist") << write(QStringLiteral("garbage/page.xml"), "<html><body><dict/></body></html>");
    QTest::newRow("broken XML") << write(QStringLiteral("garbage/broken.plist"),
                                         "<plist><dict><key>Children</key><array>");
    QTest::newRow("deep XML") << write(QStringLiteral("garbage/deep.plist"),
                                       "<plist>" + QByteArray(2000, 'x').replace("x", "<dict>")
                                           + QByteArray(2000, 'x').replace("x", "</dict>") + "</plist>");
    QTest::newRow("damaged binary plist")
        << write(QStringLiteral("garbage/damaged.plist"), toBinaryPropertyList(PLIST_XML).left(200));
    QTest::newRow("SQLite without bookmarks") << emptyDatabase;
    QTest::newRow("damaged SQLite") << write(QStringLiteral("garbage/damaged.sqlite"), damagedDatabase);
    QTest::newRow("FIFO") << fifo;
    QTest::newRow("missing") << dir.filePath(QStringLiteral("garbage/missing"));
    QTest::newRow("folder") << dir.filePath(QStringLiteral("garbage"));
    QTest::newRow("larger than the bound") << huge.fileName();
}

void TestSafariBookmarksParser::garbageGivesOnlyFinished()
{
    QFETCH(QString, path);
    QCOMPARE(import(path), QStringList{QStringLiteral("end 0 0 false")});
}

void TestSafariBookmarksParser::findsTheBrowsersOfThisUser()
{
    // Nothing installed: the import ends at once, empty.
    QCOMPARE(import(QString()), QStringList{QStringLiteral("end 0 0 false")});

    const QString home = TestEnvironment::instance()->home();
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(QDir(config).mkpath(QStringLiteral("google-chrome/System Profile"))); // a profile without bookmarks
    const QString absoluteProfile = dir.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(absoluteProfile));
    QVERIFY(QFile::copy(places, absoluteProfile + QStringLiteral("/places.sqlite")));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/.mozilla/firefox/ab12cd.default-release")));
    QFile ini(home + QStringLiteral("/.mozilla/firefox/profiles.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Install4F96D1932A9F858E]\nDefault=ab12cd.default-release\nLocked=1\n\n"
              "[Profile1]\nName=default-release\nIsRelative=1\nPath=ab12cd.default-release\nDefault=1\n\n"
              "[Profile0]\nName=elsewhere\nIsRelative=0\nPath=" + QFile::encodeName(absoluteProfile) + "\n\n"
              "[Profile2]\nName=without places\nIsRelative=1\nPath=none.yet\n\n"
              "[General]\nStartWithLastProfile=1\nVersion=2\n");
    ini.close();
    QFile chromium(config + QStringLiteral("/chromium/Default/Bookmarks"));
    QVERIFY(QDir().mkpath(QFileInfo(chromium).path()));
    QVERIFY(chromium.open(QIODevice::WriteOnly));
    chromium.write(CHROMIUM_JSON);
    chromium.close();
    QFile chrome(config + QStringLiteral("/google-chrome/Profile 1/Bookmarks"));
    QVERIFY(QDir().mkpath(QFileInfo(chrome).path()));
    QVERIFY(chrome.open(QIODevice::WriteOnly));
    chrome.write(R"({"roots": {"bookmark_bar": {"type": "folder", "children": [
                     {"type": "url", "name": "Chrome Link", "url": "https://chrome.example/"}]}}})");
    chrome.close();

    // The profile in use is a copy of the same places file, under the first group.
    QVERIFY(QFile::copy(places, home + QStringLiteral("/.mozilla/firefox/ab12cd.default-release/places.sqlite")));
    const QStringList chromeEvents{QStringLiteral("F Bookmarks Bar | top"),
                                   QStringLiteral("B Chrome Link | https://chrome.example/ | top/Bookmarks Bar"),
                                   QStringLiteral("end 15 15 false")};
    QCOMPARE(import(QString()), PLACES_EVENTS + PLACES_EVENTS + CHROMIUM_EVENTS + chromeEvents);
}

void TestSafariBookmarksParser::secondStartIsRefused()
{
    const QString path = write(QStringLiteral("refuse/Bookmarks"), CHROMIUM_JSON);
    SafariBookmarksParser parser;
    QStringList events;
    record(parser, events, [&](const QString& name, QVariant& data, bool& emitDirFound, bool& skip, bool& abort) {
        intoSubcategory(name, data, emitDirFound, skip, abort);
        // While the walk runs, the importer refuses another one.
        if (!parser.start(path, QStringLiteral("second")))
            events << QStringLiteral("refused while walking");
    });
    QVERIFY(parser.start(path, QStringLiteral("top")));
    QVERIFY(parser.running());
    QVERIFY(!parser.start(path, QStringLiteral("second"))); // before the walk began
    QTRY_VERIFY(!parser.running());
    QCOMPARE(events.count(QStringLiteral("refused while walking")), 4);
    QCOMPARE(events.filter(QStringLiteral("second")).size(), 0);
    QCOMPARE(events.last(), QStringLiteral("end 4 4 false"));

    // Once finished, the importer starts again.
    events.clear();
    QVERIFY(parser.start(path, QStringLiteral("top")));
    QTRY_VERIFY(!parser.running());
    QCOMPARE(events.last(), QStringLiteral("end 4 4 false"));
}

void TestSafariBookmarksParser::abortAndDeletion()
{
    const QString path = write(QStringLiteral("abort/Bookmarks"), CHROMIUM_JSON);
    {
        // Aborted before the walk: no signal at all.
        SafariBookmarksParser parser;
        QStringList events;
        record(parser, events);
        QVERIFY(parser.start(path, QStringLiteral("top")));
        parser.abort();
        QVERIFY(parser.aborted());
        QVERIFY(!parser.running());
        QTest::qWait(50);
        QCOMPARE(events, QStringList());
        QVERIFY(parser.start(path, QStringLiteral("top")));
        QVERIFY(!parser.aborted());
        QTRY_VERIFY(!parser.running());
        QCOMPARE(events.size(), CHROMIUM_EVENTS.size() + 1);
    }
    {
        // A receiver running a modal loop may see abort() happen meanwhile.
        SafariBookmarksParser parser;
        QStringList events;
        record(parser, events, [&parser](const QString&, QVariant&, bool&, bool&, bool&) {
            QTimer::singleShot(0, &parser, &SafariBookmarksParser::abort);
            QEventLoop modal;
            QTimer::singleShot(20, &modal, &QEventLoop::quit);
            modal.exec();
        });
        QVERIFY(parser.start(path, QStringLiteral("top")));
        QTRY_VERIFY(!parser.running());
        QCOMPARE(events, QStringList({QStringLiteral("F Bookmarks Bar | top"), QStringLiteral("end 1 0 true")}));
    }
    {
        // A receiver that deletes the importer ends the walk without a crash.
        auto* parser = new SafariBookmarksParser;
        QStringList events;
        record(*parser, events, [&parser](const QString&, QVariant& data, bool& emitDirFound, bool&, bool& abort) {
            delete parser;
            parser = nullptr;
            // Answers given after the deletion touch no freed memory.
            data = QStringLiteral("gone");
            emitDirFound = false;
            abort = true;
        });
        QVERIFY(parser->start(path, QStringLiteral("top")));
        QTRY_VERIFY(!parser);
        QTest::qWait(20);
        QCOMPARE(events, QStringList{QStringLiteral("F Bookmarks Bar | top")});
    }
}

VORENDA_TEST_MAIN(TestSafariBookmarksParser)
#include "tst_safaribookmarksparser.moc"
