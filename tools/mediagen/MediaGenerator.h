#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Short video and audio files written with FFmpeg's libraries, for the tests and the
// benchmark of the media helpers. The container follows the file name's suffix.
namespace MediaGenerator {

struct VideoSpec
{
    QString codec = QStringLiteral("mpeg4"); // an FFmpeg encoder name
    QSize size = QSize(320, 240);
    int fps = 25;
    double seconds = 3;
    double blackSeconds = 0; // black frames before the picture starts
    int keyframeInterval = 250; // frames
    bool detailed = false; // gradients, moving shapes and grain, as camera footage
    bool withSound = false; // a tone beside the picture
};

struct SoundSpec
{
    QString codec = QStringLiteral("flac");
    int sampleRate = 44100;
    int channels = 2;
    double seconds = 3;
    int bitrate = 0; // bits per second for lossy encoders; 0 leaves the encoder's own
    QImage cover; // attached as the cover picture when not null
    QByteArray coverFormat = "png"; // "png" or "jpeg"
    // Bytes written as the cover in place of `cover` encoded, which then only gives the
    // size the file states: for covers that lie about themselves.
    QByteArray coverBytes;
};

// The colour that fills a generated video's picture during its second `n` (after the
// black lead-in): a different, clearly not black colour for each second.
QColor colourOfSecond(int n);

// Writes the file; on failure `error` says why and a partial file may be left.
bool writeVideo(const QString& path, const VideoSpec& spec, QString* error);
bool writeSound(const QString& path, const SoundSpec& spec, QString* error);

// A video of `seconds` frames, one a second, each of them `picture`: the bytes of one
// encoded picture ("png" or "jpeg" by `pictureFormat`) that the stream says are `size`
// pixels. For pictures no encoder would make at a test's cost.
bool writeStillVideo(const QString& path, const QByteArray& pictureFormat, const QSize& size,
                     const QByteArray& picture, int seconds, QString* error);

// A black PNG of `size` pixels, 8-bit RGB or 16-bit RGBA, deflated row by row: a
// picture that asks gigabytes of its decoder from a file of a few hundred kilobytes,
// made without holding the picture.
QByteArray blackPng(const QSize& size, bool sixteenBitRgba);

// A mid-grey baseline JPEG of `size` pixels, colour sampled 4:2:0 as cameras do,
// written byte by byte: its Huffman tables give every block two bits (no difference,
// end of block), so a 12000 x 12000 picture takes 0.8 MB.
QByteArray greyJpeg(const QSize& size);

} // namespace MediaGenerator
