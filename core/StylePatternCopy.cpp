#include "StylePatternCopy.h"

#include "PathFunctions.h"
#include "RegularFile.h"
#include "VorendaGlobal.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Enough free names for any real folder; past that the copy gives up.
const int maxNameAttempts = 1000;

} // namespace

QString StylePatternCopy::copy(const QString& pattern, const QString& styleFilePath)
{
    if (pattern.isEmpty() || pattern.contains(QLatin1String(":/Resources/"), Qt::CaseInsensitive))
        return pattern;

    const QFileInfo source(pattern);
    const QString targetFolder = addTrailingSeparator(QFileInfo(styleFilePath).absolutePath());
    // Linux file names are case-sensitive: only the very same folder needs no copy.
    if (addTrailingSeparator(source.absolutePath()) == targetFolder)
        return source.fileName();

    // A FIFO or device named as a pattern would block the copy; it is no picture anyway.
    if (source.exists() && !isRegularFile(source.absoluteFilePath())) {
        VorendaGlobal::addToLog(
            QStringLiteral("ShelfStyle: The pattern \"%1\" is not a regular file; keeping its path").arg(pattern));
        return source.absoluteFilePath();
    }

    QString targetName = source.fileName();
    for (int attempt = 2; attempt <= maxNameAttempts; ++attempt) {
        const QString target = targetFolder + targetName;
        if (!QFileInfo::exists(target)) {
            if (QFile::copy(source.absoluteFilePath(), target))
                return targetName;
            break;
        }
        if (sameContents(source.absoluteFilePath(), target))
            return targetName;
        targetName = source.suffix().isEmpty()
            ? QStringLiteral("%1-%2").arg(source.completeBaseName()).arg(attempt)
            : QStringLiteral("%1-%2.%3").arg(source.completeBaseName()).arg(attempt).arg(source.suffix());
    }
    VorendaGlobal::addToLog(QStringLiteral("ShelfStyle: Cannot copy the pattern \"%1\" to \"%2\"; keeping its path")
                                .arg(source.absoluteFilePath(), targetFolder));
    return source.absoluteFilePath();
}

bool StylePatternCopy::sameContents(const QString& first, const QString& second)
{
    QFile a(first);
    QFile b(second);
    if (!openRegularFile(a) || !openRegularFile(b) || a.size() != b.size())
        return false;
    const qint64 chunk = 64 * 1024;
    while (!a.atEnd()) {
        const QByteArray left = a.read(chunk);
        if (left.isEmpty() || left != b.read(chunk))
            return false;
    }
    return true;
}
