#pragma once

#include <QDataStream>

// Bytes the stream's device still holds (what a sequential device has buffered).
qint64 bytesLeft(const QDataStream& stream);

// Marks the stream's data corrupt, keeping an earlier failure as it is.
void markCorrupt(QDataStream& stream);

// Reads a 32-bit element count and checks it: not negative, and no more elements of at
// least `minElementBytes` than the bytes left. On failure the stream is marked and
// `count` is 0.
bool readCount(QDataStream& stream, int minElementBytes, int* count);

// Decoding an image from a stream is refused above this many bytes of pixels.
constexpr qint64 MaxDecodedImageBytes = 256 * 1024 * 1024;
