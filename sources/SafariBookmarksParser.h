#pragma once

#include "BookmarkNode.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

#include <optional>
#include <vector>

class BookmarkReadThread;

// Imports bookmarks: the browsers' own files are read on a thread of their own, then
// walked folder by folder on the GUI thread in short slices, so that the event loop
// runs between them and the import can be paused and aborted. The receiver answers
// each folder through the reference arguments of folderFound, so it must be connected
// directly.
class SafariBookmarksParser : public QObject
{
    Q_OBJECT

public:
    // The most bookmarks one import reads; the rest is counted. A cabinet's layout, its
    // paint and its save take time in proportion to its items: at this many, a layout
    // with its paint still takes well below a tenth of a second.
    static constexpr int MAX_BOOKMARKS = 50000;

    explicit SafariBookmarksParser(QObject* parent = nullptr);
    ~SafariBookmarksParser() override;

    // Starts an import: of `plistPath` (a bookmark property list, a Firefox places
    // database or a Chromium "Bookmarks" file), or, when the path is empty, of every
    // browser's bookmarks on this machine. `data` is the value of the top level. The
    // first report comes from the event loop. Refused while an import runs.
    bool start(const QString& plistPath, QVariant data);

    bool aborted() const { return abortedFlag; }
    bool running() const { return active; }
    bool paused() const { return pausedFlag; }
    // The bookmarks the last import left out beyond its bound, known once it has
    // finished. (Those with too long an address are left out with a log line.)
    int leftOut() const { return leftOutCount; }
    // The bound of the next import (MAX_BOOKMARKS unless set).
    void setMaxBookmarks(int count) { maxBookmarks = count; }

public slots:
    // Ends the import: one whose walk has not begun gives no signal at all, a walk
    // stops at its next node and reports finished, with aborted set, from the event loop.
    void abort();
    // A paused walk makes no reports until it is resumed.
    void setPaused(bool paused);

signals:
    // A titled folder, while folder reports are wanted and subfolders not skipped. The
    // receiver may set the value for the folder's contents, stop folder reports, skip
    // all further subfolders or abort.
    void folderFound(QString name, QVariant& data, bool& emitDirFound, bool& skipSubfolders, bool& abort);
    // A bookmark with a title and an address; `data` is the value of its level.
    void bookmarkFound(QString name, QString url, QVariant data);
    // After each slice of the walk that reported bookmarks: the count so far.
    void progress(int urls);
    // The walk is over; the counts are of the folders and bookmarks reported.
    void finished(int folders, int urls, bool aborted);

protected slots:
    // One slice of the walk.
    void walk();

private:
    // A folder whose children are being walked, with the value of their level.
    struct Level
    {
        BookmarkNode* folder;
        size_t next;
        QVariant data;
    };

    // Walks the next node of the innermost level; false when the importer was deleted
    // by a receiver.
    bool step(const QPointer<SafariBookmarksParser>& alive);
    // Takes the next tree read; false when none is waiting.
    bool nextDocument();
    void documentRead();
    // Ends the import without a report; finish() ends it with one.
    void stop();
    void finish();
    void retireReader();
    // Tells every reader thread, the retired ones too, to end; returns them.
    QList<BookmarkReadThread*> cancelReaders();

    // How long a slice may take before the event loop runs again.
    static constexpr int SLICE_MS = 20;

    QTimer turn;
    BookmarkReadThread* reader = nullptr;
    std::optional<BookmarkNode> document;
    std::vector<Level> levels;
    QVariant data;
    int maxBookmarks = MAX_BOOKMARKS;
    bool emitDirFound = true;
    bool skipSubfolders = false;
    bool abortedFlag = false;
    bool pausedFlag = false;
    bool active = false;
    bool begun = false;
    bool walking = false;
    int folders = 0;
    int urls = 0;
    int leftOutCount = 0;
};
