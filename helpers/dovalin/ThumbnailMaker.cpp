#include "ThumbnailMaker.h"

#include "AtomicImageSave.h"
#include "BoundedImageReader.h"
#include "DecodeBudget.h"
#include "EighthScaleDecoding.h"
#include "EighthScaleJpegDecoder.h"
#include "ExifOrientation.h"
#include "HelperLog.h"
#include "ParallelPngEncoder.h"
#include "PathFunctions.h"
#include "PhotoFrame.h"
#include "StreamLimits.h"

#include "UsableCores.h"

#include <QFileInfo>

#include <optional>

namespace {

// Saves the thumbnail in `format`. PNG is deflated on `threads` threads where the
// encoder takes the picture; the file is the same for any number of threads.
bool saveThumbnail(const QImage& picture, const QString& path, const QByteArray& format, int threads, QString* error)
{
    if (format.compare("png", Qt::CaseInsensitive) == 0 && ParallelPngEncoder::encodes(picture)) {
        const QByteArray png = ParallelPngEncoder::encode(picture, threads);
        if (png.isEmpty()) {
            *error = QStringLiteral("the picture could not be compressed");
            return false;
        }
        return saveBytesAtomically(path, png, error);
    }
    return saveImageAtomically(picture, path, format, error);
}

} // namespace

bool makeThumbnail(DovalinnailCreator::Data* item, const QString& outputFolder, DecodeBudget* budget,
                   const EighthScaleDecoding& decoding, QString* error)
{
    item->isPhoto = false;
    if (item->thumbName.isEmpty())
        return false;

    const QString path = QFileInfo(item->filePath).absoluteFilePath();
    const QString suffix = QFileInfo(item->filePath).suffix().toLower();
    if (!BoundedImageReader::supportsSuffix(suffix)) {
        *error = QStringLiteral("not an image format");
        return false;
    }

    const QSize box(qMax(0, item->thumbWidth), qMax(0, item->thumbHeight));
    BoundedImageReader loader(path);
    // Phone pictures are stored turned, with the turn in their metadata.
    loader.setAutoTransform(true);
    // Alone, a picture has the memory and the cores to itself; in a batch the pictures
    // decoded at the same time share them.
    const bool alone = !budget;
    loader.setReadWholeJpeg(alone);
    // Alone, a JPEG's entropy decoding (most of the time it takes) is spread over the
    // cores too, by the eighth-scale decoder in a process of its own unless it is
    // switched off. On a single core (the process may be held to one) the image
    // reader's decoder is as fast or faster.
    const int cores = alone ? usableCores() : 1;
    if (cores > 1 && decoding.isEnabled())
        loader.setWholeJpegDecoder(
            [&decoding, &path, cores](const QByteArray& file, const QSize& target) {
                QString failure;
                const QImage picture = decoding.decode(file, target, cores, &failure);
                if (!failure.isEmpty())
                    HelperLog::line(QStringLiteral("own JPEG decoder failed on %1: %2; the image reader reads it")
                                        .arg(path, failure));
                return picture;
            },
            EighthScaleJpegDecoder::mostBytes);
    // A format that is decoded to be measured holds the most a picture may cost until
    // its thumbnail is made.
    std::optional<DecodeBudget::Share> blindShare;
    if (budget && loader.decodesToMeasure())
        blindShare.emplace(*budget, MaxDecodedImageBytes);
    if (!loader.measure()) {
        *error = loader.errorString();
        return false;
    }
    item->imageSize = loader.uprightSize();
    item->isPhoto = hasPhotoProportions(item->imageSize);

    // A picture that already fits is not enlarged; a box of no size makes no thumbnail.
    // A very long picture keeps a pixel across rather than scaling to nothing.
    if (box.isEmpty())
        return false;
    const QSize upright = loader.uprightSize();
    QSize size = upright;
    if (upright.width() > box.width() || upright.height() > box.height())
        size = upright.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // The decoders take the size of the picture as it is stored.
    const QSize stored = ExifOrientation::swapsSides(loader.transformation()) ? size.transposed() : size;

    QImage picture;
    {
        std::optional<DecodeBudget::Share> share;
        if (budget && !blindShare)
            share.emplace(*budget, loader.decodeBytes(stored));
        picture = loader.read(stored);
    }
    blindShare.reset();
    if (picture.isNull()) {
        *error = loader.errorString();
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
    return saveThumbnail(picture, addTrailingSeparator(outputFolder) + item->thumbName, format.toLatin1(), cores,
                         error);
}
