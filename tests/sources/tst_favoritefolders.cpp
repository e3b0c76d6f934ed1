#include "TestEnvironment.h"

#include "FavoriteFolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

namespace {

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList result;
    for (const char* text : texts)
        result << QString::fromUtf8(text);
    return result;
}

} // namespace

// The file manager's bookmarked folders: GTK's list and KDE's places, what of them
// counts as a local folder, and the label each was given.
class TestFavoriteFolders : public QObject
{
    Q_OBJECT

private slots:
    void gtkLines_data();
    void gtkLines();
    void kdePlaces_data();
    void kdePlaces();
    void listKeepsExistingFoldersOnce();

private:
    // "path|label" per folder.
    static QStringList lines(const QList<FavoriteFolders::Folder>& folders);
    static bool write(const QString& path, const QByteArray& bytes);
};

QStringList TestFavoriteFolders::lines(const QList<FavoriteFolders::Folder>& folders)
{
    QStringList result;
    for (const FavoriteFolders::Folder& folder : folders)
        result << folder.path + QLatin1Char('|') + folder.name;
    return result;
}

bool TestFavoriteFolders::write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void TestFavoriteFolders::gtkLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << QByteArray("file:///home/anna/Projects\n") << strings({"/home/anna/Projects|"});
    QTest::newRow("label with blanks") << QByteArray("file:///home/anna/Projects  My work projects \n")
                                       << strings({"/home/anna/Projects|My work projects"});
    QTest::newRow("percent-encoded, UTF-8")
        << QByteArray("file:///home/anna/Fotos%20vom%20M%C3%BCggelsee Sommer am See\n")
        << strings({"/home/anna/Fotos vom Müggelsee|Sommer am See"});
    QTest::newRow("trailing separator") << QByteArray("file:///srv/data/\n") << strings({"/srv/data|"});
    QTest::newRow("localhost") << QByteArray("file://localhost/srv/data\n") << strings({"/srv/data|"});
    QTest::newRow("other machines and schemes")
        << QByteArray("sftp://server/home/anna\nsmb://nas/share Share\nfile://nas/share\nhttps://example.org Site\n")
        << QStringList{};
    QTest::newRow("blank, damaged and CRLF lines")
        << QByteArray("\n   \n%%%\nfile:///a\r\nnot a url at all\n/home/anna/plain-path\n")
        << strings({"/a|"});
}

void TestFavoriteFolders::gtkLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(FavoriteFolders::fromGtkBookmarks(text)), expected);
}

void TestFavoriteFolders::kdePlaces_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("expected");

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE xbel>\n"
                            "<xbel xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\">\n";
    const auto place = [](const char* href, const char* title, const char* kdeMetadata) {
        return QByteArray("<bookmark href=\"") + href + "\"><title>" + title
            + "</title><info><metadata owner=\"http://freedesktop.org\"><bookmark:icon name=\"folder\"/></metadata>"
              "<metadata owner=\"http://www.kde.org\"><ID>1/0</ID>"
            + kdeMetadata + "</metadata></info></bookmark>\n";
    };
    QTest::newRow("user's places, in order")
        << head + place("file:///home/anna/Projects", "Projects", "") + "<separator/>"
               + place("file:///home/anna/Music%20Library", "Songs", "") + "</xbel>"
        << strings({"/home/anna/Projects|Projects", "/home/anna/Music Library|Songs"});
    QTest::newRow("system's places and hidden ones left out")
        << head + place("file:///home/anna", "Home", "<isSystemItem>true</isSystemItem>")
               + place("trash:/", "Trash", "<isSystemItem>true</isSystemItem>")
               + place("file:///home/anna/Old", "Old", "<IsHidden>true</IsHidden>")
               + place("file:///home/anna/Kept", "Kept", "<IsHidden>false</IsHidden>")
               + place("remote:/", "Network", "") + "</xbel>"
        << strings({"/home/anna/Kept|Kept"});
    QTest::newRow("in a folder, without a title")
        << head + "<folder><title>Group</title><bookmark href=\"file:///srv/data\"/></folder></xbel>"
        << strings({"/srv/data|"});
    QTest::newRow("damaged after the first")
        << head + place("file:///home/anna/Projects", "Projects", "") + "<bookmark href=\"file:///x\"><title>"
        << strings({"/home/anna/Projects|Projects"});
    QTest::newRow("not a places list") << QByteArray("<html><bookmark href=\"file:///srv\"/></html>") << QStringList{};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void TestFavoriteFolders::kdePlaces()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(FavoriteFolders::fromUserPlaces(xml)), expected);
}

void TestFavoriteFolders::listKeepsExistingFoldersOnce()
{
    const QString home = TestEnvironment::instance()->home();
    for (const QString& folder : strings({"Projects", "Music Library", "Shared"}))
        QVERIFY(QDir(home).mkpath(folder));
    const QString url = QUrl::fromLocalFile(home).toString(QUrl::FullyEncoded);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);

    QCOMPARE(lines(FavoriteFolders::list()), QStringList{});

    QVERIFY(write(config + QStringLiteral("/gtk-3.0/bookmarks"),
                  (url + QStringLiteral("/Projects Work\n") + url + QStringLiteral("/Gone\n") + url
                   + QStringLiteral("/Music%20Library\n"))
                      .toUtf8()));
    QVERIFY(write(data + QStringLiteral("/user-places.xbel"),
                  "<xbel><bookmark href=\"" + url.toUtf8() + "/Projects\"><title>Again</title></bookmark>"
                  "<bookmark href=\"" + url.toUtf8() + "/Shared\"><title>Shared</title></bookmark></xbel>"));
    // GTK's first, a folder named twice once with its first label, a vanished one left out.
    QCOMPARE(lines(FavoriteFolders::list()),
             (QStringList{home + QStringLiteral("/Projects|Work"), home + QStringLiteral("/Music Library|"),
                          home + QStringLiteral("/Shared|Shared")}));

    // A file far larger than any list is no list.
    QVERIFY(write(config + QStringLiteral("/gtk-3.0/bookmarks"),
                  (url + QStringLiteral("/Projects\n")).toUtf8() + QByteArray(2 * 1024 * 1024, '\n')));
    QCOMPARE(lines(FavoriteFolders::list()),
             (QStringList{home + QStringLiteral("/Projects|Again"), home + QStringLiteral("/Shared|Shared")}));
    QFile::remove(config + QStringLiteral("/gtk-3.0/bookmarks"));
    QFile::remove(data + QStringLiteral("/user-places.xbel"));
}

VORENDA_TEST_MAIN(TestFavoriteFolders)
#include "tst_favoritefolders.moc"
