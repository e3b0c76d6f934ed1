#include "CoverPicture.h"

#include "BoundedImageReader.h"
#include "FrameDecoder.h"
#include "FrameScaler.h"
#include "MediaInput.h"
#include "StreamLimits.h"

#include <QBuffer>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// Qt's name of the picture format of a cover stream; empty for those it has no name for.
QByteArray readerFormatOf(AVCodecID codec)
{
    switch (codec) {
    case AV_CODEC_ID_MJPEG:
        return "jpeg";
    case AV_CODEC_ID_PNG:
        return "png";
    case AV_CODEC_ID_BMP:
        return "bmp";
    case AV_CODEC_ID_GIF:
        return "gif";
    case AV_CODEC_ID_WEBP:
        return "webp";
    case AV_CODEC_ID_TIFF:
        return "tiff";
    default:
        return QByteArray();
    }
}

// The cover read from its bytes; a null image, and `refused` set, when it is too large
// to decode.
QImage readByImageReader(const AVPacket& picture, const QByteArray& format, const QSize& box, bool* refused)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(picture.data), picture.size);
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    BoundedImageReader reader(&buffer, format);
    if (!reader.measure())
        return QImage();
    const QSize source = reader.sourceSize();
    QSize size = source;
    if (size.width() > box.width() || size.height() > box.height())
        size = source.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    *refused = reader.decodeBytes(size) > MaxDecodedImageBytes;
    return *refused ? QImage() : reader.read(size);
}

QImage readByDecoder(MediaInput& input, int index, const QSize& box)
{
    const AVCodecParameters* parameters = input.stream(index)->codecpar;
    const QSize source(parameters->width, parameters->height);
    if (source.isEmpty())
        return QImage();
    QSize size = source;
    if (size.width() > box.width() || size.height() > box.height())
        size = source.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    FrameDecoder decoder(input);
    AVFrame* frame = av_frame_alloc();
    QImage picture;
    if (frame && decoder.open(index, size) && decoder.decodeAttachedPicture(frame))
        picture = FrameScaler().scale(frame, size);
    av_frame_free(&frame);
    return picture;
}

} // namespace

namespace CoverPicture {

QImage read(MediaInput& input, int index, const QSize& box)
{
    const AVStream* stream = input.stream(index);
    if (!stream || stream->attached_pic.size <= 0 || box.isEmpty())
        return QImage();
    const QByteArray format = readerFormatOf(stream->codecpar->codec_id);
    if (BoundedImageReader::supportsSuffix(QString::fromLatin1(format))) {
        bool refused = false;
        const QImage picture = readByImageReader(stream->attached_pic, format, box, &refused);
        // A picture the reader cannot make out may still be one FFmpeg's decoder can.
        if (!picture.isNull() || refused)
            return picture;
    }
    return readByDecoder(input, index, box);
}

} // namespace CoverPicture
