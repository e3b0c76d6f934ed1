#pragma once

#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <memory>

// A private copy of a Firefox places database together with its write-ahead log, made
// in a folder of its own in the user's runtime folder and removed with this object.
// The copy is made with plain reads, so it takes no lock that a running Firefox could
// wait on, and SQLite then reads the changes of the log from the copy. A database that
// changes while it is copied is copied again.
class PlacesSnapshot
{
public:
    // The database's write-ahead log: "<path>-wal".
    static QString logOf(const QString& path);
    // Whether `path` has a log with changes in it, which a read of the database file
    // alone would miss.
    static bool hasLoggedChanges(const QString& path);

    // Copies `path` and its log, stopping early once `cancelled` is set. False with the
    // reason in `error` when no complete copy was made.
    bool make(const QString& path, const std::atomic<bool>* cancelled, QString* error);
    // The copy of the database; empty until make() succeeded.
    QString databasePath() const { return copied; }

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString copied;
};
