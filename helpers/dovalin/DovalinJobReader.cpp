#include "DovalinJobReader.h"

#include "PathFunctions.h"

#include <QDir>
#include <QXmlStreamReader>

namespace {

int intAttribute(const QXmlStreamAttributes& attributes, const QString& name)
{
    return attributes.value(name).toInt();
}

} // namespace

DovalinJobReader::~DovalinJobReader()
{
    qDeleteAll(items);
}

QList<DovalinnailCreator::Data*> DovalinJobReader::takeItems()
{
    QList<DovalinnailCreator::Data*> taken;
    taken.swap(items);
    return taken;
}

bool DovalinJobReader::openOutputFolder(const QString& outputPath)
{
    if (outputPath.isEmpty())
        return false;
    const QString path = QDir(addTrailingSeparator(outputPath)).absolutePath();
    if (!QDir().mkpath(path))
        return false;
    folder = path;
    return true;
}

bool DovalinJobReader::read(QIODevice* device)
{
    // A flat token loop: nesting costs no recursion, whatever the file holds.
    QXmlStreamReader xml(device);
    bool inList = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (xml.dtdName() != QLatin1String("Dovalin-Data"))
                return false;
            break;
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("List") && !inList) {
                if (!openOutputFolder(xml.attributes().value(QLatin1String("outputPath")).toString()))
                    return !items.isEmpty();
                inList = true;
            } else if (inList && xml.name() == QLatin1String("Item")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                auto* item = new DovalinnailCreator::Data;
                item->filePath = attributes.value(QLatin1String("filePath")).toString();
                item->thumbName = attributes.value(QLatin1String("thumbName")).toString();
                item->thumbFormat = attributes.value(QLatin1String("thumbFormat")).toString();
                item->key = attributes.value(QLatin1String("key")).toString();
                item->thumbWidth = intAttribute(attributes, QStringLiteral("thumbWidth"));
                item->thumbHeight = intAttribute(attributes, QStringLiteral("thumbHeight"));
                item->photoBorder = intAttribute(attributes, QStringLiteral("photoBorder"));
                if (item->filePath.isEmpty() || item->thumbName.isEmpty())
                    delete item;
                else
                    items.append(item);
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
    return !items.isEmpty();
}
