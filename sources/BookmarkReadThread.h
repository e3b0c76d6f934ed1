#pragma once

#include "BookmarkNode.h"

#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>
#include <deque>
#include <optional>

// Reads the bookmark files of one import, one after another, on a thread of its own,
// and hands each tree over as soon as it is read: a huge file never stops the GUI
// thread, and an import can be cancelled while a file is being read.
class BookmarkReadThread : public QThread
{
    Q_OBJECT

public:
    // Reads `path`, or every browser's bookmark file when it is empty, keeping at most
    // `maxBookmarks` bookmarks in all. Reading begins with start().
    BookmarkReadThread(const QString& path, int maxBookmarks, QObject* parent = nullptr);
    // Cancels the reading and waits for the thread.
    ~BookmarkReadThread() override;

    // Makes the reading end soon: at the next row, node or piece of a copy. The trees
    // not yet taken stay, later files are not read.
    void cancel();
    // The next tree read, if one is waiting.
    std::optional<BookmarkNode> take();
    // Whether every file has been read (or the reading was cancelled).
    bool allRead() const;
    // The bookmarks not kept: beyond the bound, or with too long an address. Final once
    // allRead() is true.
    int leftOut() const;
    int tooLong() const;

signals:
    // A tree is waiting, or the reading has ended; sent from the reading thread.
    void documentRead();

protected:
    void run() override;

private:
    const QString path;
    const int maxBookmarks;
    std::atomic<bool> cancelled{false};
    mutable QMutex mutex;
    std::deque<BookmarkNode> documents;
    bool ended = false;
    int leftOutCount = 0;
    int tooLongCount = 0;
};
