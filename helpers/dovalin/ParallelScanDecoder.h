#pragma once

#include "HugePageMemory.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class EntropyStream;
class JpegHeader;
class RecordArena;
class ScanUnitDecoder;

// Decodes every unit of a scan on several threads. With restart markers the intervals
// are independent and are shared out. Without, the data is cut into chunks; each
// thread decodes its chunk from the chunk's first bit as if a unit started there,
// keeping where each unit starts, then goes on into the next chunk until it stands at a
// unit start that chunk also found: from there the two decoded the same. The
// chunks are joined along these meeting points. Where a run meets none within its
// reach, the joining thread decodes on from its end alone until it meets one, so data
// that never lines up costs one more pass, not one per chunk, and the result never
// depends on the threads. The records of the units are held within a given number of
// bytes.
class ParallelScanDecoder
{
public:
    ParallelScanDecoder(const JpegHeader& header, const EntropyStream& stream, const ScanUnitDecoder& units);

    // The bytes of the records below which decode() gives up at once.
    uint64_t leastRecordBytes() const;

    // Decodes with at most `threads` threads, in chunks of at least `chunkBits` where
    // there are no restart markers, holding records of at most `recordBytes`. False
    // when the data is damaged (a bit pattern that is no code, too few units, units past
    // a restart marker or past the end of the data) or goes past the bounds.
    bool decode(int threads, uint64_t chunkBits, uint64_t recordBytes);

    // The DC value of each block, unit after unit, as the decoder keeps it (16 bits).
    const int16_t* dcValues() const { return dc.get(); }
    // The reduced transform's terms of the blocks that have them, unit after unit.
    const int32_t* reducedTerms() const { return terms.get(); }
    // Bits decoded twice to find the meeting points, over all chunks.
    uint64_t overlapBits() const { return overlap; }
    // Units decoded, those of the runs in steps of a few hundred, and the most bytes
    // the records held.
    uint64_t decodedUnits() const { return decoded; }
    uint64_t heldBytes() const { return held; }

private:
    struct Run;

    uint64_t finalBytesPerUnit() const;
    uint64_t runBytesPerUnit() const;
    // Room for `capacity` units in the run, within the bytes left; false past them.
    bool reserve(Run& run, size_t capacity);
    // Leave and room for one more unit in the run; false past the bounds.
    bool allow(Run& run);
    bool decodeIntervals(int threads);
    bool decodeChunks(int threads, uint64_t chunkBits);
    bool decodeUnit(Run& run, uint64_t& position);
    // Decodes unit `unit` from `position` straight into the scan's values.
    bool decodeInPlace(size_t unit, uint64_t& position) const;
    void decodeRun(Run& run, uint64_t end);
    // True when a chunk from `chunk` on found a unit start at `position`, where
    // `chunk` and `index` then stand; positions asked for never go back.
    bool meets(const std::vector<Run>& chunks, uint64_t position, size_t& chunk, size_t& index) const;
    // Decodes on from `begin` into the chunks from `next` on, to where it meets one's
    // decoding, stopping unmet at bit `reach`.
    void extendRun(Run& run, const std::vector<Run>& chunks, size_t next, uint64_t reach);
    // Decodes unit `unit` on from `position` on this thread, straight into the scan's
    // values, until the scan is whole or it meets a chunk's decoding (from `chunk` on,
    // which it then names with `index`); false for damaged data.
    bool decodeTail(const std::vector<Run>& chunks, uint64_t& position, size_t& unit, size_t& chunk, size_t& index);
    bool join(const std::vector<Run>& chunks, const std::vector<Run>& extensions, int threads);
    void sumPredictions();

    const JpegHeader& header;
    const EntropyStream& stream;
    const ScanUnitDecoder& units;
    const size_t unitCount;
    // The values a unit leaves: a DC difference per block, the terms of its kept blocks.
    const size_t dcPerUnit;
    const size_t termsPerUnit;
    HugePageArray<int16_t> dc;
    HugePageArray<int32_t> terms;
    // Where the runs' records take their room while the chunks are decoded.
    RecordArena* records = nullptr;
    uint64_t overlap = 0;
    std::atomic<int64_t> capacityLeft{0};
    std::atomic<int64_t> decodesLeft{0};
    std::atomic<bool> pastBounds{false};
    std::atomic<uint64_t> decoded{0};
    std::atomic<uint64_t> held{0};
};
