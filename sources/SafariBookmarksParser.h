#pragma once

#include "BookmarkNode.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

#include <vector>

// Imports bookmarks: the browsers' own files read in process, walked folder by folder on
// the GUI thread. The receiver answers each folder through the reference arguments of
// folderFound, so it must be connected directly.
class SafariBookmarksParser : public QObject
{
    Q_OBJECT

public:
    explicit SafariBookmarksParser(QObject* parent = nullptr);
    ~SafariBookmarksParser() override;

    // Starts an import on the next turn of the event loop: of `plistPath` (a bookmark
    // property list, a Firefox places database or a Chromium "Bookmarks" file), or, when
    // the path is empty, of every browser's bookmarks on this machine. `data` is the
    // value of the top level. Refused while an import runs.
    bool start(const QString& plistPath, QVariant data);

    bool aborted() const { return abortedFlag; }
    bool running() const { return turn.isActive() || walking; }

public slots:
    // Ends the import: one not yet begun gives no signal at all, a walk stops at its next
    // node and reports finished with aborted set.
    void abort();

signals:
    // A titled folder, while folder reports are wanted and subfolders not skipped. The
    // receiver may set the value for the folder's contents, stop folder reports, skip
    // all further subfolders or abort.
    void folderFound(QString name, QVariant& data, bool& emitDirFound, bool& skipSubfolders, bool& abort);
    // A bookmark with a title and an address; `data` is the value of its level.
    void bookmarkFound(QString name, QString url, QVariant data);
    // The walk is over; the counts are of the folders and bookmarks reported.
    void finished(int folders, int urls, bool aborted);

protected slots:
    void walk();

protected:
    // Walks sibling nodes; false when the importer was deleted by a receiver.
    bool recurse(const std::vector<BookmarkNode>& nodes, QVariant data, const QPointer<SafariBookmarksParser>& alive);

private:
    std::vector<BookmarkNode> readDocuments() const;

    QTimer turn;
    QString path;
    QVariant data;
    bool emitDirFound = true;
    bool skipSubfolders = false;
    bool abortedFlag = false;
    bool walking = false;
    int folders = 0;
    int urls = 0;
};
