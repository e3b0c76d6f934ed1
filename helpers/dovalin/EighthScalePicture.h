#pragma once

#include <QImage>

#include <cstdint>

class JpegHeader;

// Turns the decoded coefficients of a scan into the picture a JPEG decoder gives at an
// eighth of the size: one pixel per luma block from its DC value; chroma sampled 2x1
// spread over two pixels, chroma sampled 2x2 through a 2x2 reduced inverse transform;
// then the JFIF colour conversion. Every step in the decoder's fixed-point arithmetic.
class EighthScalePicture
{
public:
    // RGB32 for colour, Grayscale8 for gray, made on at most `threads` threads, from
    // the DC values of the blocks and the reduced transform's terms of 4:2:0 chroma; a
    // null image for coefficients so large that the decoder's 16-bit arithmetic could
    // round them otherwise, or chroma beyond the range its builds agree on.
    static QImage render(const JpegHeader& header, const int16_t* dc, const int32_t* reducedTerms,
                         int threads);
};
