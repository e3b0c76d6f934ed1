#include "MediaInput.h"

#include "FrameDecoder.h"
#include "RegularFile.h"

#include <QSize>
#include <QVector>

#include <cerrno>
#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

constexpr int IO_BUFFER_SIZE = 64 * 1024;

} // namespace

MediaInput::MediaInput(const QString& path, const QDeadlineTimer& deadline)
    : path(path)
    , deadline(deadline)
    , file(path)
{
}

MediaInput::~MediaInput()
{
    avformat_close_input(&context);
    if (io) {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
}

bool MediaInput::open()
{
    if (!openRegularFile(file)) {
        error = isRegularFile(path) ? QStringLiteral("cannot be read") : QStringLiteral("not a regular file");
        return false;
    }
    auto* buffer = static_cast<unsigned char*>(av_malloc(IO_BUFFER_SIZE));
    io = buffer ? avio_alloc_context(buffer, IO_BUFFER_SIZE, 0, this, &MediaInput::readPacket, nullptr,
                                     &MediaInput::seek)
                : nullptr;
    context = avformat_alloc_context();
    if (!io || !context) {
        if (!io)
            av_free(buffer);
        error = QStringLiteral("out of memory");
        return false;
    }
    context->pb = io;
    context->flags |= AVFMT_FLAG_CUSTOM_IO;
    context->interrupt_callback.callback = &MediaInput::interrupted;
    context->interrupt_callback.opaque = this;

    // The name only helps FFmpeg guess the format; the bytes come through `io`.
    if (avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, nullptr) < 0) {
        error = expired() ? QStringLiteral("took too long") : QStringLiteral("not a media file");
        return false;
    }
    if (!findStreamInfo()) {
        error = expired() ? QStringLiteral("took too long") : QStringLiteral("not a media file");
        return false;
    }
    return true;
}

bool MediaInput::findStreamInfo()
{
    // FFmpeg decodes a picture of each stream to learn its format, at full size and
    // before any check of ours: a cover or a frame that states a huge size is refused
    // there by the same bound as when it is decoded for the thumbnail. Streams found
    // only while reading (in files without a header) have no such bound; the job
    // process's memory ceiling holds for them.
    const unsigned streams = context->nb_streams;
    QVector<AVDictionary*> options(int(streams), nullptr);
    QVector<QSize> stated;
    for (unsigned i = 0; i < streams; ++i) {
        av_dict_set_int(&options[int(i)], "max_pixels", FrameDecoder::MAX_PIXELS, 0);
        stated << QSize(context->streams[i]->codecpar->width, context->streams[i]->codecpar->height);
    }
    const int found = avformat_find_stream_info(context, streams ? options.data() : nullptr);
    for (AVDictionary*& streamOptions : options)
        av_dict_free(&streamOptions);
    if (found < 0)
        return false;
    // A picture refused there leaves its stream without a size: the size the file
    // states stands, for the facts and for the decoder's own bound.
    for (int i = 0; i < stated.size() && i < int(context->nb_streams); ++i) {
        AVCodecParameters* parameters = context->streams[i]->codecpar;
        if (parameters->codec_type == AVMEDIA_TYPE_VIDEO && (parameters->width <= 0 || parameters->height <= 0)
            && !stated.at(i).isEmpty()) {
            parameters->width = stated.at(i).width();
            parameters->height = stated.at(i).height();
        }
    }
    return true;
}

AVStream* MediaInput::stream(int index) const
{
    return context && index >= 0 && index < int(context->nb_streams) ? context->streams[index] : nullptr;
}

int MediaInput::lengthSeconds() const
{
    if (!context || context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        return 0;
    return int(std::llround(double(context->duration) / AV_TIME_BASE));
}

int MediaInput::readPacket(void* opaque, unsigned char* buffer, int size)
{
    auto* input = static_cast<MediaInput*>(opaque);
    if (input->expired())
        return AVERROR_EXIT;
    ssize_t count;
    do
        count = ::read(input->file.handle(), buffer, size_t(size));
    while (count < 0 && errno == EINTR);
    if (count < 0)
        return AVERROR(errno);
    return count == 0 ? AVERROR_EOF : int(count);
}

int64_t MediaInput::seek(void* opaque, int64_t offset, int whence)
{
    auto* input = static_cast<MediaInput*>(opaque);
    const int fd = input->file.handle();
    if (whence & AVSEEK_SIZE) {
        struct stat status {};
        return ::fstat(fd, &status) == 0 ? int64_t(status.st_size) : AVERROR(errno);
    }
    const off_t position = ::lseek(fd, off_t(offset), whence & ~AVSEEK_FORCE);
    return position < 0 ? AVERROR(errno) : int64_t(position);
}

int MediaInput::interrupted(void* opaque)
{
    return static_cast<MediaInput*>(opaque)->expired() ? 1 : 0;
}
