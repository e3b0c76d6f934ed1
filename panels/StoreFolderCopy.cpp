#include "StoreFolderCopy.h"

#include "RegularFile.h"
#include "StylePatternCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace StoreFolderCopy {

namespace {

const QString mainDataFile = QStringLiteral("Vorenda.dat");
// The hidden folder inside the target that a copy is made in first; one left by a
// copy that never ended is removed by the next.
const QString stagingPrefix = QStringLiteral(".vorenda-copy-");

QString resolved(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

struct Entry
{
    QString source;
    QString relative;
    bool folder = false;
};

// Folders first, each before what lies in it; the main data file last, so that a
// target holds it only once everything else is in place.
QList<Entry> listEntries(const QString& from)
{
    const QDir source(from);
    QList<Entry> entries;
    QDirIterator walk(source.absolutePath(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        walk.next();
        const QFileInfo info = walk.fileInfo();
        entries.append({info.absoluteFilePath(), source.relativeFilePath(info.absoluteFilePath()), info.isDir()});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const auto rank = [](const Entry& entry) { return entry.folder ? 0 : entry.relative == mainDataFile ? 2 : 1; };
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        return a.relative < b.relative;
    });
    return entries;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Copies one file into the staging folder. No sync here: one for the whole filesystem
// follows, far quicker than one for each of thousands of cached pictures.
bool copyFile(const QString& source, const QString& destination, QString& reason)
{
    QFile in(source);
    if (!openRegularFile(in)) {
        reason = QStringLiteral("%1 cannot be read: %2").arg(source, in.errorString());
        return false;
    }
    const int out = ::open(QFile::encodeName(destination).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        reason = systemError();
        return false;
    }
    bool written = true;
    constexpr qint64 chunk = 1024 * 1024;
    while (written && !in.atEnd()) {
        const QByteArray block = in.read(chunk);
        if (block.isEmpty()) {
            reason = QStringLiteral("%1 cannot be read: %2").arg(source, in.errorString());
            written = false;
        }
        for (qint64 done = 0; written && done < block.size();) {
            const ssize_t step = ::write(out, block.constData() + done, size_t(block.size() - done));
            if (step < 0 && errno == EINTR)
                continue;
            if (step <= 0) {
                reason = step < 0 ? systemError() : QStringLiteral("nothing written");
                written = false;
            }
            done += qMax<ssize_t>(step, 0);
        }
    }
    if (::close(out) != 0 && written) {
        reason = systemError();
        written = false;
    }
    return written;
}

bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Flushes a folder's list of names to the disk, so the names moved in stay after a crash.
void syncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

void removeLeftStagingFolders(const QString& to)
{
    const QFileInfoList left = QDir(to).entryInfoList({stagingPrefix + QLatin1Char('*')},
                                                      QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : left) {
        if (!folder.isSymLink())
            QDir(folder.absoluteFilePath()).removeRecursively();
    }
}

// The files moved into the target, so that a failure half-way takes them out again
// and puts back what they replaced.
class Placement
{
public:
    Placement(const QString& to, const QString& spare)
        : target(to)
        , spare(spare)
    {
    }

    bool makeFolder(const QString& relative)
    {
        const QString path = target.absoluteFilePath(relative);
        if (QFileInfo(path).isDir())
            return true;
        if (!QDir().mkdir(path))
            return false;
        madeFolders.append(path);
        return true;
    }

    bool place(const QString& staged, const QString& relative)
    {
        const QString destination = target.absoluteFilePath(relative);
        QString kept;
        if (QFileInfo(destination).exists() || QFileInfo(destination).isSymLink()) {
            kept = spare + QLatin1Char('/') + relative;
            if (!QDir().mkpath(QFileInfo(kept).absolutePath()) || !renameOver(destination, kept))
                return false;
        }
        if (!renameOver(staged, destination)) {
            if (!kept.isEmpty())
                renameOver(kept, destination);
            return false;
        }
        placed.append({destination, kept});
        touchedFolders.insert(QFileInfo(destination).absolutePath());
        return true;
    }

    void undo()
    {
        for (auto it = placed.crbegin(); it != placed.crend(); ++it) {
            if (it->second.isEmpty())
                QFile::remove(it->first);
            else
                renameOver(it->second, it->first);
        }
        for (auto it = madeFolders.crbegin(); it != madeFolders.crend(); ++it)
            QDir().rmdir(*it);
        placed.clear();
        madeFolders.clear();
    }

    void sync() const
    {
        for (const QString& folder : touchedFolders)
            syncFolder(folder);
        syncFolder(target.absolutePath());
    }

private:
    const QDir target;
    const QString spare;
    QStringList madeFolders;
    QList<QPair<QString, QString>> placed; // destination, the file it replaced
    QSet<QString> touchedFolders;
};

// Paths below `to` where something of the other kind stands: a file where a folder
// goes or the other way round, and whatever lies below such a place.
QStringList blockedPaths(const QList<Entry>& entries, const QDir& target)
{
    QStringList blocked;
    QStringList blockedFolders;
    for (const Entry& entry : entries) {
        const QString destination = target.absoluteFilePath(entry.relative);
        const bool below = std::any_of(blockedFolders.cbegin(), blockedFolders.cend(), [&](const QString& folder) {
            return entry.relative.startsWith(folder + QLatin1Char('/'));
        });
        const QFileInfo there(destination);
        const bool clash = there.exists() && there.isDir() != entry.folder;
        if (below || clash) {
            blocked.append(destination);
            if (entry.folder)
                blockedFolders.append(entry.relative);
        }
    }
    return blocked;
}

} // namespace

bool isWithin(const QString& folder, const QString& root)
{
    const QString inner = resolved(folder);
    const QString outer = resolved(root);
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    return inner == outer || inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

bool holdsStore(const QString& folder)
{
    const QFileInfo main(QDir(folder).absoluteFilePath(mainDataFile));
    return main.exists() || main.isSymLink();
}

QStringList copy(const QString& from, const QString& to, QString* reason)
{
    QString why;
    const auto fail = [&](const QStringList& failed) {
        if (reason)
            *reason = why;
        return failed;
    };

    const QDir target(to);
    const QList<Entry> entries = listEntries(from);
    const QStringList blocked = blockedPaths(entries, target);
    if (!blocked.isEmpty()) {
        why = QStringLiteral("something of another kind stands at %1").arg(blocked.first());
        return fail(blocked);
    }

    removeLeftStagingFolders(to);
    QTemporaryDir staging(target.absoluteFilePath(stagingPrefix + QStringLiteral("XXXXXX")));
    if (!staging.isValid()) {
        why = staging.errorString();
        return fail({target.absolutePath()});
    }
    const QDir files(staging.filePath(QStringLiteral("files")));
    const QString spare = staging.filePath(QStringLiteral("replaced"));

    // Everything is copied and checked before anything is moved into place.
    QStringList failed;
    for (const Entry& entry : entries) {
        const QString staged = files.absoluteFilePath(entry.relative);
        QString error;
        bool made = false;
        if (entry.folder) {
            made = QDir().mkpath(staged);
            if (!made)
                error = QStringLiteral("cannot create the folder %1").arg(staged);
        } else {
            made = QDir().mkpath(QFileInfo(staged).absolutePath()) && copyFile(entry.source, staged, error);
        }
        if (!made) {
            failed.append(target.absoluteFilePath(entry.relative));
            if (why.isEmpty())
                why = error.isEmpty() ? QStringLiteral("cannot create %1").arg(staged) : error;
        }
    }
    if (!failed.isEmpty())
        return fail(failed);

    // On the disk, then read back: a copy that differs from its original in any byte fails.
    const int stagingFolder = ::open(QFile::encodeName(staging.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = stagingFolder >= 0 && ::syncfs(stagingFolder) == 0;
    if (!synced)
        why = systemError();
    if (stagingFolder >= 0)
        ::close(stagingFolder);
    if (!synced)
        return fail({target.absolutePath()});
    for (const Entry& entry : entries) {
        if (!entry.folder && !StylePatternCopy::sameContents(entry.source, files.absoluteFilePath(entry.relative))) {
            failed.append(target.absoluteFilePath(entry.relative));
            if (why.isEmpty())
                why = QStringLiteral("the copy differs from %1").arg(entry.source);
        }
    }
    if (!failed.isEmpty())
        return fail(failed);

    Placement placement(target.absolutePath(), spare);
    for (const Entry& entry : entries) {
        const bool placed = entry.folder ? placement.makeFolder(entry.relative)
                                         : placement.place(files.absoluteFilePath(entry.relative), entry.relative);
        if (!placed) {
            why = QStringLiteral("cannot move the copy into place at %1: %2")
                      .arg(target.absoluteFilePath(entry.relative), systemError());
            placement.undo();
            return fail({target.absoluteFilePath(entry.relative)});
        }
    }
    placement.sync();
    return {};
}

} // namespace StoreFolderCopy
