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
    // The panel's texts: lupdate reads the context only where it is written out.
    const QString marker = QCoreApplication::translate("PersonalizationWidget", "Modified");
    const QString copyName = QCoreApplication::translate("PersonalizationWidget", "%1 (Modified)").arg(name);
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
        candidate = QCoreApplication::translate("PersonalizationWidget", "%1 (Modified%2)").arg(base).arg(counter++);
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
            *error = QCoreApplication::translate("PersonalizationWidget", "the folder \"%1\" cannot be made").arg(folder);
        return false;
    }
    return style.save(style.fileName, false, error);
}
