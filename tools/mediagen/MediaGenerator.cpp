#include "MediaGenerator.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

#include <zlib.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace MediaGenerator {

namespace {

QString ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// One encoded stream of the file being written.
struct Track
{
    AVStream* stream = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    qint64 nextPts = 0;
};

// An output file: its streams, their encoders, and the order of the calls that
// FFmpeg wants. Every failure ends in the error text; the destructor frees all.
class Muxer
{
public:
    Muxer(const QString& path, QString* error)
        : path(path)
        , error(error)
    {
        // The encoders' statistics would bury the test's own output.
        av_log_set_level(AV_LOG_ERROR);
        const QByteArray name = QFile::encodeName(path);
        const int result = avformat_alloc_output_context2(&format, nullptr, nullptr, name.constData());
        if (result < 0 || !format)
            fail(QStringLiteral("no container for %1: %2").arg(path, ffmpegError(result)));
    }

    ~Muxer()
    {
        for (Track* track : {&video, &audio}) {
            av_frame_free(&track->frame);
            avcodec_free_context(&track->codec);
        }
        if (format && !(format->oformat->flags & AVFMT_NOFILE))
            avio_closep(&format->pb);
        avformat_free_context(format);
    }

    bool ok() const { return !failed; }

    bool fail(const QString& text)
    {
        if (!failed)
            *error = text;
        failed = true;
        return false;
    }

    bool check(int result, const char* step)
    {
        return result >= 0 || fail(QStringLiteral("%1: %2").arg(QLatin1String(step), ffmpegError(result)));
    }

    bool openEncoder(Track& track, const QString& codecName, const std::function<void(AVCodecContext*)>& setUp)
    {
        if (failed)
            return false;
        const AVCodec* encoder = avcodec_find_encoder_by_name(codecName.toUtf8().constData());
        if (!encoder)
            return fail(QStringLiteral("no encoder %1").arg(codecName));
        track.stream = avformat_new_stream(format, nullptr);
        track.codec = avcodec_alloc_context3(encoder);
        track.frame = av_frame_alloc();
        if (!track.stream || !track.codec || !track.frame)
            return fail(QStringLiteral("out of memory"));
        setUp(track.codec);
        if (format->oformat->flags & AVFMT_GLOBALHEADER)
            track.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (!check(avcodec_open2(track.codec, encoder, nullptr), "opening the encoder")
            || !check(avcodec_parameters_from_context(track.stream->codecpar, track.codec), "stream parameters"))
            return false;
        track.stream->time_base = track.codec->time_base;
        return true;
    }

    // A stream of PNG or JPEG pictures of `size`, encoded elsewhere.
    AVStream* addPictureStream(const QByteArray& pictureFormat, const QSize& size)
    {
        if (failed)
            return nullptr;
        AVStream* stream = avformat_new_stream(format, nullptr);
        if (!stream) {
            fail(QStringLiteral("out of memory"));
            return nullptr;
        }
        stream->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
        stream->codecpar->codec_id = pictureFormat == "png" ? AV_CODEC_ID_PNG : AV_CODEC_ID_MJPEG;
        stream->codecpar->width = size.width();
        stream->codecpar->height = size.height();
        return stream;
    }

    // A stream that carries one still picture, the cover of a recording.
    AVStream* addCover(const QImage& cover, const QByteArray& imageFormat)
    {
        AVStream* stream = addPictureStream(imageFormat, cover.size());
        if (!stream)
            return nullptr;
        stream->disposition = AV_DISPOSITION_ATTACHED_PIC;
        av_dict_set(&stream->metadata, "comment", "Cover (front)", 0);
        return stream;
    }

    // A stream of pictures encoded elsewhere, one a second.
    AVStream* addPictures(const QByteArray& pictureFormat, const QSize& size)
    {
        AVStream* stream = addPictureStream(pictureFormat, size);
        if (!stream)
            return nullptr;
        stream->time_base = AVRational{1, 1};
        stream->avg_frame_rate = AVRational{1, 1};
        return stream;
    }

