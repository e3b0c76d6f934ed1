#include "BookmarkReadThread.h"

#include "BookmarkFile.h"
#include "BrowserBookmarkFiles.h"

#include <QMutexLocker>

BookmarkReadThread::BookmarkReadThread(const QString& path, int maxBookmarks, QObject* parent)
    : QThread(parent)
    , path(path)
    , maxBookmarks(maxBookmarks)
{
}

BookmarkReadThread::~BookmarkReadThread()
{
    cancel();
    wait();
}

void BookmarkReadThread::cancel()
{
    cancelled = true;
}

std::optional<BookmarkNode> BookmarkReadThread::take()
{
    QMutexLocker lock(&mutex);
    if (documents.empty())
        return std::nullopt;
    BookmarkNode document = std::move(documents.front());
    documents.pop_front();
    return document;
}

bool BookmarkReadThread::allRead() const
{
    QMutexLocker lock(&mutex);
    return ended;
}

int BookmarkReadThread::leftOut() const
{
    QMutexLocker lock(&mutex);
    return leftOutCount;
}

int BookmarkReadThread::tooLong() const
{
    QMutexLocker lock(&mutex);
    return tooLongCount;
}

void BookmarkReadThread::run()
{
    const QStringList files = path.isEmpty() ? BrowserBookmarkFiles::find() : QStringList{path};
    BookmarkBudget budget(maxBookmarks, &cancelled);
    for (const QString& file : files) {
        if (cancelled)
            break;
        QString error;
        std::optional<BookmarkNode> document = BookmarkFile::read(file, &error, budget);
        if (!document) {
            if (!cancelled)
                qWarning("SafariBookmarksParser: %s not read: %s", qPrintable(file), qPrintable(error));
            continue;
        }
        {
            QMutexLocker lock(&mutex);
            documents.push_back(std::move(*document));
        }
        emit documentRead();
    }
    {
        QMutexLocker lock(&mutex);
        ended = true;
        leftOutCount = budget.leftOut;
        tooLongCount = budget.tooLong;
    }
    emit documentRead();
}
