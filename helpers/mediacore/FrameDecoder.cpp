#include "FrameDecoder.h"

#include "MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

FrameDecoder::FrameDecoder(MediaInput& input)
    : input(input)
{
}

FrameDecoder::~FrameDecoder()
{
    av_packet_free(&packet);
    avcodec_free_context(&codec);
}

bool FrameDecoder::open(int index, const QSize& drawSize)
{
    const AVStream* stream = input.stream(index);
    if (!stream) {
        error = QStringLiteral("no such stream");
        return false;
    }
    const AVCodecParameters* parameters = stream->codecpar;
    if (qint64(parameters->width) * parameters->height > MAX_PIXELS) {
        error = QStringLiteral("picture of %1 x %2 pixels would need too much memory")
                    .arg(parameters->width)
                    .arg(parameters->height);
        return false;
    }
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder) {
        error = QStringLiteral("no decoder for its pictures");
        return false;
    }
    codec = avcodec_alloc_context3(decoder);
    packet = av_packet_alloc();
    if (!codec || !packet || avcodec_parameters_to_context(codec, parameters) < 0) {
        error = QStringLiteral("out of memory");
        return false;
    }
    codec->pkt_timebase = stream->time_base;
    codec->max_pixels = MAX_PIXELS;
    // Slices in parallel; frame threads would decode many frames to deliver the first.
    codec->thread_count = 0;
    codec->thread_type = FF_THREAD_SLICE;
    int lowres = 0;
    while (lowres < decoder->max_lowres && (parameters->width >> (lowres + 1)) >= drawSize.width()
           && (parameters->height >> (lowres + 1)) >= drawSize.height())
        ++lowres;
    codec->lowres = lowres;
    if (avcodec_open2(codec, decoder, nullptr) < 0) {
        error = QStringLiteral("pictures cannot be decoded");
        return false;
    }
    streamIndex = index;
    return true;
}

bool FrameDecoder::feed()
{
    // Packets of other streams are passed over; a damaged packet is left out.
    while (!input.expired() && packetsRead < MAX_PACKETS) {
        const int read = av_read_frame(input.format(), packet);
        if (read < 0) {
            draining = true;
            avcodec_send_packet(codec, nullptr);
            return true;
        }
        ++packetsRead;
        const bool ours = packet->stream_index == streamIndex;
        const int sent = ours ? avcodec_send_packet(codec, packet) : 0;
        av_packet_unref(packet);
        if (ours && sent != AVERROR_INVALIDDATA)
            return sent >= 0 || sent == AVERROR(EAGAIN);
    }
    return false;
}

bool FrameDecoder::next(AVFrame* frame)
{
    if (!codec)
        return false;
    for (;;) {
        const int received = avcodec_receive_frame(codec, frame);
        if (received >= 0)
            return true;
        if (received != AVERROR(EAGAIN) || draining || !feed())
            return false;
    }
}

bool FrameDecoder::decodeAttachedPicture(AVFrame* frame)
{
    const AVStream* stream = input.stream(streamIndex);
    if (!codec || !stream || stream->attached_pic.size <= 0)
        return false;
    if (avcodec_send_packet(codec, &stream->attached_pic) < 0)
        return false;
    avcodec_send_packet(codec, nullptr);
    draining = true;
    return avcodec_receive_frame(codec, frame) >= 0;
}

bool FrameDecoder::seek(double seconds)
{
    const AVStream* stream = input.stream(streamIndex);
    if (!codec || !stream)
        return false;
    const qint64 start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
    const qint64 target = start + av_rescale_q(qint64(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, stream->time_base);
    if (av_seek_frame(input.format(), streamIndex, target, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(codec);
    draining = false;
    return true;
}
