#include "BookmarkNode.h"

#include <QCoreApplication>

BookmarkNode BookmarkNode::folder(const QString& title)
{
    BookmarkNode node;
    node.kind = Folder;
    node.title = bounded(title);
    return node;
}

BookmarkNode BookmarkNode::leaf(const QString& title, const QString& url)
{
    BookmarkNode node;
    node.kind = Leaf;
    node.title = bounded(title);
    node.url = url;
    return node;
}

QString BookmarkNode::bounded(const QString& text)
{
    return text.size() > MAX_TEXT_LENGTH ? text.left(MAX_TEXT_LENGTH) : text;
}

BookmarkNode BookmarkNode::document(BookmarkNode root)
{
    BookmarkNode top = folder();
    top.children.push_back(std::move(root));
    return top;
}

bool BookmarkNode::mayDescend(int depth, const QString& title)
{
    if (depth < MAX_DEPTH)
        return true;
    qWarning("Bookmarks: folder \"%s\" nested too deep; its contents are left out", qPrintable(title));
    return false;
}

QString BookmarkNode::builtInName(BuiltIn folder)
{
    switch (folder) {
    case BookmarksBar: return QCoreApplication::translate("SafariBookmarksParser", "Bookmarks Bar");
    case BookmarksMenu: return QCoreApplication::translate("SafariBookmarksParser", "Bookmarks Menu");
    case OtherBookmarks: return QCoreApplication::translate("SafariBookmarksParser", "Other Bookmarks");
    case MobileBookmarks: return QCoreApplication::translate("SafariBookmarksParser", "Mobile Bookmarks");
    }
    return QString();
}

void BookmarkNode::addUnlessEmpty(std::vector<BookmarkNode>& children, BookmarkNode folder)
{
    if (!folder.children.empty())
        children.push_back(std::move(folder));
}

BookmarkNode BookmarkBudget::leaf(const QString& title, const QString& url)
{
    BookmarkNode leaf = BookmarkNode::leaf(title, url);
    if (leaf.title.isEmpty() || leaf.url.isEmpty())
        return leaf;
    if (leaf.url.size() > BookmarkNode::MAX_TEXT_LENGTH) {
        ++tooLong;
        leaf.kind = BookmarkNode::Other;
    } else if (left > 0) {
        --left;
    } else {
        ++leftOut;
        leaf.kind = BookmarkNode::Other;
    }
    return leaf;
}
