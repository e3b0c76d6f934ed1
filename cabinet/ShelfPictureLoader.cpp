#include "ShelfPictureLoader.h"

#include "BoundedImageReader.h"
#include "MyThumbnailItem.h"
#include "SharedDecodedPictures.h"
#include "VorendaShelf.h"
#include "VorendaGlobal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRunnable>

#include <utility>

namespace {

// Pictures per worker task: small enough that the first ones show at once.
constexpr int batchSize = 32;
// Normalised pictures kept for images shared by many files.
constexpr size_t keptPictureCount = 64;

// A batch of decoded pictures on its way to the GUI thread.
class PicturesReadEvent : public QEvent
{
public:
    explicit PicturesReadEvent(QList<LoadedPicture>&& pictures)
        : QEvent(type())
        , batch(std::move(pictures))
    {
    }

    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }

    QList<LoadedPicture> batch;
};

} // namespace

ShelfPictureLoader::ShelfPictureLoader(QObject* parent)
    : QObject(parent)
    , decoded(std::make_shared<SharedDecodedPictures>())
    , cancelled(std::make_shared<std::atomic_bool>(false))
{
    pool.setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
}

ShelfPictureLoader::~ShelfPictureLoader()
{
    stop();
}

void ShelfPictureLoader::stop()
{
    cancelled->store(true);
    queued.clear();
    queuedPaths.clear();
    pool.clear();
    pool.waitForDone();
}

QSize ShelfPictureLoader::keptSize(const QSize& size)
{
    const int minimum = VorendaGlobal::SHELF_MINIMAGESIZE;
    const int largest = VorendaGlobal::SHELF_MAXTHUMBSIZE;
    QSize kept(qMax(size.width(), minimum), qMax(size.height(), minimum));
    if (kept.width() > largest || kept.height() > largest)
        kept = kept.scaled(largest, largest, Qt::KeepAspectRatio);
    return kept;
}

QImage ShelfPictureLoader::read(const QString& path)
{
    BoundedImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.measure())
        return QImage();
    const QSize size = reader.uprightSize();
    const int largest = VorendaGlobal::SHELF_MAXTHUMBSIZE;
    const QSize fitted = size.scaled(largest, largest, Qt::KeepAspectRatio);
    // Only where fitting alone gives what the item keeps; a narrow picture is padded to
    // the smallest side first, then fitted.
    const bool fit = (size.width() > largest || size.height() > largest)
        && qMin(fitted.width(), fitted.height()) >= VorendaGlobal::SHELF_MINIMAGESIZE;
    QImage image = reader.readUpright(fit ? fitted : size);
    if (image.isNull())
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

void ShelfPictureLoader::enqueue(MyThumbnailItem* item, const QString& path)
{
    const auto known = queuedPaths.constFind(path);
    if (known != queuedPaths.cend()) {
        queued[known.value()].items.append(item);
        return;
    }
    queuedPaths.insert(path, queued.size());
    queued.append(LoadedPicture{{item}, path, QImage(), QPixmap()});
}

void ShelfPictureLoader::start()
{
    queuedPaths.clear();
    while (!queued.isEmpty()) {
        QList<LoadedPicture> batch = queued.mid(0, batchSize);
        queued.erase(queued.begin(), queued.begin() + batch.size());
        ++pending;
        ShelfPictureLoader* self = this;
        const std::shared_ptr<std::atomic_bool> stop = cancelled;
        const std::shared_ptr<SharedDecodedPictures> shared = decoded;
        // Workers never touch the items: only the paths travel, the pointers come back.
        // The destructor waits for the workers, and an event for a deleted loader is
        // dropped, so `self` is never used after the loader is gone.
        pool.start(QRunnable::create([self, stop, shared, batch]() mutable {
            for (LoadedPicture& picture : batch) {
                if (stop->load())
                    return;
                picture.image = shared->decode(picture.path, &ShelfPictureLoader::read);
            }
            // Posted as low as a repaint is, so the batches that keep arriving wait their
            // turn behind the cabinet's first frame instead of going before it.
            QCoreApplication::postEvent(self, new PicturesReadEvent(std::move(batch)), Qt::LowEventPriority);
        }));
    }
}

bool ShelfPictureLoader::event(QEvent* event)
{
    if (event->type() != PicturesReadEvent::type())
        return QObject::event(event);
    deliver(std::move(static_cast<PicturesReadEvent*>(event)->batch));
    return true;
}

void ShelfPictureLoader::deliver(QList<LoadedPicture>&& pictures)
{
    --pending;
    if (ready.isEmpty())
        ready = std::move(pictures);
    else
        ready.append(pictures);
    emit picturesRead();
}

QList<LoadedPicture> ShelfPictureLoader::takeReadPictures()
{
    QList<LoadedPicture> pictures = std::exchange(ready, QList<LoadedPicture>());
    for (LoadedPicture& loaded : pictures) {
        if (loaded.image.isNull())
            continue;
        loaded.picture = keptPicture(loaded.image);
        loaded.image = QImage();
    }
    // A load's workers are done: what they shared is no longer asked for.
    if (pending == 0) {
        decoded->clear();
        keptPictures.clear();
    }
    return pictures;
}

QPixmap ShelfPictureLoader::keptPicture(const QImage& image)
{
    const qint64 key = image.cacheKey();
    for (const Kept& kept : keptPictures) {
        if (kept.image == key)
            return kept.picture;
    }
    const QPixmap picture = VorendaShelf::normalizeImage(QPixmap::fromImage(image));
    keptPictures.push_front(Kept{key, picture});
    if (keptPictures.size() > keptPictureCount)
        keptPictures.pop_back();
    return picture;
}
