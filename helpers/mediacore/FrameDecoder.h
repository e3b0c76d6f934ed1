#pragma once

#include <QSize>
#include <QString>

class MediaInput;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;

// Decodes the pictures of one stream of a media file, with bounded cost: a decoder
// that can decode at a reduced size (JPEG) is asked for the smallest that still covers
// the size it is drawn at, a picture that would still be larger than MAX_PIXELS is
// refused before decoding, and decoding ends at the input's deadline or after
// MAX_PACKETS packets read since the last seek.
class FrameDecoder
{
public:
    // 64 million pixels: 256 MB as 32-bit pixels.
    static constexpr qint64 MAX_PIXELS = 64LL * 1024 * 1024;
    static constexpr int MAX_PACKETS = 5000;

    explicit FrameDecoder(MediaInput& input);
    ~FrameDecoder();
    FrameDecoder(const FrameDecoder&) = delete;
    FrameDecoder& operator=(const FrameDecoder&) = delete;

    // Opens the decoder of stream `index` for pictures drawn at `drawSize` (in the
    // stream's own orientation); false with the reason in errorString().
    bool open(int index, const QSize& drawSize);

    // The next picture of the stream, in `frame`; false at its end, when it cannot be
    // decoded, or past the deadline.
    bool next(AVFrame* frame);

    // The next key frame of the stream alone, in `frame`: the packets up to it are
    // read but not decoded, and the frames after it are not decoded either. A next()
    // after it needs a seek first.
    bool nextKeyFrame(AVFrame* frame);

    // Decodes the stream's one still picture (a cover) into `frame`.
    bool decodeAttachedPicture(AVFrame* frame);

    // Moves to the key frame at or before `seconds`; false when the file cannot seek.
    bool seek(double seconds);
    // Moves to the stream's first picture: by bytes where the container allows it (a
    // stream without an index of key frames, whose time stamps a seek can miss), else
    // by its first time stamp; false when the file cannot seek.
    bool seekToStart();

    QString errorString() const { return error; }
    // True when open() refused the stream for the size of its pictures.
    bool refusedForSize() const { return tooLarge; }

private:
    bool feed();
    void restart();

    MediaInput& input;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    int streamIndex = -1;
    int packetsRead = 0;
    bool draining = false;
    bool tooLarge = false;
    QString error;
};
