#include "ReducedBlockTransform.h"

#include "SampleLimit.h"

#include <cstdlib>
#include <limits>

namespace {

// The odd coefficients weigh in with sqrt(2) times sums of the cosines
// c(k) = cos(k pi / 16), in 13-bit fixed point.
constexpr int64_t w1 = 29692;  // sqrt(2) ( c1 + c3 + c5 + c7)
constexpr int64_t w3 = -10426; // sqrt(2) (-c1 + c3 - c5 - c7)
constexpr int64_t w5 = 6967;   // sqrt(2) (-c1 + c3 + c5 + c7)
constexpr int64_t w7 = -5906;  // sqrt(2) ( c7 - c5 + c3 - c1)
// Dequantised values up to this keep every sum of the decoder within 16 and 32 bits.
constexpr int mostDequantised = 2047;
constexpr int32_t unusable = std::numeric_limits<int32_t>::min();
constexpr int read[5] = {0, 1, 3, 5, 7};

struct Slots
{
    int8_t slot[64];
    constexpr Slots()
        : slot()
    {
        for (int n = 0; n < 64; ++n)
            slot[n] = -1;
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                if (r || c)
                    slot[read[r] * 8 + read[c]] = int8_t(r * 5 + c - 1);
    }
};
constexpr Slots slots;

} // namespace

int ReducedBlockTransform::acSlot(int natural)
{
    return slots.slot[natural];
}

void ReducedBlockTransform::acTerms(const int16_t* ac, const std::array<uint16_t, 64>& quant, int32_t terms[4])
{
    int any = 0;
    for (int i = 0; i < acCount; ++i)
        any |= ac[i];
    if (!any) {
        terms[0] = terms[1] = terms[2] = terms[3] = 0;
        return;
    }
    // [row][column] over the rows and columns read; the DC term stays 0 here.
    int64_t coefficient[5][5] = {};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            if (!r && !c)
                continue;
            const int dequantised = ac[r * 5 + c - 1] * quant[size_t(read[r] * 8 + read[c])];
            if (std::abs(dequantised) > mostDequantised) {
                terms[0] = terms[1] = terms[2] = terms[3] = unusable;
                return;
            }
            coefficient[r][c] = dequantised;
        }
    // First pass down the columns, two bits kept; the DC term adds 4 x DC to column 0
    // of both rows exactly, as it is a multiple of the divisor.
    int64_t work[2][5];
    for (int c = 0; c < 5; ++c) {
        const int64_t even = coefficient[0][c] * 32768;
        const int64_t odd =
            coefficient[1][c] * w1 + coefficient[2][c] * w3 + coefficient[3][c] * w5 + coefficient[4][c] * w7;
        work[0][c] = descaled(even + odd, 13);
        work[1][c] = descaled(even - odd, 13);
    }
    // Second pass along the rows, before its rounding (which needs the DC term).
    for (int row = 0; row < 2; ++row) {
        const int64_t even = work[row][0] * 32768;
        const int64_t odd = work[row][1] * w1 + work[row][2] * w3 + work[row][3] * w5 + work[row][4] * w7;
        terms[row * 2] = int32_t(even + odd);
        terms[row * 2 + 1] = int32_t(even - odd);
    }
}

bool ReducedBlockTransform::sample(int16_t dc, int quant, int32_t term, uint8_t* pixel)
{
    const int dequantised = dc * quant;
    if (term == unusable || std::abs(dequantised) > mostDequantised)
        return false;
    // 4 x DC through the first pass, times 32768 in the second, then rounded off by
    // 20 bits.
    const int64_t value = descaled(int64_t(dequantised) * 131072 + term, 20);
    // Beyond the range limit's table the JPEG library's builds differ: its plain code
    // wraps the value around (as sampleLimit does), its vector code (taken on most
    // processors) clamps it. The image reader decodes such a picture, whichever it is.
    if (value < -512 || value > 511)
        return false;
    *pixel = sampleLimit(int(value));
    return true;
}
