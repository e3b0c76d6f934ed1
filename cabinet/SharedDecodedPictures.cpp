#include "SharedDecodedPictures.h"

#include <QCryptographicHash>
#include <QFile>

#include <utility>

QImage SharedDecodedPictures::decode(const QString& path, const std::function<QImage(const QString&)>& decodeFile)
{
    QByteArray digest;
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.size() <= comparedSize)
            digest = QCryptographicHash::hash(file.read(comparedSize + 1), QCryptographicHash::Sha1);
    }
    if (digest.isEmpty())
        return decodeFile(path);
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (const Entry& entry : entries) {
            if (entry.digest == digest)
                return entry.image;
        }
    }
    const QImage image = decodeFile(path);
    if (image.isNull())
        return image;
    std::lock_guard<std::mutex> lock(mutex);
    // Another thread may have decoded the same bytes meanwhile: its copy is shared.
    for (const Entry& entry : entries) {
        if (entry.digest == digest)
            return entry.image;
    }
    entries.push_front(Entry{digest, image});
    if (entries.size() > kept)
        entries.pop_back();
    return image;
}

void SharedDecodedPictures::clear()
{
    std::lock_guard<std::mutex> lock(mutex);
    entries.clear();
}
