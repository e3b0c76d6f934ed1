#include "StoredCabinetId.h"

#include "VorendaGlobal.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString StoredCabinetId::read(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("\\A[0-9a-fA-F]{32}\\z"));
    if (!form.match(text).hasMatch())
        return QString();
    return text.toLower();
}

QString StoredCabinetId::adoptDataFile(const QString& written, const QString& id)
{
    if (written == id)
        return id;
    const QDir folder(VorendaGlobal::getDataLocation());
    const QString own = folder.absoluteFilePath(id + QStringLiteral(".dat"));
    const QString asWritten = folder.absoluteFilePath(written + QStringLiteral(".dat"));
    const QFileInfo ownInfo(own);
    const QFileInfo writtenInfo(asWritten);
    if (ownInfo.exists() || ownInfo.isSymLink() || !writtenInfo.exists())
        return id;
    if (!VorendaGlobal::readOnlyConfig && QFile::rename(asWritten, own)) {
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: The data file \"%1\" of the cabinet \"%2\" is now \"%3\"")
                                    .arg(asWritten, id, own));
        return id;
    }
    VorendaGlobal::addToLog(
        QStringLiteral("VorendaMain: The data file \"%1\" keeps its name; its cabinet keeps the id \"%2\"")
            .arg(asWritten, written));
    return written;
}
