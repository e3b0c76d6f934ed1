#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/resource.h>

// Pictures that cost far more to decode than their bytes suggest, written byte by
// byte: a JPEG frame of any size whose entropy data is a few zero bytes. Every block
// decodes as flat grey, so a decoder works through the whole frame. A progressive
// frame, or one whose first scan holds one component of several, makes the decoder
// keep every coefficient of the image: a 60000 x 60000 grey progressive file of about
// 200 bytes asks for 7.2 GB.
namespace HostileImages {

enum JpegScans {
    Sequential,  // one interleaved scan: decoded row by row
    Progressive, // a progressive DC scan
    MultiScan    // sequential, but the first scan holds one component only
};

inline void appendWord(QByteArray& bytes, int value)
{
    bytes.append(char((value >> 8) & 0xFF));
    bytes.append(char(value & 0xFF));
}

inline QByteArray jpeg(int width, int height, int components, JpegScans scans)
{
    QByteArray bytes("\xFF\xD8", 2);
    // One quantisation table of ones.
    bytes.append("\xFF\xDB", 2);
    appendWord(bytes, 67);
    bytes.append('\0');
    bytes.append(QByteArray(64, '\1'));
    // The frame: every component at full resolution on table 0.
    bytes.append(scans == Progressive ? QByteArray("\xFF\xC2", 2) : QByteArray("\xFF\xC0", 2));
    appendWord(bytes, 8 + 3 * components);
    bytes.append('\x08');
    appendWord(bytes, height);
    appendWord(bytes, width);
    bytes.append(char(components));
    for (int c = 0; c < components; ++c) {
        bytes.append(char(c + 1));
        bytes.append('\x11');
        bytes.append('\0');
    }
    // DC and AC tables with the one code "0": no difference, end of block.
    for (const char tableClass : {'\x00', '\x10'}) {
        bytes.append("\xFF\xC4", 2);
        appendWord(bytes, 20);
        bytes.append(tableClass);
        bytes.append('\1');
        bytes.append(QByteArray(15, '\0'));
        bytes.append('\0');
    }
    const int inScan = scans == MultiScan ? 1 : components;
    bytes.append("\xFF\xDA", 2);
    appendWord(bytes, 6 + 2 * inScan);
    bytes.append(char(inScan));
    for (int c = 0; c < inScan; ++c) {
        bytes.append(char(c + 1));
        bytes.append('\0');
    }
    bytes.append('\0');                                   // Ss
    bytes.append(scans == Progressive ? '\0' : '\x3F'); // Se
    bytes.append('\0');                                   // Ah, Al
    bytes.append(QByteArray(32, '\0'));
    bytes.append("\xFF\xD9", 2);
    return bytes;
}

// A 4:4:4 colour JPEG of side x side pixels whose every block is a DC code of 3 bits
// (difference 0) and an end-of-block code of 3 bits, every 3-bit pattern but 111 being
// a code: decoding from any bit gives units, and units started off the true grid never
// meet it again. The data is padded to 32 (27 n + 1) bytes, so that the starts of 32
// equal chunks miss the 72-bit grid of unit starts.
inline QByteArray neverAlignedJpeg(int side)
{
    const qint64 units = qint64((side + 7) / 8) * ((side + 7) / 8);
    const qint64 dataBytes = (units * 27 + 7) / 8;
    const qint64 n = (dataBytes / 32 - 1 + 26) / 27;
    const qint64 padded = 32 * (27 * n + 1);
    auto segment = [](QByteArray& bytes, uchar marker, const QByteArray& payload) {
        bytes.append('\xFF').append(char(marker));
        appendWord(bytes, payload.size() + 2);
        bytes.append(payload);
    };
    QByteArray bytes("\xFF\xD8", 2);
    segment(bytes, 0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
    segment(bytes, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\x08'));
    QByteArray frame(1, '\x08');
    appendWord(frame, side);
    appendWord(frame, side);
    frame.append(QByteArray("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00", 10));
    segment(bytes, 0xC0, frame);
    const QByteArray counts = QByteArray("\0\0\7", 3) + QByteArray(13, '\0');
    segment(bytes, 0xC4, QByteArray(1, '\x00') + counts + QByteArray(7, '\x03')); // every DC code: 3 bits follow
    segment(bytes, 0xC4, QByteArray(1, '\x10') + counts + QByteArray(7, '\x00')); // every AC code: end of block
    segment(bytes, 0xDA, QByteArray("\x03\x01\x00\x02\x00\x03\x00\x00\x3F\x00", 10));
    // 001 001 001 ...
    QByteArray data(int(padded), Qt::Uninitialized);
    static const char pattern[3] = {'\x24', '\x92', '\x49'};
    for (int i = 0; i < data.size(); ++i)
        data[i] = pattern[i % 3];
    bytes.append(data);
    bytes.append("\xFF\xD9", 2);
    return bytes;
}

inline bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The most memory this process has held so far, in bytes.
inline qint64 peakResidentBytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// The most memory any finished child of this process has held, in bytes.
inline qint64 peakChildResidentBytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace HostileImages
