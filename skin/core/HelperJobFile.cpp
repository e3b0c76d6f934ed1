#include "HelperJobFile.h"

#include "PathFunctions.h"

#include <QDir>
#include <QXmlStreamReader>

bool HelperJobFile::isPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

int HelperJobFile::intAttribute(const QXmlStreamAttributes& attributes, const QString& name, int fallback)
{
    bool ok = false;
    const int value = attributes.value(name).toInt(&ok);
    return ok ? value : fallback;
}

bool HelperJobFile::openOutputFolder(const QString& outputPath)
{
    if (outputPath.isEmpty())
        return false;
    const QString path = QDir(addTrailingSeparator(outputPath)).absolutePath();
    if (!QDir().mkpath(path))
        return false;
    folder = path;
    return true;
}

bool HelperJobFile::read(QIODevice* device, const QString& docType, const ItemReader& readItem)
{
    // A flat token loop: nesting costs no recursion, whatever the file holds.
    QXmlStreamReader xml(device);
    bool inList = false;
    int taken = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (xml.dtdName() != docType)
                return false;
            break;
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("List") && !inList) {
                if (!openOutputFolder(xml.attributes().value(QLatin1String("outputPath")).toString()))
                    return taken > 0;
                inList = true;
            } else if (inList && xml.name() == QLatin1String("Item")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (!attributes.value(QLatin1String("filePath")).isEmpty()
                    && isPlainFileName(attributes.value(QLatin1String("thumbName")).toString()) && readItem(attributes))
                    ++taken;
            }
            break;
        case QXmlStreamReader::EndElement:
            if (inList && xml.name() == QLatin1String("List"))
                inList = false;
            break;
        default:
            break;
        }
    }
    return taken > 0;
}
