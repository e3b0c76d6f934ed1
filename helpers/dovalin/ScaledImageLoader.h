#pragma once

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

// Reads one picture at the size it will be shown at, with bounded cost: only regular
// files are opened (a FIFO named like a picture would block the reader), the picture
// is measured before it is decoded, the decoder is asked for the size wanted (JPEG
// then decodes at an eighth step, SVG draws at that size), and a decode that would
// need more than MAX_DECODE_BYTES is refused.
class ScaledImageLoader
{
public:
    static constexpr qint64 MAX_DECODE_BYTES = 256LL * 1024 * 1024;

    explicit ScaledImageLoader(const QString& path);
    ScaledImageLoader(const ScaledImageLoader&) = delete;
    ScaledImageLoader& operator=(const ScaledImageLoader&) = delete;

    // True when `suffix` (lower case) names a format that Qt's image reader knows.
    static bool supportsSuffix(const QString& suffix);

    // Opens the file and reads the picture's size from its header.
    bool measure();
    QSize sourceSize() const { return size; }

    // The picture decoded at `target`; a null image when it cannot be read or is too big.
    QImage read(const QSize& target);

    QString errorString() const { return error; }

private:
    bool openRegularFile();
    qint64 decodeBytes(const QSize& target);

    QString path;
    QFile file;
    QImageReader reader;
    QSize size;
    QString error;
};
