#include "ApplicationWalk.h"

#include "DesktopEntry.h"
#include "PathFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

const QString CALLER_DATA = QStringLiteral("key");
const QString SELECTION = QStringLiteral("selection");
const QString MENU_CATEGORY = QStringLiteral("applications");
const QString ROOT = QStringLiteral("root");

// The desktop file id of an entry: its path below the applications folder, with the
// separators turned into dashes ("kde4/kate.desktop" is "kde4-kate.desktop").
QString desktopFileId(const QString& root, const QString& path)
{
    return QDir(root).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-'));
}

} // namespace

QStringList ApplicationWalk::folders()
{
    QStringList found;
    const QStringList candidates = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& candidate : candidates) {
        const QString path = QDir::cleanPath(candidate);
        if (QFileInfo(path).isDir() && !found.contains(path))
            found << path;
    }
    return found;
}

QList<RecurseDirThread::Data*> ApplicationWalk::jobs(const QVariant& callerData, Selection selection,
                                                     const QString& menuCategory)
{
    QList<RecurseDirThread::Data*> list;
    const QStringList roots = folders();
    for (const QString& root : roots) {
        QVariantMap data;
        data.insert(CALLER_DATA, callerData);
        data.insert(SELECTION, int(selection));
        data.insert(MENU_CATEGORY, menuCategory);
        data.insert(ROOT, root);
        auto* job = new RecurseDirThread::Data(addTrailingSeparator(root), data, RecurseDirThread::EmitEmptyDirs);
        // Other files there (caches, lists) are no programs.
        job->fileNameFilters << QStringLiteral("*.desktop");
        list << job;
    }
    return list;
}

bool ApplicationWalk::isApplicationReport(const QVariant& reportData)
{
    return reportData.type() == QVariant::Map && reportData.toMap().contains(ROOT);
}

QVariant ApplicationWalk::callerData(const QVariant& reportData)
{
    return isApplicationReport(reportData) ? reportData.toMap().value(CALLER_DATA) : reportData;
}

bool ApplicationWalk::take(const QString& path, const QVariant& reportData, QString& name)
{
    const QVariantMap walk = reportData.toMap();
    const DesktopEntry entry(path);
    const QString category = walk.value(MENU_CATEGORY).toString();
    const bool inCategory = entry.categories().contains(category);
    bool wanted = true;
    switch (Selection(walk.value(SELECTION).toInt())) {
    case InCategory:
        wanted = inCategory;
        break;
    case NotInCategory:
        wanted = !inCategory;
        break;
    case AllApplications:
        break;
    }
    const QString fileId = desktopFileId(walk.value(ROOT).toString(), path);
    const bool firstOfId = !met.contains(fileId);
    met.insert(fileId);
    if (!firstOfId || !wanted || !entry.isApplication() || entry.isHidden())
        return false;
    if (!entry.name().isEmpty())
        name = entry.name();
    return true;
}
