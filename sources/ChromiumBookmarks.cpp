#include "ChromiumBookmarks.h"

#include "JsonDuplicateKeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

BookmarkNode node(const QJsonObject& object, int depth, BookmarkBudget& budget)
{
    const QString title = object.value(QLatin1String("name")).toString();
    const QString type = object.value(QLatin1String("type")).toString();
    if (type == QLatin1String("url"))
        return budget.leaf(title, object.value(QLatin1String("url")).toString());
    if (type != QLatin1String("folder"))
        return BookmarkNode();
    // A folder met once the budget is spent is walked only to count what it holds.
    const bool spent = budget.spent();
    BookmarkNode result = BookmarkNode::folder(title);
    if (BookmarkNode::mayDescend(depth, result.title)) {
        const QJsonArray children = object.value(QLatin1String("children")).toArray();
        for (const QJsonValue& child : children) {
            if (budget.isCancelled())
                break;
            BookmarkNode childNode = node(child.toObject(), depth + 1, budget);
            if (childNode.kind != BookmarkNode::Other)
                result.children.push_back(std::move(childNode));
        }
    }
    return spent ? BookmarkNode() : result;
}

} // namespace

std::optional<BookmarkNode> ChromiumBookmarks::read(const QByteArray& json, QString* error, BookmarkBudget& budget)
{
    // No browser writes a key twice, and Qt's parser would lose memory over it.
    if (jsonHasDuplicateKey(json)) {
        *error = QStringLiteral("an object names a key twice");
        return std::nullopt;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject roots = document.object().value(QLatin1String("roots")).toObject();
    if (parseError.error != QJsonParseError::NoError || roots.isEmpty()) {
        *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                              : QStringLiteral("no bookmark roots");
        return std::nullopt;
    }
    const struct
    {
        const char* key;
        BookmarkNode::BuiltIn folder;
    } builtIns[] = {{"bookmark_bar", BookmarkNode::BookmarksBar},
                    {"other", BookmarkNode::OtherBookmarks},
                    {"synced", BookmarkNode::MobileBookmarks}};
    BookmarkNode root = BookmarkNode::folder();
    for (const auto& builtIn : builtIns) {
        BookmarkNode folder = node(roots.value(QLatin1String(builtIn.key)).toObject(), 1, budget);
        folder.kind = BookmarkNode::Folder;
        folder.title = BookmarkNode::builtInName(builtIn.folder);
        BookmarkNode::addUnlessEmpty(root.children, std::move(folder));
    }
    return BookmarkNode::document(std::move(root));
}