    bool writePicture(AVStream* stream, const QByteArray& bytes, qint64 second)
    {
        AVPacket* packet = av_packet_alloc();
        bool written = packet && check(av_new_packet(packet, bytes.size()), "picture packet");
        if (written) {
            memcpy(packet->data, bytes.constData(), size_t(bytes.size()));
            packet->stream_index = stream->index;
            packet->flags |= AV_PKT_FLAG_KEY;
            packet->pts = packet->dts = second;
            packet->duration = 1;
            av_packet_rescale_ts(packet, AVRational{1, 1}, stream->time_base);
            written = check(av_interleaved_write_frame(format, packet), "writing a picture");
        }
        av_packet_free(&packet);
        return written;
    }

    bool writeHeader()
    {
        if (failed)
            return false;
        if (!(format->oformat->flags & AVFMT_NOFILE)
            && !check(avio_open(&format->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE), "opening the file"))
            return false;
        return check(avformat_write_header(format, nullptr), "writing the header");
    }

    bool writeCover(AVStream* stream, const SoundSpec& spec)
    {
        QByteArray bytes = spec.coverBytes;
        QBuffer buffer(&bytes);
        if (bytes.isEmpty() && !(buffer.open(QIODevice::WriteOnly) && QImageWriter(&buffer, spec.coverFormat).write(spec.cover)))
            return fail(QStringLiteral("cover picture not encoded"));
        AVPacket* packet = av_packet_alloc();
        bool written = packet && check(av_new_packet(packet, bytes.size()), "cover packet");
        if (written) {
            memcpy(packet->data, bytes.constData(), size_t(bytes.size()));
            packet->stream_index = stream->index;
            packet->flags |= AV_PKT_FLAG_KEY;
            packet->pts = packet->dts = 0;
            written = check(av_write_frame(format, packet), "writing the cover");
        }
        av_packet_free(&packet);
        return written;
    }

    // Encodes the track's frame (null: drains the encoder) and writes what comes out.
    bool encode(Track& track, const AVFrame* frame)
    {
        if (failed || !check(avcodec_send_frame(track.codec, frame), "encoding"))
            return false;
        AVPacket* packet = av_packet_alloc();
        int result = 0;
        while (packet && (result = avcodec_receive_packet(track.codec, packet)) >= 0) {
            av_packet_rescale_ts(packet, track.codec->time_base, track.stream->time_base);
            packet->stream_index = track.stream->index;
            result = av_interleaved_write_frame(format, packet);
            if (result < 0)
                break;
        }
        av_packet_free(&packet);
        return result == AVERROR(EAGAIN) || result == AVERROR_EOF || check(result, "writing");
    }

    bool finish()
    {
        for (Track* track : {&video, &audio})
            if (track->codec && !encode(*track, nullptr))
                return false;
        return !failed && check(av_write_trailer(format), "writing the trailer");
    }

