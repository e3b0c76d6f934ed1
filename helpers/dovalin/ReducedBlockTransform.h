#pragma once

#include <array>
#include <cstdint>

// The 2x2 reduced inverse transform a JPEG decoder uses for chroma sampled 2x2 at an
// eighth of the size, in its fixed-point arithmetic, split around the DC term: the AC
// coefficients give four terms without knowing the DC value (which is only known once
// the blocks before are), the DC value then gives the four pixels.
class ReducedBlockTransform
{
public:
    // Coefficients read, row by row over rows and columns 0, 1, 3, 5 and 7, DC excepted.
    static constexpr int acCount = 24;
    // Where natural position n is read (-1: not read).
    static int acSlot(int natural);

    // The four terms (row by row) of the AC values `ac`, dequantised by `quant`
    // (natural order). A dequantised value beyond what the decoder's 16-bit arithmetic
    // handles the same marks the terms as unusable.
    static void acTerms(const int16_t* ac, const std::array<uint16_t, 64>& quant, int32_t terms[4]);

    // The pixel of a term once the DC value is known; false for unusable terms, a DC
    // value out of range, or a pixel value beyond the range the decoder's builds agree on.
    static bool sample(int16_t dc, int quant, int32_t term, uint8_t* pixel);
};
