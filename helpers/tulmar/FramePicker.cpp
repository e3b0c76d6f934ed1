#include "FramePicker.h"

#include "FrameDecoder.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace {

// Later places tried when the wanted one is black, as parts of the length.
constexpr double LATER_PLACES[] = {0.25, 0.4, 0.55, 0.7, 0.85};

} // namespace

FramePicker::FramePicker(FrameDecoder& decoder, const QSize& size)
    : decoder(decoder)
    , size(size)
    , frame(av_frame_alloc())
{
}

FramePicker::~FramePicker()
{
    av_frame_free(&frame);
}

bool FramePicker::isBlack(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    qint64 bright = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qMax(qRed(line[x]), qMax(qGreen(line[x]), qBlue(line[x]))) > 40)
                ++bright;
    }
    return bright * 50 < qint64(image.width()) * image.height();
}

QImage FramePicker::take()
{
    const bool damaged = frame->flags & AV_FRAME_FLAG_CORRUPT;
    const QImage picture = damaged ? QImage() : scaler.scale(frame, size);
    av_frame_unref(frame);
    if (firstSeen.isNull())
        firstSeen = picture;
    return picture;
}

QImage FramePicker::firstNotBlackKeyFrame(int keyFrames)
{
    for (int i = 0; frame && i < keyFrames && decoder.nextKeyFrame(frame); ++i) {
        const QImage picture = take();
        if (!picture.isNull() && !isBlack(picture))
            return picture;
    }
    return QImage();
}

QImage FramePicker::firstNotBlackFrame(int frames)
{
    for (int i = 0; frame && i < frames && decoder.next(frame); ++i) {
        const QImage picture = take();
        if (!picture.isNull() && !isBlack(picture))
            return picture;
    }
    return QImage();
}

QImage FramePicker::pick(double wantedSeconds, double lengthSeconds)
{
    // A file that cannot seek is read from its start.
    decoder.seek(wantedSeconds);
    QImage picture = firstNotBlackKeyFrame(KEY_FRAMES);
    // Decoding from anywhere but a key frame would give broken pictures.
    if (picture.isNull() && decoder.seek(wantedSeconds))
        picture = firstNotBlackFrame(1 + FRAMES_AFTER_BLACK);
    for (const double part : LATER_PLACES) {
        if (!picture.isNull() || lengthSeconds <= 0)
            break;
        if (part * lengthSeconds > wantedSeconds && decoder.seek(part * lengthSeconds))
            picture = firstNotBlackKeyFrame(1);
    }
    // A stream whose only key frame comes before the wanted place (a short recording
    // with the encoder's default distance between key frames), in a container that
    // seeks by time stamps or bytes and lands after it: from the start.
    if (picture.isNull() && firstSeen.isNull() && decoder.seekToStart())
        picture = firstNotBlackFrame(1 + FRAMES_AFTER_BLACK);
    return picture.isNull() ? firstSeen : picture;
}
