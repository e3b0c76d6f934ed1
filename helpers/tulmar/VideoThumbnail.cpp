#include "VideoThumbnail.h"

#include "AtomicImageSave.h"
#include "FilmStrip.h"
#include "FrameDecoder.h"
#include "HelperLog.h"
#include "FramePicker.h"
#include "MediaHelperProgram.h"
#include "MediaInput.h"

#include <QFile>
#include <QTransform>

#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

namespace {

// The facts of the video stream that the thumbnail and the line need.
struct VideoFacts
{
    QSize coded; // as the decoder delivers pictures
    QSize display; // as the picture is shown: pixel aspect and rotation applied
    int rotation = 0; // clockwise degrees: 0, 90, 180 or 270
    int length = 0;
    int bitrate = 0;
    int framerate = 0;
    bool sound = false;
};

int rotationOf(AVStream* stream)
{
    const auto* matrix = reinterpret_cast<const int32_t*>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (!matrix)
        return 0;
    const double counterclockwise = av_display_rotation_get(matrix);
    if (std::isnan(counterclockwise))
        return 0;
    const int clockwise = int(std::lround(-counterclockwise / 90.0)) * 90;
    return ((clockwise % 360) + 360) % 360;
}

VideoFacts factsOf(const MediaInput& input, AVStream* stream)
{
    AVFormatContext* format = input.format();
    VideoFacts facts;
    facts.coded = QSize(stream->codecpar->width, stream->codecpar->height);
    QSize shown = facts.coded;
    const AVRational aspect = av_guess_sample_aspect_ratio(format, stream, nullptr);
    if (aspect.num > 0 && aspect.den > 0 && aspect.num != aspect.den)
        shown.setWidth(int(std::lround(double(shown.width()) * aspect.num / aspect.den)));
    facts.rotation = rotationOf(stream);
    facts.display = facts.rotation % 180 ? shown.transposed() : shown;

    facts.length = input.lengthSeconds();
    if (facts.length == 0 && stream->duration > 0)
        facts.length = int(std::lround(stream->duration * av_q2d(stream->time_base)));
    const qint64 bitsPerSecond = format->bit_rate > 0 ? format->bit_rate : stream->codecpar->bit_rate;
    facts.bitrate = int(std::lround(bitsPerSecond / 1000.0));
    const AVRational rate = av_guess_frame_rate(format, stream, nullptr);
    if (rate.num > 0 && rate.den > 0)
        facts.framerate = int(std::lround(av_q2d(rate)));
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            facts.sound = true;
    return facts;
}

} // namespace

QByteArray makeVideoThumbnail(const MediaJob& job, const QString& outputFolder, const QDeadlineTimer& deadline)
{
    MediaInput input(job.filePath, deadline);
    if (!input.open()) {
        HelperLog::skipped(job.filePath, input.errorString());
        return QByteArray();
    }
    const int index = av_find_best_stream(input.format(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    AVStream* stream = input.stream(index);
    // A still cover picture is no video.
    if (!stream || (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) || stream->codecpar->width <= 0
        || stream->codecpar->height <= 0) {
        HelperLog::skipped(job.filePath, QStringLiteral("no video pictures"));
        return QByteArray();
    }
    const VideoFacts facts = factsOf(input, stream);

    const FilmStrip strip(job);
    const QSize drawn = strip.pictureSize(facts.display);
    if (drawn.isEmpty()) {
        HelperLog::skipped(job.filePath, QStringLiteral("no room for a thumbnail"));
        return QByteArray();
    }
    // Pictures are scaled before they are turned upright.
    const QSize scaled = facts.rotation % 180 ? drawn.transposed() : drawn;
    const QList<qint64> line{facts.length, facts.display.width(), facts.display.height(), facts.sound ? 1 : 0,
                             facts.bitrate, facts.framerate};
    FrameDecoder decoder(input);
    if (!decoder.open(index, scaled)) {
        if (!decoder.refusedForSize()) {
            HelperLog::skipped(job.filePath, decoder.errorString());
            return QByteArray();
        }
        // A video whose pictures are too large to decode is still a video: its facts
        // are known, and no picture of an earlier file of that name stands for it.
        HelperLog::skipped(job.filePath + QStringLiteral(" (picture)"), decoder.errorString());
        QFile::remove(MediaHelper::thumbnailPath(job, outputFolder));
        return MediaHelper::outputLine(job, outputFolder, line);
    }
    // About a tenth into the video, unless the job names a time.
    const double wanted = job.thumbTime > 0 ? job.thumbTime : facts.length * 0.1;
    FramePicker picker(decoder, scaled);
    QImage picture = picker.pick(wanted, facts.length);
    if (picture.isNull()) {
        HelperLog::skipped(job.filePath, input.expired() ? QStringLiteral("took too long")
                                                              : QStringLiteral("no picture could be decoded"));
        return QByteArray();
    }
    if (facts.rotation)
        picture = picture.transformed(QTransform().rotate(facts.rotation));

    QString error;
    if (!saveImageAtomically(strip.draw(picture), MediaHelper::thumbnailPath(job, outputFolder),
                             MediaHelper::thumbnailFormat(job), &error, MediaHelper::thumbnailQuality(job))) {
        HelperLog::skipped(job.filePath, error);
        return QByteArray();
    }
    return MediaHelper::outputLine(job, outputFolder, line);
}
