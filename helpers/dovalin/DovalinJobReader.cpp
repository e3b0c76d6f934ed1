#include "DovalinJobReader.h"

#include "HelperJobText.h"
#include "PathFunctions.h"

#include <QDir>
#include <QXmlStreamReader>

namespace {

// A thumbnail box larger than this is no thumbnail; a frame wider than this would
// only make the canvas huge before it is scaled into the box.
const int maxThumbSide = 2048;
const int maxPhotoBorder = 256;

// The decimal value (0 when missing or no number), bounded to 0..maximum before any
// arithmetic.
int intAttribute(const QXmlStreamAttributes& attributes, const QString& name, int maximum)
{
    return qBound(0, attributes.value(name).toInt(), maximum);
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

bool DovalinJobReader::isAcceptable(const DovalinnailCreator::Data& item) const
{
    // The line names the key, or the picture's path when there is none.
    const QString lineText = item.key.isEmpty() ? addTrailingSeparator(folder) + item.thumbName : item.key;
    return !item.filePath.isEmpty() && isPlainFileName(item.thumbName) && isOutputLineText(item.thumbName)
        && isOutputLineText(lineText);
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
                item->thumbWidth = intAttribute(attributes, QStringLiteral("thumbWidth"), maxThumbSide);
                item->thumbHeight = intAttribute(attributes, QStringLiteral("thumbHeight"), maxThumbSide);
                item->photoBorder = intAttribute(attributes, QStringLiteral("photoBorder"), maxPhotoBorder);
                if (isAcceptable(*item))
                    items.append(item);
                else
                    delete item;
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
