#include "CoverPicture.h"

#include "BoundedImageReader.h"
#include "FrameDecoder.h"
#include "FrameScaler.h"
#include "MediaInput.h"

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

QImage readByImageReader(const AVPacket& picture, const QByteArray& format, const QSize& box)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(picture.data), picture.size);
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    BoundedImageReader reader(&buffer, format);
    return reader.readFitting(box);
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
    if (BoundedImageReader::supportsSuffix(QString::fromLatin1(format)))
        return readByImageReader(stream->attached_pic, format, box);
    return readByDecoder(input, index, box);
}

} // namespace CoverPicture
