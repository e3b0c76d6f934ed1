#include "HuffmanTable.h"

bool HuffmanTable::build(const uint8_t counts[16], const uint8_t* symbols, int symbolCount, bool isDc)
{
    int total = 0;
    for (int i = 0; i < 16; ++i)
        total += counts[i];
    if (total > 256 || total > symbolCount)
        return false;
    for (int i = 0; i < total; ++i) {
        values[i] = symbols[i];
        if (isDc && symbols[i] > 15)
            return false;
    }

    for (uint16_t& entry : fast)
        entry = 0;
    for (uint16_t& entry : skip)
        entry = 0;
    int32_t code = 0;
    int index = 0;
    for (int length = 1; length <= 16; ++length) {
        const int count = counts[length - 1];
        valueOffset[length] = index - code;
        for (int i = 0; i < count; ++i, ++index, ++code) {
            // Codes must fit their length and none may be all ones; checked before a
            // code too large fills lookahead entries past the end of the tables.
            if (code >= (1 << length) - 1)
                return false;
            if (length > lookBits)
                continue;
            const uint8_t symbol = values[index];
            const int run = symbol >> 4;
            const int size = symbol & 15;
            // Every lookahead pattern that starts with this code.
            const int shift = lookBits - length;
            const int first = code << shift;
            uint16_t skipping = uint16_t(length + size);
            if (size)
                skipping |= uint16_t((run + 1) << 6);
            else if (run == 15)
                skipping |= uint16_t(16 << 6);
            else
                skipping |= endsBlock;
            for (int pattern = first; pattern < first + (1 << shift); ++pattern) {
                fast[pattern] = uint16_t(length << 8 | symbol);
                skip[pattern] = skipping;
            }
        }
        maxCode[length] = count ? code - 1 : -1;
        code <<= 1;
    }
    return true;
}

int HuffmanTable::decodeLong(uint64_t bits, int* length) const
{
    for (int l = lookBits + 1; l <= 16; ++l) {
        const int32_t code = int32_t(bits >> (64 - l));
        if (code <= maxCode[l]) {
            *length = l;
            return values[code + valueOffset[l]];
        }
    }
    return -1;
}