    Track video;
    Track audio;

private:
    const QString path;
    QString* error;
    AVFormatContext* format = nullptr;
    bool failed = false;
};

bool openSound(Muxer& muxer, const QString& codecName, int sampleRate, int channels, int bitrate)
{
    const bool opened = muxer.openEncoder(muxer.audio, codecName, [&](AVCodecContext* codec) {
        codec->sample_fmt = codec->codec->sample_fmts ? codec->codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
        codec->sample_rate = sampleRate;
        av_channel_layout_default(&codec->ch_layout, channels);
        codec->time_base = AVRational{1, sampleRate};
        if (bitrate > 0)
            codec->bit_rate = bitrate;
    });
    if (!opened)
        return false;
    AVCodecContext* codec = muxer.audio.codec;
    AVFrame* frame = muxer.audio.frame;
    frame->format = codec->sample_fmt;
    frame->sample_rate = codec->sample_rate;
    frame->nb_samples = codec->frame_size > 0 ? codec->frame_size : 1024;
    return muxer.check(av_channel_layout_copy(&frame->ch_layout, &codec->ch_layout), "channel layout")
        && muxer.check(av_frame_get_buffer(frame, 0), "sound buffer");
}

// The next piece of a tone: 440 Hz on the first channel, a fifth higher on the others.
bool writeTone(Muxer& muxer)
{
    Track& track = muxer.audio;
    AVFrame* frame = track.frame;
    if (!muxer.check(av_frame_make_writable(frame), "sound frame"))
        return false;
    const auto sampleFormat = AVSampleFormat(frame->format);
    const bool planar = av_sample_fmt_is_planar(sampleFormat);
    const int channels = frame->ch_layout.nb_channels;
    for (int i = 0; i < frame->nb_samples; ++i) {
        const double t = double(track.nextPts + i) / frame->sample_rate;
        for (int channel = 0; channel < channels; ++channel) {
            const double value = 0.4 * std::sin(2 * M_PI * (channel == 0 ? 440.0 : 660.0) * t);
            const int index = planar ? i : i * channels + channel;
            uint8_t* plane = frame->extended_data[planar ? channel : 0];
            switch (av_get_packed_sample_fmt(sampleFormat)) {
            case AV_SAMPLE_FMT_S16:
                reinterpret_cast<int16_t*>(plane)[index] = int16_t(value * 32767);
                break;
            case AV_SAMPLE_FMT_S32:
                reinterpret_cast<int32_t*>(plane)[index] = int32_t(value * 2147483647.0);
                break;
            case AV_SAMPLE_FMT_FLT:
                reinterpret_cast<float*>(plane)[index] = float(value);
                break;
            case AV_SAMPLE_FMT_DBL:
                reinterpret_cast<double*>(plane)[index] = value;
                break;
            default:
                return muxer.fail(QStringLiteral("sample format not handled"));
            }
        }
    }
    frame->pts = track.nextPts;
    track.nextPts += frame->nb_samples;
    return muxer.encode(track, frame);
}

QImage grainTile()
{
    QImage tile(128, 128, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(7);
    for (int y = 0; y < tile.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            const int grey = int(random.bounded(256));
            line[x] = qPremultiply(qRgba(grey, grey, grey, 48));
        }
    }
    return tile;
}

void paintPicture(QImage& picture, const VideoSpec& spec, qint64 frameNumber, const QImage& grain)
{
    const double t = double(frameNumber) / spec.fps;
    picture.fill(Qt::black);
    if (t < spec.blackSeconds)
        return;
    const QColor colour = colourOfSecond(int(t - spec.blackSeconds));
    QPainter painter(&picture);
    const int w = picture.width();
    const int h = picture.height();
    if (!spec.detailed) {
        picture.fill(colour);
        // A small square moves along the bottom edge, so the frames differ.
        const int side = qMax(4, h / 12);
        painter.fillRect(QRect(int(frameNumber * 3) % qMax(1, w - side), h - side, side, side), Qt::white);
        return;
    }
    QLinearGradient gradient(0, 0, w, h);
    gradient.setColorAt(0, colour.lighter(150));
    gradient.setColorAt(1, colour.darker(250));
    painter.fillRect(picture.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i) {
        const double phase = t * (0.3 + 0.1 * i) + i;
        const QPointF centre(w * (0.5 + 0.4 * std::sin(phase)), h * (0.5 + 0.4 * std::cos(phase * 1.3)));
        painter.setBrush(QColor::fromHsv((i * 60 + int(t * 20)) % 360, 160, 230));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre, h / 8.0, h / 8.0);
    }
    painter.drawTiledPixmap(picture.rect(), QPixmap::fromImage(grain), QPoint(int(frameNumber * 37) % 128, 0));
}

} // namespace

QColor colourOfSecond(int n)
{
    static const QColor colours[] = {QColor(220, 40, 40), QColor(40, 180, 60), QColor(40, 80, 220),
                                     QColor(230, 200, 30), QColor(200, 60, 200), QColor(30, 200, 200)};
    return colours[qAbs(n) % int(sizeof colours / sizeof colours[0])];
}

