#include "UserStyleFile.h"

#include "PathFunctions.h"
#include "ShelfStyle.h"
#include "TextFunctions.h"
#include "VorendaGlobal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace {

const char* const context = "PersonalizationWidget";

} // namespace

QString UserStyleFile::safeFileName(const QString& styleName)
{
    QString name = styleName;
    name.remove(QLatin1Char('/'));
    name.remove(QLatin1Char('\\'));
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Style") : name;
}

QString UserStyleFile::pathFor(const QString& styleName)
{
    const QString name = safeFileName(styleName);
    const QString folder = addTrailingSeparator(VorendaGlobal::getStylesLocation()) + name;
    return QDir(folder).absoluteFilePath(name + QStringLiteral(".xml"));
}

QString UserStyleFile::freeName(const QString& name, const std::function<bool(const QString&)>& taken)
{
    const QString marker = QCoreApplication::translate(context, "Modified");
    const QString copyName = QCoreApplication::translate(context, "%1 (Modified)").arg(name);
    QString candidate = name;
    int counter = 1;
    while (taken(candidate)) {
        if (!candidate.contains(marker, Qt::CaseInsensitive) && candidate != copyName) {
            candidate = copyName;
            continue;
        }
        // The counter goes up with every try, so this ends whatever a translation says.
        QString base = getStringValue(candidate, QString(), QStringLiteral(" (") + marker, Qt::CaseInsensitive);
        if (base.isEmpty())
            base = name;
        candidate = QCoreApplication::translate(context, "%1 (Modified%2)").arg(base).arg(counter++);
    }
    return candidate;
}

QString UserStyleFile::newId()
{
    return getHash(QString::number(QDateTime::currentSecsSinceEpoch()) + QUuid::createUuid().toString());
}

bool UserStyleFile::write(const ShelfStyle& style, QString* error)
{
    const QString folder = QFileInfo(style.fileName).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot make the folder \"%1\"").arg(folder);
        return false;
    }
    return style.save(style.fileName, false, error);
}
