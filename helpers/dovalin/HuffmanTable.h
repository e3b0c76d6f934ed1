#pragma once

#include <cstdint>

// One Huffman table of a JPEG scan with lookahead tables, so that most codes take one
// lookup. Decodes from 64-bit words whose top bits are the next bits of the stream
// (see EntropyStream::peek).
class HuffmanTable
{
public:
    static constexpr int lookBits = 10;

    // Builds the table from the counts of codes of each length 1..16 and the symbols
    // in code order; false for a table a JPEG decoder refuses (too many codes, or a
    // DC size above 15).
    bool build(const uint8_t counts[16], const uint8_t* symbols, int symbolCount, bool isDc);

    // The symbol whose code starts `bits`, and its code length in `length`; -1 for a
    // bit pattern that is no code.
    int decode(uint64_t bits, int* length) const
    {
        const uint16_t entry = fast[bits >> (64 - lookBits)];
        if (entry) {
            *length = entry >> 8;
            return entry & 0xFF;
        }
        return decodeLong(bits, length);
    }

    // For skipping an AC coefficient whose value is not needed: a non-zero entry holds
    // the bits of code and value together (bits 0-5), how far the coefficient index
    // moves (bits 6-10) and, in bit 15, that the block ends here. Zero: decode() it.
    uint16_t skipEntry(uint64_t bits) const { return skip[bits >> (64 - lookBits)]; }

    static constexpr uint16_t endsBlock = 0x8000;

private:
    int decodeLong(uint64_t bits, int* length) const;

    uint16_t fast[1 << lookBits] = {};
    uint16_t skip[1 << lookBits] = {};
    // Canonical decoding of codes longer than the lookahead: the largest code of each
    // length (-1 for none) and where its symbols start.
    int32_t maxCode[17] = {};
    int32_t valueOffset[17] = {};
    uint8_t values[256] = {};
};
