#include "DovalinJobReader.h"

#include "HelperJobFile.h"

#include <QXmlStreamAttributes>

namespace {

// A frame wider than this would only make the canvas huge before it is scaled into the box.
const int maxPhotoBorder = 256;

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

bool DovalinJobReader::read(QIODevice* device)
{
    HelperJobFile file(QStringLiteral("Dovalin-Data"));
    const bool ok = file.read(device, [this](const QXmlStreamAttributes& attributes) {
        auto* item = new DovalinnailCreator::Data;
        item->filePath = attributes.value(QLatin1String("filePath")).toString();
        item->thumbName = attributes.value(QLatin1String("thumbName")).toString();
        item->thumbFormat = attributes.value(QLatin1String("thumbFormat")).toString();
        item->key = attributes.value(QLatin1String("key")).toString();
        const int side = HelperJobFile::MAX_THUMB_SIDE;
        item->thumbWidth = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbWidth"), 0, side);
        item->thumbHeight = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbHeight"), 0, side);
        item->photoBorder = HelperJobFile::intAttribute(attributes, QStringLiteral("photoBorder"), 0, maxPhotoBorder);
        items.append(item);
        return true;
    });
    folder = file.outputFolder();
    return ok;
}
