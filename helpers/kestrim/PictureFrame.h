#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// The finished thumbnail as a page process sends it back: a small header and
// the raw 32-bit pixels, so the supervisor never runs an image decoder on
// bytes that come from a process rendering untrusted content.
class PictureFrame
{
public:
    enum State { Incomplete, Complete, Invalid };

    static QByteArray encode(const QImage& image);

    // Reads a frame no larger than `maxSize` from bytes arriving in pieces.
    explicit PictureFrame(const QSize& maxSize);

    State feed(const QByteArray& bytes);
    State state() const { return currentState; }
    QImage image() const { return picture; }

private:
    static constexpr int HEADER_BYTES = 12;

    QSize maxSize;
    QByteArray buffer;
    qint64 expectedBytes = -1;
    State currentState = Incomplete;
    QImage picture;
};
