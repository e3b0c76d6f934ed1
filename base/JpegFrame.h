#pragma once

#include <QSize>

class QIODevice;

// What the headers of a JPEG file tell about the decoder's memory before it runs. A
// progressive file, or one whose first scan holds fewer components than the frame,
// is decoded into a buffer of the whole image's coefficients (128 bytes for every
// 8 x 8 block of every component, at full size whatever the output size) before a
// single pixel comes out.
class JpegFrame
{
public:
    // Reads the markers from the device's position up to the first scan and puts the
    // position back. A device that cannot seek reads as unknown.
    static JpegFrame inspect(QIODevice* device);

    // The bytes of the coefficient buffer: 0 for a file decoded scan line by scan
    // line; for headers that could not be read, the most a frame of `size` can need.
    qint64 coefficientBytes(const QSize& size) const;

private:
    bool known = false;
    bool wholeImage = false;
    qint64 coefficients = 0;
};
