#include "SoundThumbnail.h"

#include "AtomicImageSave.h"
#include "CoverPicture.h"
#include "HelperLog.h"
#include "MediaHelperProgram.h"
#include "MediaInput.h"

#include <QFile>

#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// The cover among the file's still pictures: the one called the front cover, else the first.
int coverStream(const AVFormatContext* format)
{
    int cover = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* stream = format->streams[i];
        if (!(stream->disposition & AV_DISPOSITION_ATTACHED_PIC) || stream->attached_pic.size <= 0)
            continue;
        const AVDictionaryEntry* comment = av_dict_get(stream->metadata, "comment", nullptr, 0);
        if (comment && QByteArray(comment->value).compare("Cover (front)", Qt::CaseInsensitive) == 0)
            return int(i);
        if (cover < 0)
            cover = int(i);
    }
    return cover;
}

int bitDepthOf(const AVCodecParameters* parameters)
{
    if (parameters->bits_per_raw_sample > 0)
        return parameters->bits_per_raw_sample;
    // Uncompressed formats carry their depth in the codec; lossy ones have none.
    return av_get_bits_per_sample(parameters->codec_id);
}

} // namespace

QByteArray makeSoundThumbnail(const MediaJob& job, const QString& outputFolder, const QDeadlineTimer& deadline)
{
    MediaInput input(job.filePath, deadline);
    if (!input.open()) {
        HelperLog::skipped(job.filePath, input.errorString());
        return QByteArray();
    }
    AVFormatContext* format = input.format();
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    const AVStream* sound = input.stream(index);
    if (!sound) {
        HelperLog::skipped(job.filePath, QStringLiteral("no sound"));
        return QByteArray();
    }
    const AVCodecParameters* parameters = sound->codecpar;
    int length = input.lengthSeconds();
    if (length == 0 && sound->duration > 0)
        length = int(std::lround(sound->duration * av_q2d(sound->time_base)));
    const qint64 bitsPerSecond = parameters->bit_rate > 0 ? parameters->bit_rate : format->bit_rate;

    const QString path = MediaHelper::thumbnailPath(job, outputFolder);
    const int cover = coverStream(format);
    if (cover >= 0) {
        const QImage picture = CoverPicture::read(input, cover, QSize(job.thumbWidth, job.thumbHeight));
        QString error;
        if (picture.isNull()) {
            HelperLog::skipped(job.filePath + QStringLiteral(" (cover)"), QStringLiteral("not readable"));
            // Nor does a picture of an earlier cover stand for it.
            QFile::remove(path);
        } else if (!saveImageAtomically(picture, path, MediaHelper::thumbnailFormat(job), &error,
                                        MediaHelper::thumbnailQuality(job))) {
            HelperLog::skipped(job.filePath + QStringLiteral(" (cover)"), error);
        }
    } else {
        // The recording may have lost the cover it had.
        QFile::remove(path);
    }
    return MediaHelper::outputLine(job, outputFolder,
                                   {length, std::lround(bitsPerSecond / 1000.0), parameters->ch_layout.nb_channels,
                                    parameters->sample_rate, bitDepthOf(parameters)});
}
