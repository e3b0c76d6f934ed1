#pragma once

#include "FrameScaler.h"

#include <QImage>
#include <QSize>

class FrameDecoder;
struct AVFrame;

// Chooses the picture of a video's thumbnail: the key frame at or before the time
// wanted, so that no run of frames is decoded to reach it. When that frame is black
// (a black lead-in, a fade) the frames after it are tried, then later places in the
// video; only a video that is black wherever it was looked at gives a black picture.
class FramePicker
{
public:
    // Frames tried after a black one before moving on to a later place.
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
    QImage firstNotBlackFrom(double seconds, int frames);

    FrameDecoder& decoder;
    FrameScaler scaler;
    const QSize size;
    AVFrame* frame;
    QImage firstSeen;
};