bool writeVideo(const QString& path, const VideoSpec& spec, QString* error)
{
    Muxer muxer(path, error);
    const int width = spec.size.width() & ~1;
    const int height = spec.size.height() & ~1;
    muxer.openEncoder(muxer.video, spec.codec, [&](AVCodecContext* codec) {
        codec->width = width;
        codec->height = height;
        codec->time_base = AVRational{1, spec.fps};
        codec->framerate = AVRational{spec.fps, 1};
        codec->gop_size = spec.keyframeInterval;
        codec->keyint_min = qMin(spec.keyframeInterval, 25);
        codec->pix_fmt = codec->codec->pix_fmts ? codec->codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
        // Key frames come at the interval only, not at changes of scene.
        av_opt_set_int(codec, "sc_threshold", 1000000000, AV_OPT_SEARCH_CHILDREN);
        if (spec.codec == QLatin1String("libx264")) {
            av_opt_set(codec->priv_data, "preset", "veryfast", 0);
        } else {
            codec->max_b_frames = 0;
            codec->bit_rate = qint64(width) * height * spec.fps / 4;
        }
    });
    if (spec.withSound)
        openSound(muxer, QStringLiteral("aac"), 44100, 2, 128000);
    if (!muxer.ok())
        return false;

    AVFrame* frame = muxer.video.frame;
    frame->format = muxer.video.codec->pix_fmt;
    frame->width = width;
    frame->height = height;
    if (!muxer.check(av_frame_get_buffer(frame, 0), "picture buffer") || !muxer.writeHeader())
        return false;
    SwsContext* converter = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height,
                                           AVPixelFormat(frame->format), SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!converter)
        return muxer.fail(QStringLiteral("no colour converter"));

    const QImage grain = spec.detailed ? grainTile() : QImage();
    QImage picture(width, height, QImage::Format_RGB32);
    const qint64 frames = qint64(std::llround(spec.seconds * spec.fps));
    bool ok = true;
    while (ok && muxer.video.nextPts < frames) {
        // Sound catches up with the picture, so the muxer interleaves them closely.
        if (muxer.audio.codec
            && av_compare_ts(muxer.audio.nextPts, muxer.audio.codec->time_base, muxer.video.nextPts,
                             muxer.video.codec->time_base) < 0) {
            ok = writeTone(muxer);
            continue;
        }
        paintPicture(picture, spec, muxer.video.nextPts, grain);
        ok = muxer.check(av_frame_make_writable(frame), "picture frame");
        if (!ok)
            break;
        const uint8_t* source[] = {picture.constBits()};
        const int sourceStride[] = {int(picture.bytesPerLine())};
        sws_scale(converter, source, sourceStride, 0, height, frame->data, frame->linesize);
        frame->pts = muxer.video.nextPts++;
        ok = muxer.encode(muxer.video, frame);
    }
    sws_freeContext(converter);
    return ok && muxer.finish();
}

bool writeSound(const QString& path, const SoundSpec& spec, QString* error)
{
    Muxer muxer(path, error);
    openSound(muxer, spec.codec, spec.sampleRate, spec.channels, spec.bitrate);
    AVStream* cover = spec.cover.isNull() ? nullptr : muxer.addCover(spec.cover, spec.coverFormat);
    if (!muxer.writeHeader())
        return false;
    // The cover goes first: the muxers hold the sound back until it has come.
    if (cover && !muxer.writeCover(cover, spec))
        return false;
    const qint64 samples = qint64(std::llround(spec.seconds * spec.sampleRate));
    while (muxer.audio.nextPts < samples)
        if (!writeTone(muxer))
            return false;
    return muxer.finish();
}

bool writeStillVideo(const QString& path, const QByteArray& pictureFormat, const QSize& size,
                     const QByteArray& picture, int seconds, QString* error)
{
    Muxer muxer(path, error);
    AVStream* stream = muxer.addPictures(pictureFormat, size);
    if (!muxer.writeHeader())
        return false;
    for (int second = 0; second < seconds; ++second)
        if (!muxer.writePicture(stream, picture, second))
            return false;
    return muxer.finish();
}

