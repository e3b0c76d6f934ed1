#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as PNG as the image writer does by default (each row filtered the
// way that leaves the smallest values, then deflated at the default level), with the
// deflating split into parts that several threads make at once. The parts are fixed
// by the picture alone, each one primed with the data before it, so the file is the
// same whatever number of threads makes it and hardly larger than one made whole.
class ParallelPngEncoder
{
public:
    // True for the pictures it encodes: 32-bit RGB with or without alpha, with no
    // colour profile, text or offset to carry. Others are left to the image writer.
    static bool encodes(const QImage& image);

    // The PNG file of `image`, deflated on at most `threads` threads; empty when the
    // picture is not one it encodes or compression failed.
    static QByteArray encode(const QImage& image, int threads);
};
