#pragma once

#include "EntropyStream.h"
#include "HuffmanTable.h"

#include <cstdint>

class JpegHeader;

// Decodes the units (MCUs) of a scan for an eighth-scale picture: the DC difference
// of every block, and of the chroma blocks that a 2x2 reduced transform turns into
// four pixels (4:2:0) the AC coefficients that transform reads. Other AC coefficients
// are skipped without their values. Holds no state between units but the position,
// so a unit can be decoded from any bit.
class ScanUnitDecoder
{
public:
    // AC coefficients kept per block that keeps them: those in rows and columns 0, 1,
    // 3, 5 and 7, row by row, the DC term excepted.
    static constexpr int keptCoefficients = 24;

    explicit ScanUnitDecoder(const JpegHeader& header);

    int blocksPerUnit() const { return blocks; }
    int keptBlocksPerUnit() const { return keptBlocks; }

    // Decodes the unit starting at bit `position` of `stream`, moves `position` past it,
    // writes blocksPerUnit() DC differences (16 bits hold
    // every one a code can give) to `dc` and keptBlocksPerUnit() x
    // keptCoefficients values to `ac`. False on a bit pattern that is no code.
    bool decode(const EntropyStream& stream, uint64_t& position, int16_t* dc, int16_t* ac) const;

private:
    static constexpr int mostBlocks = 6;
    int blocks = 0;
    int keptBlocks = 0;
    const HuffmanTable* dcTable[mostBlocks] = {};
    const HuffmanTable* acTable[mostBlocks] = {};
    bool keepsAc[mostBlocks] = {};
};
