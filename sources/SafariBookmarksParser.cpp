#include "SafariBookmarksParser.h"

#include "BookmarkFile.h"
#include "BrowserBookmarkFiles.h"

SafariBookmarksParser::SafariBookmarksParser(QObject* parent) : QObject(parent)
{
    turn.setSingleShot(true);
    turn.setInterval(0);
    connect(&turn, &QTimer::timeout, this, &SafariBookmarksParser::walk);
}

SafariBookmarksParser::~SafariBookmarksParser()
{
    abort();
}

bool SafariBookmarksParser::start(const QString& plistPath, QVariant data)
{
    if (running()) {
        qWarning("SafariBookmarksParser: an import is running; another one is refused");
        return false;
    }
    path = plistPath;
    this->data = data;
    folders = 0;
    urls = 0;
    abortedFlag = false;
    emitDirFound = true;
    skipSubfolders = false;
    turn.start();
    return true;
}

void SafariBookmarksParser::abort()
{
    turn.stop();
    abortedFlag = true;
}

std::vector<BookmarkNode> SafariBookmarksParser::readDocuments() const
{
    const QStringList files = path.isEmpty() ? BrowserBookmarkFiles::find() : QStringList{path};
    std::vector<BookmarkNode> documents;
    for (const QString& file : files) {
        QString error;
        std::optional<BookmarkNode> document = BookmarkFile::read(file, &error);
        if (document)
            documents.push_back(std::move(*document));
        else
            qWarning("SafariBookmarksParser: %s not read: %s", qPrintable(file), qPrintable(error));
    }
    return documents;
}

void SafariBookmarksParser::walk()
{
    walking = true;
    const std::vector<BookmarkNode> documents = readDocuments();
    const QPointer<SafariBookmarksParser> alive(this);
    for (const BookmarkNode& document : documents) {
        if (!recurse(document.children, data, alive))
            return;
    }
    walking = false;
    emit finished(folders, urls, abortedFlag);
}

bool SafariBookmarksParser::recurse(const std::vector<BookmarkNode>& nodes, QVariant data,
                                    const QPointer<SafariBookmarksParser>& alive)
{
    for (const BookmarkNode& node : nodes) {
        if (abortedFlag)
            return true;
        if (node.kind == BookmarkNode::Folder) {
            const QVariant levelData = data;
            if (!node.title.isEmpty() && emitDirFound && !skipSubfolders) {
                ++folders;
                // The receiver answers through copies on this stack: one that deletes the
                // importer meanwhile (the cabinet closed during its question) and then
                // sets an answer writes into no freed memory.
                bool emitDir = emitDirFound;
                bool skip = skipSubfolders;
                bool stop = abortedFlag;
                emit folderFound(node.title, data, emitDir, skip, stop);
                if (!alive)
                    return false;
                emitDirFound = emitDir;
                skipSubfolders = skip;
                abortedFlag = abortedFlag || stop;
            }
            if (abortedFlag)
                return true;
            // A new value from the receiver is the folder's; its siblings keep the level's.
            const QVariant childData = data;
            data = levelData;
            if (!node.children.empty() && !skipSubfolders && !recurse(node.children, childData, alive))
                return false;
        } else if (node.kind == BookmarkNode::Leaf && !node.title.isEmpty() && !node.url.isEmpty()) {
            ++urls;
            emit bookmarkFound(node.title, node.url, data);
            if (!alive)
                return false;
        }
    }
    return true;
}
