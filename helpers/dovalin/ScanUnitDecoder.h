#pragma once

#include "EntropyStream.h"
#include "HuffmanTable.h"

#include <array>
#include <cstdint>

class JpegHeader;

// Decodes the units (MCUs) of a scan for an eighth-scale picture: the DC difference
// of every block, and for the chroma blocks that a 2x2 reduced transform turns into
// four pixels (4:2:0) the four terms of their AC coefficients. Other AC coefficients
// are skipped without their values. Holds no state between units but the position,
// so a unit can be decoded from any bit.
class ScanUnitDecoder
{
public:
    // Terms of the reduced transform per block that has them.
    static constexpr int termsPerBlock = 4;

    explicit ScanUnitDecoder(const JpegHeader& header);

    int blocksPerUnit() const { return blocks; }
    int keptBlocksPerUnit() const { return keptBlocks; }
    // The component of a unit's block.
    int componentOf(int block) const { return component[block]; }

    // Decodes the unit starting at bit `position` of `stream`, moves `position` past it,
    // writes blocksPerUnit() DC differences (16 bits hold every one a code can give)
    // to `dc` and keptBlocksPerUnit() x termsPerBlock terms to `terms`. False on a bit
    // pattern that is no code.
    bool decode(const EntropyStream& stream, uint64_t& position, int16_t* dc, int32_t* terms) const;

private:
    static constexpr int mostBlocks = 6;
    int blocks = 0;
    int keptBlocks = 0;
    const HuffmanTable* dcTable[mostBlocks] = {};
    const HuffmanTable* acTable[mostBlocks] = {};
    int component[mostBlocks] = {};
    bool keepsAc[mostBlocks] = {};
    const std::array<uint16_t, 64>* quant[mostBlocks] = {};
};
