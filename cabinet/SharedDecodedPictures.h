#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <deque>
#include <functional>
#include <mutex>

// Pictures decoded from files, by the digest of the files' bytes: a cabinet's cache
// holds the same icon under many names (one per item whose file is gone, say), and
// those decode once and share one image. A short table of the latest pictures, so
// thousands of different ones cost nothing extra; safe on any thread.
class SharedDecodedPictures
{
public:
    // The picture of the file at `path`: one decoded before from the same bytes, else
    // what `decode` makes of the file. Only small files are compared; others decode.
    QImage decode(const QString& path, const std::function<QImage(const QString&)>& decode);
    void clear();

    // Files up to this size are compared by their bytes: icons and thumbnails, not photos.
    static constexpr qint64 comparedSize = 256 * 1024;

private:
    struct Entry
    {
        QByteArray digest;
        QImage image;
    };
    static constexpr size_t kept = 64;
    std::mutex mutex;
    std::deque<Entry> entries;
};
