#include "PlacesSnapshot.h"

#include "RegularFile.h"
#include "RuntimeFolder.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

constexpr qint64 CHUNK_BYTES = 1024 * 1024;
// A database Firefox keeps writing to is taken as the last copy shows it.
constexpr int MAX_ATTEMPTS = 3;

// What tells a file that changed: its size and time of change, or that it is gone.
struct FileState
{
    bool exists = false;
    qint64 size = 0;
    qint64 changedNs = 0;

    bool operator==(const FileState& other) const
    {
        return exists == other.exists && size == other.size && changedNs == other.changedNs;
    }
};

FileState stateOf(const QString& path)
{
    struct stat status {};
    FileState state;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return state;
    state.exists = true;
    state.size = status.st_size;
    state.changedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return state;
}

bool copyFile(const QString& from, const QString& to, const std::atomic<bool>* cancelled, QString* error)
{
    QFile source(from);
    if (!openRegularFile(source)) {
        *error = QStringLiteral("%1 is not a readable regular file").arg(from);
        return false;
    }
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        if (cancelled && cancelled->load(std::memory_order_relaxed)) {
            *error = QStringLiteral("cancelled");
            return false;
        }
        const QByteArray chunk = source.read(CHUNK_BYTES);
        if (source.error() != QFileDevice::NoError) {
            *error = source.errorString();
            return false;
        }
        if (chunk.isEmpty())
            break;
        if (target.write(chunk) != chunk.size()) {
            *error = target.errorString();
            return false;
        }
    }
    if (!target.flush()) {
        *error = target.errorString();
        return false;
    }
    return true;
}

} // namespace

QString PlacesSnapshot::logOf(const QString& path)
{
    return path + QStringLiteral("-wal");
}

bool PlacesSnapshot::hasLoggedChanges(const QString& path)
{
    return QFileInfo(logOf(path)).size() > 0;
}

bool PlacesSnapshot::make(const QString& path, const std::atomic<bool>* cancelled, QString* error)
{
    copied.clear();
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty()) {
        *error = QStringLiteral("no private runtime folder");
        return false;
    }
    folder = std::make_unique<QTemporaryDir>(runtime + QStringLiteral("vorenda-places-XXXXXX"));
    if (!folder->isValid()) {
        *error = folder->errorString();
        return false;
    }
    const QString database = folder->filePath(QStringLiteral("places.sqlite"));
    const QString log = logOf(path);
    for (int attempt = 1;; ++attempt) {
        const FileState databaseBefore = stateOf(path);
        const FileState logBefore = stateOf(log);
        QFile::remove(logOf(database));
        // The log first: what a checkpoint moves from it into the database meanwhile
        // is then in the database's copy.
        if ((logBefore.exists && !copyFile(log, logOf(database), cancelled, error))
            || !copyFile(path, database, cancelled, error))
            return false;
        if ((stateOf(path) == databaseBefore && stateOf(log) == logBefore) || attempt == MAX_ATTEMPTS)
            break;
    }
    copied = database;
    return true;
}
