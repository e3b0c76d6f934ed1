#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// A picture as a helper's child process sends it back: a small header and the raw
// pixels, so the process that saves it never runs an image decoder on bytes that come
// from a process handling untrusted content. Grey, RGB32 and ARGB32 pictures keep their
// format and every picture its density; other formats travel as ARGB32.
class PictureFrame
{
public:
    enum State { Incomplete, Complete, Invalid };

    static QByteArray encode(const QImage& image);
    // The most bytes a frame of a picture of `size` takes.
    static qint64 mostBytes(const QSize& size);

    // Reads a frame no larger than `maxSize` from bytes arriving in pieces.
    explicit PictureFrame(const QSize& maxSize);

    State feed(const QByteArray& bytes);
    State state() const { return currentState; }
    QImage image() const { return picture; }

    // The picture of one whole frame in `bytes`; a null image for anything else.
    static QImage decode(const QByteArray& bytes, const QSize& maxSize);

private:
    static constexpr int HEADER_BYTES = 24;

    bool readHeader();

    QSize maxSize;
    QByteArray buffer;
    qint64 expectedBytes = -1;
    State currentState = Incomplete;
    QImage picture;
};
