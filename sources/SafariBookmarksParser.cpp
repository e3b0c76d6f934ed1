#include "SafariBookmarksParser.h"

#include "BookmarkReadThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>

SafariBookmarksParser::SafariBookmarksParser(QObject* parent) : QObject(parent)
{
    turn.setSingleShot(true);
    turn.setInterval(0);
    connect(&turn, &QTimer::timeout, this, &SafariBookmarksParser::walk);
    // The program ends without waiting for a file to be read to its end, and leaves no
    // thread behind.
    if (QCoreApplication::instance()) {
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            abort();
            for (BookmarkReadThread* thread : cancelReaders())
                thread->wait();
        });
    }
}

SafariBookmarksParser::~SafariBookmarksParser()
{
    turn.stop();
    // Each reader waits for its thread as it is deleted.
    cancelReaders();
}

QList<BookmarkReadThread*> SafariBookmarksParser::cancelReaders()
{
    // Every reader is told before the first is waited for.
    const QList<BookmarkReadThread*> readers = findChildren<BookmarkReadThread*>();
    for (BookmarkReadThread* thread : readers)
        thread->cancel();
    return readers;
}

bool SafariBookmarksParser::start(const QString& plistPath, QVariant data)
{
    if (active) {
        qWarning("SafariBookmarksParser: an import is running; another one is refused");
        return false;
    }
    retireReader();
    this->data = data;
    folders = 0;
    urls = 0;
    leftOutCount = 0;
    abortedFlag = false;
    pausedFlag = false;
    emitDirFound = true;
    skipSubfolders = false;
    begun = false;
    levels.clear();
    document.reset();
    active = true;
    reader = new BookmarkReadThread(plistPath, maxBookmarks, this);
    connect(reader, &BookmarkReadThread::documentRead, this, &SafariBookmarksParser::documentRead);
    reader->start();
    return true;
}

void SafariBookmarksParser::abort()
{
    abortedFlag = true;
    if (reader)
        reader->cancel();
    if (!active)
        return;
    if (!begun) {
        stop();
        return;
    }
    // A slice under way notices the flag after its report; otherwise the next one ends.
    if (!walking)
        turn.start();
}

void SafariBookmarksParser::setPaused(bool paused)
{
    pausedFlag = paused;
    // A tree may have come meanwhile; the slice waits again when none has.
    if (!pausedFlag && active && !walking)
        turn.start();
}

void SafariBookmarksParser::documentRead()
{
    // A slice under way (a folder question open) takes the tree when it gets there.
    if (active && !walking && !pausedFlag)
        turn.start();
}

void SafariBookmarksParser::walk()
{
    if (!active || walking)
        return;
    if (abortedFlag) {
        finish();
        return;
    }
    if (pausedFlag)
        return;
    const QPointer<SafariBookmarksParser> alive(this);
    walking = true;
    const int urlsBefore = urls;
    bool waiting = false;
    QElapsedTimer clock;
    clock.start();
    while (!abortedFlag && !pausedFlag && clock.elapsed() < SLICE_MS) {
        if (levels.empty() && !nextDocument()) {
            waiting = true;
            break;
        }
        if (!step(alive))
            return;
    }
    walking = false;
    if (!abortedFlag && waiting && !reader) {
        finish();
        return;
    }
    if (urls != urlsBefore) {
        emit progress(urls);
        if (!alive)
            return;
    }
    if (abortedFlag)
        finish();
    else if (!waiting && !pausedFlag)
        turn.start();
    // Waiting for the reader: its next tree starts the next slice.
}

bool SafariBookmarksParser::nextDocument()
{
    if (!reader)
        return false;
    // Asked before the take: a tree handed over in between is then still found.
    const bool allRead = reader->allRead();
    std::optional<BookmarkNode> next = reader->take();
    if (!next) {
        if (allRead) {
            begun = true;
            leftOutCount = reader->leftOut();
            if (reader->tooLong() > 0)
                qWarning("SafariBookmarksParser: %d bookmarks with addresses longer than %d characters left out",
                         reader->tooLong(), BookmarkNode::MAX_TEXT_LENGTH);
            if (reader->leftOut() > 0)
                qWarning("SafariBookmarksParser: %d bookmarks beyond the first %d left out", reader->leftOut(),
                         maxBookmarks);
            retireReader();
        }
        return false;
    }
    begun = true;
    document = std::move(next);
    levels.push_back({&*document, 0, data});
    return true;
}

bool SafariBookmarksParser::step(const QPointer<SafariBookmarksParser>& alive)
{
    Level& level = levels.back();
    if (level.next >= level.folder->children.size()) {
        // The folder is done with: its nodes need no memory any more.
        std::vector<BookmarkNode>().swap(level.folder->children);
        levels.pop_back();
        if (levels.empty())
            document.reset();
        return true;
    }
    BookmarkNode& node = level.folder->children[level.next++];
    if (node.kind == BookmarkNode::Folder) {
        // A new value from the receiver is the folder's; its siblings keep the level's.
        QVariant childData = level.data;
        if (!node.title.isEmpty() && emitDirFound && !skipSubfolders) {
            ++folders;
            // The receiver answers through copies on this stack: one that deletes the
            // importer meanwhile (the cabinet closed during its question) and then
            // sets an answer writes into no freed memory.
            bool emitDir = emitDirFound;
            bool skip = skipSubfolders;
            bool stop = abortedFlag;
            emit folderFound(node.title, childData, emitDir, skip, stop);
            if (!alive)
                return false;
            emitDirFound = emitDir;
            skipSubfolders = skip;
            if (stop)
                abort();
        }
        if (!abortedFlag && !node.children.empty() && !skipSubfolders)
            levels.push_back({&node, 0, childData});
    } else if (node.kind == BookmarkNode::Leaf && !node.title.isEmpty() && !node.url.isEmpty()) {
        ++urls;
        emit bookmarkFound(node.title, node.url, level.data);
        if (!alive)
            return false;
    }
    return true;
}

void SafariBookmarksParser::stop()
{
    turn.stop();
    active = false;
    walking = false;
    levels.clear();
    document.reset();
    retireReader();
}

void SafariBookmarksParser::finish()
{
    stop();
    emit finished(folders, urls, abortedFlag);
}

void SafariBookmarksParser::retireReader()
{
    if (!reader)
        return;
    disconnect(reader, nullptr, this, nullptr);
    reader->cancel();
    // A thread still reading is deleted once it has ended; deleteLater may come twice.
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    if (reader->isFinished())
        reader->deleteLater();
    reader = nullptr;
}
