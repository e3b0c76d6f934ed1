#include "EighthScaleDecoding.h"

#include "EighthScaleJpegDecoder.h"
#include "IsolatedJob.h"
#include "PictureFrame.h"

#include <climits>

const char* const EighthScaleDecoding::OFF_VARIABLE = "DOVALIN_NO_OWN_JPEG_DECODER";

EighthScaleDecoding EighthScaleDecoding::fromEnvironment(Decoder decoder, int deadlineMs)
{
    EighthScaleDecoding decoding;
    decoding.enabled = qEnvironmentVariableIsEmpty(OFF_VARIABLE);
    decoding.decoder = std::move(decoder);
    if (!decoding.decoder)
        decoding.decoder = [](const QByteArray& file, const QSize& target, int threads) {
            return EighthScaleJpegDecoder::decode(file, target, threads);
        };
    decoding.deadlineMs = deadlineMs;
    return decoding;
}

QImage EighthScaleDecoding::decode(const QByteArray& file, const QSize& target, int threads, QString* failure) const
{
    failure->clear();
    if (!enabled)
        return QImage();
    const QByteArray frame = IsolatedJob::run(
        [&] {
            const QImage picture = decoder(file, target, threads);
            return picture.isNull() ? QByteArray() : PictureFrame::encode(picture);
        },
        deadlineMs, failure, int(qMin<qint64>(PictureFrame::mostBytes(target), INT_MAX)));
    if (frame.isEmpty())
        return QImage();
    const QImage picture = PictureFrame::decode(frame, target);
    if (picture.isNull())
        *failure = QStringLiteral("its picture came back damaged");
    return picture;
}
