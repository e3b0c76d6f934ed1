#include "DovalinnailCreator.h"

#include "AtomicImageSave.h"
#include "BoundedImageReader.h"
#include "PathFunctions.h"
#include "PhotoFrame.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

void logSkipped(const QString& path, const QString& reason)
{
    QTextStream(stderr) << "skipped " << path << ": " << reason << Qt::endl;
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

    int thumbs = 0;
    while (!items.isEmpty()) {
        Data* item = items.takeFirst();
        if (makeThumbnail(item, outputFolder)) {
            ++thumbs;
            emit thumbCreated(item->key, addTrailingSeparator(outputFolder) + item->thumbName,
                              QVariant::fromValue(qint64(reinterpret_cast<quintptr>(item))));
        } else {
            delete item;
        }
    }
    emit finished(thumbs);
}

bool DovalinnailCreator::makeThumbnail(Data* item, const QString& outputFolder)
{
    item->isPhoto = false;
    if (item->thumbName.isEmpty())
        return false;

    const QString path = QFileInfo(item->filePath).absoluteFilePath();
    const QString suffix = QFileInfo(item->filePath).suffix().toLower();
    if (!BoundedImageReader::supportsSuffix(suffix)) {
        logSkipped(path, QStringLiteral("not an image format"));
        return false;
    }

    const QSize box(qMax(0, item->thumbWidth), qMax(0, item->thumbHeight));
    BoundedImageReader loader(path);
    if (!loader.measure()) {
        logSkipped(path, loader.errorString());
        return false;
    }
    item->imageSize = loader.sourceSize();
    item->isPhoto = hasPhotoProportions(item->imageSize);

    // A picture that already fits is not enlarged; a box of no size makes no thumbnail.
    const QSize source = loader.sourceSize();
    QSize size = source;
    if (source.width() > box.width() || source.height() > box.height())
        size = source.scaled(box, Qt::KeepAspectRatio);
    if (size.isEmpty())
        return false;

    QImage picture = loader.read(size);
    if (picture.isNull()) {
        logSkipped(path, loader.errorString());
        return false;
    }
    const int border = qMax(0, item->photoBorder);
    if (item->isPhoto && border > 0)
        picture = framePhoto(picture, border, box);
    if (picture.isNull())
        return false;

    QString format = item->thumbFormat;
    if (format.isEmpty())
        format = QFileInfo(item->thumbName).suffix();
    QString error;
    if (!saveImageAtomically(picture, addTrailingSeparator(outputFolder) + item->thumbName, format.toLatin1(), &error)) {
        logSkipped(path, error);
        return false;
    }
    return true;
}
