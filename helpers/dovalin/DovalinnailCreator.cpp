#include "DovalinnailCreator.h"

#include "PathFunctions.h"
#include "ThumbnailBatch.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

void logSkipped(const QString& path, const QString& reason)
{
    QTextStream(stderr) << "skipped " << QFileInfo(path).absoluteFilePath() << ": " << reason << Qt::endl;
}

} // namespace

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
    ThumbnailBatch batch(std::move(items), outputFolder);
    int thumbs = 0;
    for (ThumbnailBatch::Done done = batch.next(); done.item; done = batch.next()) {
        if (done.made) {
            ++thumbs;
            emit thumbCreated(done.item->key, addTrailingSeparator(outputFolder) + done.item->thumbName,
                              QVariant::fromValue(qint64(reinterpret_cast<quintptr>(done.item))));
        } else {
            if (!done.error.isEmpty())
                logSkipped(done.item->filePath, done.error);
            delete done.item;
        }
    }
    emit finished(thumbs);
}
