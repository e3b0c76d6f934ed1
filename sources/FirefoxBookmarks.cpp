#include "FirefoxBookmarks.h"

#include "PlacesSnapshot.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>
#include <utility>
#include <vector>

namespace {

// moz_bookmarks.type
constexpr int TYPE_BOOKMARK = 1;
constexpr int TYPE_FOLDER = 2;

const char ROOT_GUID[] = "root________";
const char TAGS_GUID[] = "tags________";

// The texts stay UTF-8 until they become nodes: a million rows in UTF-16 would take
// twice the memory.
struct Row
{
    qint64 id = 0;
    int type = 0;
    QByteArray title;
    QByteArray guid; // folders only
    QByteArray url;
};

class PlacesTree
{
public:
    explicit PlacesTree(BookmarkBudget& budget)
        : budget(budget)
    {
    }

    bool load(QSqlDatabase& db, QString* error)
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // A bookmark without a title of its own shows the page's title. Titles and
        // addresses are read no longer than a bookmark may keep them; an address one
        // character longer is known to be too long.
        if (!query.exec(QStringLiteral(
                "SELECT b.id, b.type, b.parent, substr(COALESCE(NULLIF(b.title, ''), p.title), 1, %1), "
                "CASE WHEN b.type = %3 THEN b.guid END, substr(p.url, 1, %2) "
                "FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk "
                "ORDER BY b.parent, b.position, b.id")
                            .arg(BookmarkNode::MAX_TEXT_LENGTH)
                            .arg(BookmarkNode::MAX_TEXT_LENGTH + 1)
                            .arg(TYPE_FOLDER))) {
            *error = query.lastError().text();
            return false;
        }
        while (query.next()) {
            if (budget.isCancelled()) {
                *error = QStringLiteral("cancelled");
                return false;
            }
            Row row{query.value(0).toLongLong(), query.value(1).toInt(), query.value(3).toString().toUtf8(),
                    query.value(4).toString().toUtf8(), query.value(5).toString().toUtf8()};
            if (row.guid == ROOT_GUID)
                rootId = row.id;
            // The rows come grouped by parent: each parent's children are one range.
            const qint64 parent = query.value(2).toLongLong();
            auto range = children.find(parent);
            if (range == children.end())
                range = children.insert(parent, {int(rows.size()), 0});
            ++range->second;
            rows.push_back(std::move(row));
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
        seen.insert(rootId);
        const auto places = children.value(rootId, {0, 0});
        for (int i = places.first; i < places.first + places.second; ++i) {
            const Row& row = rows[size_t(i)];
            if (row.type != TYPE_FOLDER || seen.contains(row.id))
                continue;
            seen.insert(row.id);
            // Tag folders list bookmarks that are filed elsewhere already.
            if (row.guid == TAGS_GUID)
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
        if (row.guid == "toolbar_____")
            return BookmarkNode::builtInName(BookmarkNode::BookmarksBar);
        if (row.guid == "menu________")
            return BookmarkNode::builtInName(BookmarkNode::BookmarksMenu);
        if (row.guid == "unfiled_____")
            return BookmarkNode::builtInName(BookmarkNode::OtherBookmarks);
        if (row.guid == "mobile______")
            return BookmarkNode::builtInName(BookmarkNode::MobileBookmarks);
        return QString::fromUtf8(row.title);
    }

    BookmarkNode node(const Row& row, int depth)
    {
        if (row.type == TYPE_BOOKMARK) {
            // "place:" addresses are Firefox's saved searches, no pages.
            if (row.url.left(6).toLower() == "place:")
                return BookmarkNode();
            return budget.leaf(QString::fromUtf8(row.title), QString::fromUtf8(row.url));
        }
        if (row.type != TYPE_FOLDER)
            return BookmarkNode();
        // A folder met once the budget is spent is walked only to count what it holds.
        const bool spent = budget.spent();
        BookmarkNode result = BookmarkNode::folder(QString::fromUtf8(row.title));
        if (BookmarkNode::mayDescend(depth, result.title)) {
            const auto contents = children.value(row.id, {0, 0});
            for (int i = contents.first; i < contents.first + contents.second && !budget.isCancelled(); ++i) {
                const Row& child = rows[size_t(i)];
                // Each row once, even in a damaged database whose rows repeat or loop.
                if (seen.contains(child.id))
                    continue;
                seen.insert(child.id);
                BookmarkNode childNode = node(child, depth + 1);
                if (childNode.kind != BookmarkNode::Other)
                    result.children.push_back(std::move(childNode));
            }
        }
        return spent ? BookmarkNode() : result;
    }

    BookmarkBudget& budget;
    std::vector<Row> rows;                          // in the browser's order within each parent
    QHash<qint64, std::pair<int, int>> children;    // by parent id: first row and count
    QSet<qint64> seen;
    qint64 rootId = 1;
};

// Opens `path` (a URI) with `options`, reads the tree and closes the database again.
std::optional<BookmarkNode> readTree(const QString& uri, const QString& options, BookmarkBudget& budget,
                                     QString* error)
{
    static std::atomic<int> connections{0};
    const QString connection = QStringLiteral("vorenda-places-%1").arg(++connections);
    std::optional<BookmarkNode> tree;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(options);
        db.setDatabaseName(uri);
        PlacesTree places(budget);
        if (!db.open())
            *error = db.lastError().text();
        else if (places.load(db, error))
            tree = places.top();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return tree;
}

QString fileUri(const QString& path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

} // namespace

std::optional<BookmarkNode> FirefoxBookmarks::read(const QString& path, QString* error, BookmarkBudget& budget)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        *error = QStringLiteral("Qt's SQLite driver is not installed");
        return std::nullopt;
    }
    if (!PlacesSnapshot::hasLoggedChanges(path)) {
        // All there is lies in the database file. Immutable: SQLite takes no lock and
        // writes nothing, so a running Firefox, which holds the database exclusively,
        // neither keeps it from being read nor waits.
        return readTree(fileUri(path) + QStringLiteral("?immutable=1"),
                        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"), budget, error);
    }
    // Recent changes are in the write-ahead log, which only a reader that shares
    // Firefox's locks would see in place: the copy is read instead.
    PlacesSnapshot snapshot;
    QString copyError;
    if (!snapshot.make(path, budget.cancelled, &copyError)) {
        *error = QStringLiteral("no private copy to read with its write-ahead log: %1").arg(copyError);
        return std::nullopt;
    }
    return readTree(fileUri(snapshot.databasePath()), QStringLiteral("QSQLITE_OPEN_URI"), budget, error);
}
