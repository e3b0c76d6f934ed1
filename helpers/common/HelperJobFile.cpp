#include "HelperJobFile.h"

#include "HelperJobText.h"
#include "PathFunctions.h"
#include "StandardOutput.h"

#include <QDir>
#include <QXmlStreamReader>

HelperJobFile::HelperJobFile(const QString& docType, const QString& sourceAttribute)
    : docType(docType)
    , sourceAttribute(sourceAttribute)
{
}

int HelperJobFile::intAttribute(const QXmlStreamAttributes& attributes, const QString& name, int minimum,
                                int maximum, int fallback)
{
    bool ok = false;
    const int value = attributes.value(name).toInt(&ok);
    return qBound(minimum, ok ? value : fallback, maximum);
}

bool HelperJobFile::isAcceptable(const QXmlStreamAttributes& attributes) const
{
    const QString thumbName = attributes.value(QLatin1String("thumbName")).toString();
    const QString key = attributes.value(QLatin1String("key")).toString();
    const QString lineText = StandardOutput::lineName(key, addTrailingSeparator(folder) + thumbName);
    return !attributes.value(sourceAttribute).isEmpty() && isPlainFileName(thumbName) && isOutputLineText(thumbName)
        && isOutputLineText(lineText);
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

bool HelperJobFile::read(QIODevice* device, const ItemReader& readItem)
{
    // A flat token loop: nesting costs no recursion, whatever the file holds. Elements
    // inside the List are passed through, so an Item among them still counts.
    QXmlStreamReader xml(device);
    int depth = 0;
    int listDepth = 0; // 0: outside any List
    int taken = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (xml.dtdName() != docType)
                return false;
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (listDepth == 0 && xml.name() == QLatin1String("List")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (readList)
                    readList(attributes);
                if (!openOutputFolder(attributes.value(QLatin1String("outputPath")).toString()))
                    return taken > 0;
                listDepth = depth;
            } else if (listDepth > 0 && xml.name() == QLatin1String("Item")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (isAcceptable(attributes) && readItem(attributes))
                    ++taken;
            }
            break;
        case QXmlStreamReader::EndElement:
            // Only the List's own end closes it, not that of a List nested inside it.
            if (depth == listDepth)
                listDepth = 0;
            --depth;
            break;
        default:
            break;
        }
    }
    return taken > 0;
}
