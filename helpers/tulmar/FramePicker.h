#pragma once

#include "FrameScaler.h"

#include <QImage>
#include <QSize>

class FrameDecoder;
struct AVFrame;

// Chooses the picture of a video's thumbnail: the key frame at or before the time
// wanted, decoded alone. When that frame is black (a black lead-in, a fade), the next
// key frames are tried, then the frames right after the wanted one in order, then
// later places in the video, and when none of them could be decoded, the frames from
// the start; only a video that is black wherever it was looked at gives a black
// picture.
class FramePicker
{
public:
    // Key frames tried from the wanted place on, and frames tried in order after it.
    static constexpr int KEY_FRAMES = 3;
    static constexpr int FRAMES_AFTER_BLACK = 75;

    // Pictures come out at `size`.
    FramePicker(FrameDecoder& decoder, const QSize& size);
    ~FramePicker();
    FramePicker(const FramePicker&) = delete;
    FramePicker& operator=(const FramePicker&) = delete;

    // The picture at about `wantedSeconds` into a video of `lengthSeconds` (0 when
    // unknown); a null image when no frame could be decoded.
    QImage pick(double wantedSeconds, double lengthSeconds);

    // True when hardly any pixel is brighter than near black.
    static bool isBlack(const QImage& picture);

private:
    // The decoded frame at its drawn size, kept as the first seen; null when damaged.
    QImage take();
    QImage firstNotBlackKeyFrame(int keyFrames);
    // Decodes on from where the decoder stands.
    QImage firstNotBlackFrame(int frames);

    FrameDecoder& decoder;
    FrameScaler scaler;
    const QSize size;
    AVFrame* frame;
    QImage firstSeen;
};
