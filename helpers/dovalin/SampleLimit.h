#pragma once

#include <cstdint>

// A value shifted right by `bits`, rounded half up, as the decoder descales.
inline int64_t descaled(int64_t value, int bits)
{
    return (value + (int64_t(1) << (bits - 1))) >> bits;
}

// A sample after a JPEG decoder's inverse transform: the value centred on zero wraps
// modulo 1024 as a signed 10-bit number, then moves up by 128 and is clamped to
// 0..255, as the decoder's table does.
inline uint8_t sampleLimit(int value)
{
    const int wrapped = ((value & 1023) ^ 512) - 512;
    const int sample = wrapped + 128;
    return uint8_t(sample < 0 ? 0 : sample > 255 ? 255 : sample);
}
