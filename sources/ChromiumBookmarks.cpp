#include "ChromiumBookmarks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

BookmarkNode node(const QJsonObject& object, int depth)
{
    BookmarkNode result;
    result.title = object.value(QLatin1String("name")).toString();
    const QString type = object.value(QLatin1String("type")).toString();
    if (type == QLatin1String("url")) {
        result.kind = BookmarkNode::Leaf;
        result.url = object.value(QLatin1String("url")).toString();
        return result;
    }
    if (type != QLatin1String("folder"))
        return result;
    result.kind = BookmarkNode::Folder;
    if (!BookmarkNode::mayDescend(depth, result.title))
        return result;
    const QJsonArray children = object.value(QLatin1String("children")).toArray();
    for (const QJsonValue& child : children) {
        BookmarkNode childNode = node(child.toObject(), depth + 1);
        if (childNode.kind != BookmarkNode::Other)
            result.children.push_back(std::move(childNode));
    }
    return result;
}

} // namespace

std::optional<BookmarkNode> ChromiumBookmarks::read(const QByteArray& json, QString* error)
{
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
        BookmarkNode folder = node(roots.value(QLatin1String(builtIn.key)).toObject(), 1);
        folder.kind = BookmarkNode::Folder;
        folder.title = BookmarkNode::builtInName(builtIn.folder);
        BookmarkNode::addUnlessEmpty(root.children, std::move(folder));
    }
    return BookmarkNode::document(std::move(root));
}
