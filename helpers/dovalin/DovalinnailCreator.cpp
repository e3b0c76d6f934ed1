#include "DovalinnailCreator.h"

#include "HelperLog.h"
#include "PathFunctions.h"
#include "ThumbnailBatch.h"

#include <QFileInfo>

DovalinnailCreator::DovalinnailCreator(QObject* parent)
    : QObject(parent)
{
}

void DovalinnailCreator::start(QList<Data*> items, const QString& outputFolder)
{
    if (items.isEmpty())
        return;

    // The threads only make thumbnails; every line is written here, one whole line
    // at a time, as soon as its thumbnail is saved.
    ThumbnailBatch batch(std::move(items), outputFolder, decoding);
    int thumbs = 0;
    for (ThumbnailBatch::Done done = batch.next(); done.item; done = batch.next()) {
        const Data& item = *done.item;
        if (done.made) {
            ++thumbs;
            emit thumbCreated(item.key, addTrailingSeparator(outputFolder) + item.thumbName,
                              QVariantList{item.isPhoto ? 1 : 0, item.imageSize.width(), item.imageSize.height()});
        } else if (!done.error.isEmpty()) {
            HelperLog::skipped(QFileInfo(item.filePath).absoluteFilePath(), done.error);
        }
        delete done.item;
    }
    emit finished(thumbs);
}
