#include "ScanUnitDecoder.h"

#include "JpegHeader.h"
#include "ReducedBlockTransform.h"

namespace {

// The signed value of `size` extra bits as JPEG codes them.
inline int extend(int bits, int size)
{
    return bits < (1 << (size - 1)) ? bits - (1 << size) + 1 : bits;
}

// The value bits following a code of `length` bits in the peeked word.
inline int valueBits(uint64_t word, int length, int size)
{
    return int((word << length) >> (64 - size));
}

// The stream's next bits held in a register: `word` has `valid` of them at the top,
// refilled before each code so that a code and its value bits (at most 31) are
// always there.
class BitWindow
{
public:
    BitWindow(const EntropyStream& stream, uint64_t position)
        : stream(stream)
        , position(position)
    {
        fill();
    }

    uint64_t bits()
    {
        if (valid < 32)
            fill();
        return word;
    }
    void skip(int count)
    {
        word <<= count;
        valid -= count;
        position += uint64_t(count);
    }
    uint64_t at() const { return position; }

private:
    void fill()
    {
        word = stream.peek(position);
        valid = 64 - int(position & 7);
    }

    const EntropyStream& stream;
    uint64_t position;
    uint64_t word = 0;
    int valid = 0;
};

} // namespace

ScanUnitDecoder::ScanUnitDecoder(const JpegHeader& header)
{
    const bool reduced = header.componentCount == 3 && header.components[0].h == 2 && header.components[0].v == 2;
    for (int c = 0; c < header.componentCount; ++c) {
        const JpegHeader::Component& sampling = header.components[size_t(c)];
        const int count = header.componentCount == 1 ? 1 : sampling.h * sampling.v;
        for (int b = 0; b < count; ++b) {
            dcTable[blocks] = &header.dcTables[size_t(sampling.dcTable)];
            acTable[blocks] = &header.acTables[size_t(sampling.acTable)];
            component[blocks] = c;
            keepsAc[blocks] = reduced && c > 0;
            quant[blocks] = &header.quant[size_t(sampling.quantTable)];
            keptBlocks += keepsAc[blocks] ? 1 : 0;
            ++blocks;
        }
    }
}


bool ScanUnitDecoder::decode(const EntropyStream& stream, uint64_t& position, int16_t* dc, int32_t* terms) const
{
    BitWindow in(stream, position);
    for (int b = 0; b < blocks; ++b) {
        uint64_t word = in.bits();
        int length = 0;
        const int size = dcTable[b]->decode(word, &length);
        if (size < 0)
            return false;
        dc[b] = int16_t(size ? extend(valueBits(word, length, size), size) : 0);
        in.skip(length + size);

        const HuffmanTable& table = *acTable[b];
        if (!keepsAc[b]) {
            for (int k = 1; k < 64;) {
                word = in.bits();
                const uint16_t entry = table.skipEntry(word);
                if (entry) {
                    in.skip(entry & 63);
                    if (entry & HuffmanTable::endsBlock)
                        break;
                    k += (entry >> 6) & 31;
                    continue;
                }
                const int symbol = table.decode(word, &length);
                if (symbol < 0)
                    return false;
                const int run = symbol >> 4;
                const int bits = symbol & 15;
                in.skip(length + bits);
                if (bits)
                    k += run + 1;
                else if (run == 15)
                    k += 16;
                else
                    break;
            }
            continue;
        }

        int16_t ac[ReducedBlockTransform::acCount] = {};
        for (int k = 1; k < 64;) {
            word = in.bits();
            const int symbol = table.decode(word, &length);
            if (symbol < 0)
                return false;
            const int run = symbol >> 4;
            const int bits = symbol & 15;
            if (bits) {
                k += run;
                // A run past the end lands on the last coefficient, as in the decoder.
                const int natural = k < 64 ? JpegHeader::zigzagToNatural[k] : 63;
                const int slot = ReducedBlockTransform::acSlot(natural);
                if (slot >= 0)
                    ac[slot] = int16_t(extend(valueBits(word, length, bits), bits));
                in.skip(length + bits);
                ++k;
            } else {
                in.skip(length);
                if (run != 15)
                    break;
                k += 16;
            }
        }
        ReducedBlockTransform::acTerms(ac, *quant[b], terms);
        terms += termsPerBlock;
    }
    position = in.at();
    return true;
}
