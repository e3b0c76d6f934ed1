#include "FrameDecoder.h"

#include "MediaInput.h"

#include <climits>

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
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    int lowres = 0;
    while (decoder && lowres < decoder->max_lowres && (parameters->width >> (lowres + 1)) >= drawSize.width()
           && (parameters->height >> (lowres + 1)) >= drawSize.height())
        ++lowres;
    // What counts is the picture as it is decoded: at a reduced size where it can be.
    const qint64 decodedPixels = qint64(AV_CEIL_RSHIFT(parameters->width, lowres))
        * AV_CEIL_RSHIFT(parameters->height, lowres);
    if (decodedPixels > MAX_PIXELS) {
        error = QStringLiteral("picture of %1 x %2 pixels would need too much memory")
                    .arg(parameters->width)
                    .arg(parameters->height);
        tooLarge = true;
        return false;
    }
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
    // The library checks the bound against the picture's full size when it reads its
    // header, and against the reduced size when it makes room for the decoded picture.
    codec->max_pixels = qMin<qint64>(INT_MAX, MAX_PIXELS << (2 * lowres));
    // One thread: a thumbnail wants single pictures, which frame threads only delay,
    // and most streams have one slice a picture, which slice threads cannot share out.
    codec->thread_count = 1;
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

bool FrameDecoder::nextKeyFrame(AVFrame* frame)
{
    if (!codec)
        return false;
    avcodec_flush_buffers(codec);
    draining = false;
    while (!input.expired() && packetsRead < MAX_PACKETS) {
        if (av_read_frame(input.format(), packet) < 0)
            return false;
        ++packetsRead;
        const bool key = packet->stream_index == streamIndex && (packet->flags & AV_PKT_FLAG_KEY);
        const bool sent = key && avcodec_send_packet(codec, packet) >= 0;
        av_packet_unref(packet);
        if (!sent)
            continue;
        // Emptying the decoder hands the key frame out at once: no frames after it are
        // decoded to fill the reordering queue.
        avcodec_send_packet(codec, nullptr);
        const bool decoded = avcodec_receive_frame(codec, frame) >= 0;
        avcodec_flush_buffers(codec);
        if (decoded)
            return true;
    }
    return false;
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
    restart();
    return true;
}

bool FrameDecoder::seekToStart()
{
    AVFormatContext* format = input.format();
    const AVStream* stream = input.stream(streamIndex);
    if (!codec || !stream)
        return false;
    bool moved = false;
    if (!(format->iformat->flags & AVFMT_NO_BYTE_SEEK))
        moved = av_seek_frame(format, -1, 0, AVSEEK_FLAG_BYTE) >= 0;
    if (!moved) {
        const qint64 start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
        moved = av_seek_frame(format, streamIndex, start, AVSEEK_FLAG_BACKWARD) >= 0;
    }
    if (moved)
        restart();
    return moved;
}

void FrameDecoder::restart()
{
    avcodec_flush_buffers(codec);
    draining = false;
    packetsRead = 0;
}