QByteArray blackPng(const QSize& size, bool sixteenBitRgba)
{
    auto appendWord = [](QByteArray& bytes, quint32 word) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(char((word >> shift) & 0xff));
    };
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    auto chunk = [&](const char* type, const QByteArray& data) {
        const QByteArray typed = QByteArray(type) + data;
        appendWord(png, quint32(data.size()));
        png.append(typed);
        appendWord(png, quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))));
    };
    QByteArray header;
    appendWord(header, quint32(size.width()));
    appendWord(header, quint32(size.height()));
    header.append(sixteenBitRgba ? char(16) : char(8));
    header.append(sixteenBitRgba ? char(6) : char(2)); // RGBA or RGB
    header.append(QByteArray(3, '\0')); // deflate, adaptive filters, not interlaced
    chunk("IHDR", header);

    // Every row: filter "none", then black pixels.
    const QByteArray row(1 + size.width() * (sixteenBitRgba ? 8 : 3), '\0');
    z_stream stream {};
    if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK)
        return QByteArray();
    QByteArray data;
    char out[64 * 1024];
    int result = Z_OK;
    for (int y = 0; y <= size.height() && result != Z_STREAM_END; ++y) {
        const bool last = y == size.height();
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.constData()));
        stream.avail_in = last ? 0 : uInt(row.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(out);
            stream.avail_out = sizeof out;
            result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            data.append(out, int(sizeof out - stream.avail_out));
        } while (result == Z_OK && (stream.avail_out == 0 || last));
    }
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return QByteArray();
    chunk("IDAT", data);
    chunk("IEND", QByteArray());
    return png;
}

QByteArray greyJpeg(const QSize& size)
{
    auto appendWord = [](QByteArray& bytes, int value) {
        bytes.append(char((value >> 8) & 0xff));
        bytes.append(char(value & 0xff));
    };
    QByteArray jpeg("\xFF\xD8", 2);
    // One quantisation table of ones.
    jpeg.append("\xFF\xDB", 2);
    appendWord(jpeg, 67);
    jpeg.append('\0');
    jpeg.append(QByteArray(64, '\1'));
    // The frame: luma at full resolution, both chroma components at half.
    jpeg.append("\xFF\xC0", 2);
    appendWord(jpeg, 17);
    jpeg.append('\x08');
    appendWord(jpeg, size.height());
    appendWord(jpeg, size.width());
    jpeg.append('\x03');
    for (int component = 1; component <= 3; ++component) {
        jpeg.append(char(component));
        jpeg.append(component == 1 ? '\x22' : '\x11');
        jpeg.append('\0');
    }
    // DC and AC tables alike: symbol 0 (no difference; end of block) is the code "0",
    // symbol 1 the code "10", so that no code is all ones.
    for (const char tableClass : {'\x00', '\x10'}) {
        jpeg.append("\xFF\xC4", 2);
        appendWord(jpeg, 21);
        jpeg.append(tableClass);
        jpeg.append("\x01\x01", 2);
        jpeg.append(QByteArray(14, '\0'));
        jpeg.append("\x00\x01", 2);
    }
    jpeg.append("\xFF\xDA", 2);
    appendWord(jpeg, 12);
    jpeg.append('\x03');
    for (const char component : {'\x01', '\x02', '\x03'}) {
        jpeg.append(component);
        jpeg.append('\0');
    }
    jpeg.append("\x00\x3F\x00", 3);
    // Six blocks of two zero bits each for every 16 x 16 unit.
    const qint64 units = qint64((size.width() + 15) / 16) * ((size.height() + 15) / 16);
    jpeg.append(QByteArray(int((units * 12 + 7) / 8), '\0'));
    jpeg.append("\xFF\xD9", 2);
    return jpeg;
}

} // namespace MediaGenerator
