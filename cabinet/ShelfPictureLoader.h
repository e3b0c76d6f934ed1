#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <deque>
#include <memory>

class MyThumbnailItem;
class SharedDecodedPictures;

// One cached picture to decode for the items that show it, and the result.
struct LoadedPicture
{
    // Many items may show one file (the icon plain files of a kind share): it is
    // decoded once, and they share the picture.
    QList<QPointer<MyThumbnailItem>> items;
    QString path;
    // Null when the file could not be decoded.
    QImage image;
    // The image as items keep it (normalised), once taken.
    QPixmap picture;
};

// Decodes the cached pictures of the items a cabinet file brought, on worker threads
// and in file order, so a large cabinet shows at once and its pictures follow. Only
// measuring happens before the cabinet shows; the owner puts the decoded pictures in
// place on the GUI thread.
class ShelfPictureLoader : public QObject
{
    Q_OBJECT

public:
    explicit ShelfPictureLoader(QObject* parent = nullptr);
    // Drops what is queued and waits for the pictures being decoded.
    ~ShelfPictureLoader() override;

    // The size of the picture an item keeps of a picture that size (see
    // VorendaShelf::normalizeImage): small sides are padded to SHELF_MINIMAGESIZE,
    // then the whole is fitted into SHELF_MAXTHUMBSIZE.
    static QSize keptSize(const QSize& size);
    // Decodes a picture no larger than an item keeps it, in the format a pixmap takes
    // without converting; a null image when the file cannot be read as a picture or
    // would need more than 256 MB decoded.
    static QImage read(const QString& path);

    // Drops what is queued and waits for the pictures being decoded; nothing is
    // decoded afterwards. The program's end must not find workers still decoding.
    void stop();

    // Queues one item's picture, joining an item queued with the same file; start()
    // sends what is queued to the workers.
    void enqueue(MyThumbnailItem* item, const QString& path);
    void start();
    bool isBusy() const { return pending > 0; }

    // The pictures decoded since the last call, as items keep them; an entry's items
    // may be gone. Files of the same bytes give one shared picture.
    QList<LoadedPicture> takeReadPictures();

signals:
    // Decoded pictures wait to be taken; on the GUI thread.
    void picturesRead();

protected:
    bool event(QEvent* event) override;

private:
    void deliver(QList<LoadedPicture>&& pictures);
    QPixmap keptPicture(const QImage& image);

    QThreadPool pool;
    QList<LoadedPicture> queued;
    // Where each file stands in `queued`.
    QHash<QString, int> queuedPaths;
    QList<LoadedPicture> ready;
    // Decoded once for files of the same bytes, on the workers.
    std::shared_ptr<SharedDecodedPictures> decoded;
    // Normalised once for each image shared so, on the GUI thread: the latest ones.
    struct Kept
    {
        qint64 image;
        QPixmap picture;
    };
    std::deque<Kept> keptPictures;
    int pending = 0;
    // Set on destruction, so workers still queued do nothing.
    std::shared_ptr<std::atomic_bool> cancelled;
};
