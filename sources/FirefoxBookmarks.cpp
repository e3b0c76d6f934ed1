#include "FirefoxBookmarks.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>

namespace {

// moz_bookmarks.type
constexpr int TYPE_BOOKMARK = 1;
constexpr int TYPE_FOLDER = 2;

const char ROOT_GUID[] = "root________";
const char TAGS_GUID[] = "tags________";

struct Row
{
    qint64 id = 0;
    int type = 0;
    QString title;
    QString guid;
    QString url;
};

class PlacesTree
{
public:
    bool load(QSqlDatabase& db, QString* error)
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // A bookmark without a title of its own shows the page's title.
        if (!query.exec(QStringLiteral(
                "SELECT b.id, b.type, b.parent, COALESCE(NULLIF(b.title, ''), p.title), b.guid, p.url "
                "FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk "
                "ORDER BY b.parent, b.position, b.id"))) {
            *error = query.lastError().text();
            return false;
        }
        while (query.next()) {
            Row row{query.value(0).toLongLong(), query.value(1).toInt(), query.value(3).toString(),
                    query.value(4).toString(), query.value(5).toString()};
            if (row.guid == QLatin1String(ROOT_GUID))
                rootId = row.id;
            children[query.value(2).toLongLong()].append(row);
        }
        if (query.lastError().isValid()) {
            *error = query.lastError().text();
            return false;
        }
        return true;
    }

    BookmarkNode top()
    {
        BookmarkNode root = BookmarkNode::folder();
        const QVector<Row> places = children.value(rootId);
        seen.insert(rootId);
        for (const Row& row : places) {
            if (row.type != TYPE_FOLDER || seen.contains(row.id))
                continue;
            seen.insert(row.id);
            // Tag folders list bookmarks that are filed elsewhere already.
            if (row.guid == QLatin1String(TAGS_GUID))
                continue;
            BookmarkNode folder = node(row, 1);
            folder.title = builtInTitle(row);
            BookmarkNode::addUnlessEmpty(root.children, std::move(folder));
        }
        return BookmarkNode::document(std::move(root));
    }

private:
    static QString builtInTitle(const Row& row)
    {
        if (row.guid == QLatin1String("toolbar_____"))
            return BookmarkNode::builtInName(BookmarkNode::BookmarksBar);
        if (row.guid == QLatin1String("menu________"))
            return BookmarkNode::builtInName(BookmarkNode::BookmarksMenu);
        if (row.guid == QLatin1String("unfiled_____"))
            return BookmarkNode::builtInName(BookmarkNode::OtherBookmarks);
        if (row.guid == QLatin1String("mobile______"))
            return BookmarkNode::builtInName(BookmarkNode::MobileBookmarks);
        return row.title;
    }

    BookmarkNode node(const Row& row, int depth)
    {
        BookmarkNode result;
        result.title = row.title;
        if (row.type == TYPE_BOOKMARK) {
            // "place:" addresses are Firefox's saved searches, no pages.
            const bool query = row.url.startsWith(QLatin1String("place:"), Qt::CaseInsensitive);
            result.kind = query ? BookmarkNode::Other : BookmarkNode::Leaf;
            result.url = row.url;
            return result;
        }
        if (row.type != TYPE_FOLDER)
            return result;
        result.kind = BookmarkNode::Folder;
        if (!BookmarkNode::mayDescend(depth, row.title))
            return result;
        const QVector<Row> contents = children.value(row.id);
        for (const Row& child : contents) {
            // Each row once, even in a damaged database whose rows repeat or loop.
            if (seen.contains(child.id))
                continue;
            seen.insert(child.id);
            BookmarkNode childNode = node(child, depth + 1);
            if (childNode.kind != BookmarkNode::Other)
                result.children.push_back(std::move(childNode));
        }
        return result;
    }

    QHash<qint64, QVector<Row>> children; // by parent id, in the browser's order
    QSet<qint64> seen;
    qint64 rootId = 1;
};

} // namespace

std::optional<BookmarkNode> FirefoxBookmarks::read(const QString& path, QString* error)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        *error = QStringLiteral("Qt's SQLite driver is not installed");
        return std::nullopt;
    }
    static std::atomic<int> connections{0};
    const QString connection = QStringLiteral("vorenda-places-%1").arg(++connections);
    std::optional<BookmarkNode> tree;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        // Immutable: SQLite takes no lock and reads no journal, so a running Firefox,
        // which holds the database exclusively, does not keep it from being read.
        db.setDatabaseName(QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()) + QStringLiteral("?immutable=1"));
        PlacesTree places;
        if (!db.open())
            *error = db.lastError().text();
        else if (places.load(db, error))
            tree = places.top();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return tree;
}
