#include "PlistBookmarks.h"

#include "PropertyList.h"

#include <QDomDocument>

namespace {

QString lowerTag(const QDomElement& element)
{
    return element.tagName().toLower();
}

// The value of a key is the element after it, whatever its tag.
bool valueIs(const QDomElement& value, const char* tag)
{
    return !value.isNull() && lowerTag(value) == QLatin1String(tag);
}

std::vector<BookmarkNode> dictNodes(const QDomElement& parent, int depth, BookmarkBudget& budget);

// A URI dictionary names the bookmark only when its first key is "title".
std::optional<QString> uriDictionaryTitle(const QDomElement& dictionary)
{
    for (QDomElement child = dictionary.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (lowerTag(child) != QLatin1String("key"))
            continue;
        const QDomElement value = child.nextSiblingElement();
        if (child.text().toLower() == QLatin1String("title") && valueIs(value, "string"))
            return value.text();
        return std::nullopt;
    }
    return std::nullopt;
}

BookmarkNode dictNode(const QDomElement& dict, int depth, BookmarkBudget& budget)
{
    BookmarkNode node;
    QString type;
    QDomElement children;
    // Every key in document order: a later title wins over an earlier one.
    for (QDomElement key = dict.firstChildElement(); !key.isNull(); key = key.nextSiblingElement()) {
        if (lowerTag(key) != QLatin1String("key"))
            continue;
        const QString name = key.text().toLower();
        const QDomElement value = key.nextSiblingElement();
        if (name == QLatin1String("title") && valueIs(value, "string"))
            node.title = value.text();
        else if (name == QLatin1String("uridictionary") && valueIs(value, "dict"))
            node.title = uriDictionaryTitle(value).value_or(node.title);
        else if (name == QLatin1String("urlstring") && valueIs(value, "string"))
            node.url = value.text();
        else if (name == QLatin1String("webbookmarktype") && valueIs(value, "string"))
            type = value.text().toLower();
        else if (name == QLatin1String("children") && valueIs(value, "array"))
            children = value;
    }
    if (type == QLatin1String("webbookmarktypeleaf")) {
        node = budget.leaf(node.title, node.url);
    } else if (type == QLatin1String("webbookmarktypelist")) {
        // A folder met once the budget is spent is walked only to count what it holds.
        const bool spent = budget.spent();
        node = BookmarkNode::folder(node.title);
        if (!children.isNull() && BookmarkNode::mayDescend(depth, node.title))
            node.children = dictNodes(children, depth + 1, budget);
        if (spent)
            node = BookmarkNode();
    }
    return node;
}

std::vector<BookmarkNode> dictNodes(const QDomElement& parent, int depth, BookmarkBudget& budget)
{
    std::vector<BookmarkNode> nodes;
    for (QDomElement child = parent.firstChildElement(); !child.isNull() && !budget.isCancelled();
         child = child.nextSiblingElement()) {
        if (lowerTag(child) == QLatin1String("dict"))
            nodes.push_back(dictNode(child, depth, budget));
    }
    return nodes;
}

} // namespace

std::optional<BookmarkNode> PlistBookmarks::read(const QByteArray& bytes, QString* error, BookmarkBudget& budget)
{
    QByteArray xml = bytes;
    if (PropertyList::isBinary(bytes)) {
        const PropertyList list(bytes);
        if (!list.isValid()) {
            *error = list.error();
            return std::nullopt;
        }
        xml = list.toXml();
    } else if (!propertyListWithinBounds(bytes, PropertyListBounds(), error)) {
        return std::nullopt;
    }
    QDomDocument document;
    QString parseError;
    if (!document.setContent(QString::fromUtf8(xml), &parseError)) {
        *error = parseError;
        return std::nullopt;
    }
    BookmarkNode top = BookmarkNode::folder();
    const QDomElement root = document.documentElement();
    if (lowerTag(root) == QLatin1String("plist"))
        top.children = dictNodes(root, 0, budget);
    return top;
}
