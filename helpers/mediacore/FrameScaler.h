#pragma once

#include <QImage>
#include <QSize>

struct AVFrame;
struct SwsContext;

// Turns decoded pictures into images of the size they are drawn at, in one step: a
// full-size copy of a picture is never made.
class FrameScaler
{
public:
    FrameScaler() = default;
    ~FrameScaler();
    FrameScaler(const FrameScaler&) = delete;
    FrameScaler& operator=(const FrameScaler&) = delete;

    // The frame scaled to exactly `size`, as Format_ARGB32 (opaque unless the picture
    // has an alpha channel); a null image when it cannot be converted.
    QImage scale(const AVFrame* frame, const QSize& size);

private:
    SwsContext* context = nullptr;
    AVFrame* target = nullptr; // what the library writes into, kept for the next picture
};
