#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

class JpegHeader;

// Decodes a JPEG file held in memory to a small size on several threads, giving
// exactly the picture the image reader gives for the same scaled size (its JPEG
// decoder at an eighth of the size, then smooth scaling to the size asked for). Takes
// the files whose decoding it reproduces (see JpegHeader) when the reader would decode
// them at an eighth; for any other file, and for data that turns out damaged, it gives
// a null image and the image reader has the last word. So it does for a picture whose
// decoding would hold more than mostBytes, and for data that never lines up at the
// threads' chunk starts (which would be decoded over and over).
class EighthScaleJpegDecoder
{
public:
    struct Figures
    {
        // Bits decoded twice to join the threads' parts.
        quint64 overlapBits = 0;
        // Units decoded from the chunks' starts and on into the next chunks.
        quint64 decodedUnits = 0;
        // The most held at once: file, its entropy-coded data, records, picture.
        qint64 heldBytes = 0;
    };

    // The most a decode holds, the file included, so that a picture made alone keeps
    // within the 64 MB of one decoding thread, the program's own memory included.
    static constexpr qint64 mostBytes = 40 * 1024 * 1024;

    // The picture at `target`, decoded on at most `threads` threads; null when not taken.
    static QImage decode(const QByteArray& file, const QSize& target, int threads, Figures* figures = nullptr);
    // The picture at an eighth of its size, as the JPEG decoder gives it, before any
    // scaling; the threads share the data in chunks of at least `chunkBytes`.
    static QImage decodeEighth(const QByteArray& file, int threads, int chunkBytes = defaultChunkBytes,
                               Figures* figures = nullptr);
    // Smaller chunks are not worth a thread of their own.
    static constexpr int defaultChunkBytes = 64 * 1024;

    // True when the image reader decodes a picture of `source` asked for at `target` at
    // an eighth of its size.
    static bool readerTakesEighth(const QSize& source, const QSize& target);

private:
    // The same, for a file whose header is parsed already.
    static QImage decodeEighth(const JpegHeader& header, const QByteArray& file, int threads, int chunkBytes,
                               Figures* figures);
};
