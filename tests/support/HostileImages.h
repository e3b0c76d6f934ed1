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
