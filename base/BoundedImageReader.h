#pragma once

#include "HugePageMemory.h"
#include "JpegFrame.h"
#include "NamedFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <functional>

// Decodes one picture with bounded cost, for every picture the programs read from a
// file or a stream they did not make themselves: only regular files are opened (a FIFO
// named like a picture would block the reader), the picture is measured before it is
// decoded, the decoder is asked for the size wanted (JPEG then decodes at an eighth
// step, SVG draws at that size), and a decode that would need more than
// MaxDecodedImageBytes (buffers of the decoder and the picture) is refused.
class BoundedImageReader
{
public:
    // Reads the file at `path`.
    explicit BoundedImageReader(const QString& path);
    // Reads from `device`, which stays the caller's; a non-empty `format` is taken as
    // it is, without looking at the content.
    BoundedImageReader(QIODevice* device, const QByteArray& format);
    BoundedImageReader(const BoundedImageReader&) = delete;
    BoundedImageReader& operator=(const BoundedImageReader&) = delete;

    // True when `suffix` (lower case) names a format that Qt's image reader knows and
    // this reader reads.
    static bool supportsSuffix(const QString& suffix);
    // True for a format (lower case) that is never read, whatever a file is named:
    // PostScript, which its reader runs as a program in Ghostscript.
    static bool isRefusedFormat(const QByteArray& format);

    // Turns the picture upright as its metadata says (the EXIF orientation of a JPEG,
    // PNG or WebP, read by ExifOrientation whichever decoder runs; the reader's own for
    // other formats, as TIFF's). Off by default; set before measure(). sourceSize(),
    // decodeBytes() and read() take sizes before turning, uprightSize(), readUpright()
    // and readFitting() those after.
    void setAutoTransform(bool enabled) { autoTransform = enabled; }
    // Reads a JPEG file of ordinary size whole before decoding it: the decoder takes its
    // fast path only with plenty of input at hand. Faster for one picture, but the file
    // is held in memory meanwhile, and the fresh memory of many reads at once on several
    // threads costs more than it saves. Off by default.
    void setReadWholeJpeg(bool enabled) { wholeJpeg = enabled; }

    // Gives a JPEG file read whole (see setReadWholeJpeg) and decoded line by line (not
    // progressive, one scan) to `decoder` first, once the measure and the memory check
    // have passed; a null image from it leaves the picture to the image reader. The
    // decoder must give what the reader would, and hold at most `mostBytes`, the file
    // included. It gets the file mapped into memory: should the file be cut short
    // meanwhile, reading past its new end kills the process that reads (SIGBUS), so the
    // decoder reads the bytes only in a process of its own.
    using WholeJpegDecoder = std::function<QImage(const QByteArray& file, const QSize& target)>;
    void setWholeJpegDecoder(WholeJpegDecoder decoder, qint64 mostBytes)
    {
        jpegDecoder = std::move(decoder);
        jpegDecoderBytes = mostBytes;
    }

    // Opens the file and reads the picture's size from its header; false when there
    // is no picture or it has no size.
    bool measure();
    QSize sourceSize() const { return size; }
    // The turn read() gives the picture: none unless setAutoTransform is on.
    QImageIOHandler::Transformations transformation() const { return turn; }
    // The picture's size once turned upright.
    QSize uprightSize() const;
    // True for a format whose reader decodes the picture to learn its size: measure()
    // then refuses files above mostBlindFileBytes, and costs what read() would.
    bool decodesToMeasure();
    static constexpr qint64 mostBlindFileBytes = 8 * 1024 * 1024;
    // The bytes decoding at `target` takes, by the measure, the file read whole and the
    // whole-file decoder included.
    qint64 decodeBytes(const QSize& target) const;

    // The picture decoded at `target`; a null image when it cannot be read or is too
    // large to decode. One read per reader.
    QImage read(const QSize& target);
    // The picture at its own size.
    QImage read() { return read(QSize()); }
    // The picture turned upright at `target` (a size after turning).
    QImage readUpright(const QSize& target);
    // The picture, turned upright, fitted into `box` keeping its proportions, never enlarged.
    QImage readFitting(const QSize& box);

    QString errorString() const { return error; }

    // One picture from a file, turned upright, fitted into `box` when that is valid, else
    // at its own size; a null image (and `error` set when given) when it cannot be read.
    static QImage readFile(const QString& path, const QSize& box = QSize(), QString* error = nullptr);

private:
    bool openDevice();
    // The format the image reader decides on, the device opened.
    QByteArray format();
    // The buffers of the decoder and the picture alone.
    qint64 decoderBytes(const QSize& target) const;
    bool readsWholeFile(const QSize& target) const;
    // True when a camera RAW picture is developed at half its size for `target`.
    bool halvesRaw(const QSize& target) const;
    void readWholeFile();
    // The whole-file decoder's picture, from the file mapped into memory.
    QImage decodeMapped(const QSize& target);

    QString path;
    NamedFile file;
    HugePageMemory wholeFileMemory; // what wholeFile holds
    QBuffer wholeFile;
    QIODevice* device = nullptr;
    QImageReader reader;
    JpegFrame jpeg;
    QByteArray formatName;
    QSize size;
    int bytesPerPixel = 4;
    bool measured = false;
    bool wholeJpeg = false;
    bool autoTransform = false;
    QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone;
    WholeJpegDecoder jpegDecoder;
    qint64 jpegDecoderBytes = 0;
    QString error;
};
