// The cabinet data file: its document and settings.

#include "VorendaShelf.h"

#include "VorendaGlobal.h"

#include <QDir>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>

void VorendaShelf::setUpDataFile()
{
}

QString VorendaShelf::dataFilePath() const
{
    static const QRegularExpression validId(QStringLiteral("\\A[0-9a-fA-F]{32}\\z"));
    if (!validId.match(id).hasMatch() || fileName != id + QStringLiteral(".dat"))
        return QString();
    return QDir(VorendaGlobal::getDataLocation()).absoluteFilePath(fileName);
}

void VorendaShelf::scheduleSave()
{
}

void VorendaShelf::save()
{
}

bool VorendaShelf::save(const QString&)
{
    return false;
}

bool VorendaShelf::load(const QString&)
{
    return false;
}

void VorendaShelf::keepDamagedDataFile(const QString&)
{
}

void VorendaShelf::readSettingsElement(QXmlStreamReader& reader)
{
    reader.skipCurrentElement();
}

void VorendaShelf::readCategoryElement(QXmlStreamReader& reader)
{
    reader.skipCurrentElement();
}

void VorendaShelf::readItemElement(QXmlStreamReader& reader, int)
{
    reader.skipCurrentElement();
}

void VorendaShelf::onSaveItems(CategoryHeaderItem*, int, QList<AbstractThumbnailItem*>, QVariant)
{
}
