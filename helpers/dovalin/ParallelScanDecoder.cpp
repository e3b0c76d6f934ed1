#include "ParallelScanDecoder.h"

#include "EntropyStream.h"
#include "ForEachPart.h"
#include "JpegHeader.h"
#include "RecordArena.h"
#include "ScanUnitDecoder.h"

#include <algorithm>

// Units decoded one after another from `begin`.
struct ParallelScanDecoder::Run
{
    explicit Run(RecordArena* arena)
        : starts(RecordAllocator<uint32_t>(arena))
        , dc(RecordAllocator<int16_t>(arena))
        , terms(RecordAllocator<int32_t>(arena))
    {
    }

    uint64_t begin = 0;
    uint64_t end = 0; // after the last unit
    std::vector<uint32_t, RecordAllocator<uint32_t>> starts;
    std::vector<int16_t, RecordAllocator<int16_t>> dc;
    std::vector<int32_t, RecordAllocator<int32_t>> terms;
    bool failed = false; // stopped at a bit pattern that is no code, or past the bounds
    size_t allowance = 0; // units it may still decode before it asks for more
    // For a run that goes on past its chunk: the chunk and unit where it met that
    // chunk's own decoding, or whether it stopped at the end of its reach unmet.
    bool met = false;
    bool stopped = false;
    size_t metChunk = 0;
    size_t metIndex = 0;
};

ParallelScanDecoder::ParallelScanDecoder(const JpegHeader& header, const EntropyStream& stream,
                                         const ScanUnitDecoder& units)
    : header(header)
    , stream(stream)
    , units(units)
    , unitCount(size_t(header.mcusAcross()) * size_t(header.mcusDown()))
    , dcPerUnit(size_t(units.blocksPerUnit()))
    , termsPerUnit(size_t(units.keptBlocksPerUnit()) * ScanUnitDecoder::termsPerBlock)
{
}

namespace {

constexpr uint64_t chunksPerThread = 4;
// A run goes on through this many chunks past its own to meet one's decoding; real data
// meets within a few units.
constexpr size_t reachChunks = 1;
// Units a run takes from the shared allowance at a time.
constexpr size_t allowanceStep = 256;
// The chunks and the runs past them decode the scan about once for real data; chunks
// decoded off the grid may find more units than there are, and each run decodes at
// most the next chunk again.
constexpr uint64_t mostDecodesPerUnit = 2 + reachChunks;

} // namespace

uint64_t ParallelScanDecoder::finalBytesPerUnit() const
{
    return uint64_t(dcPerUnit) * sizeof(int16_t) + uint64_t(termsPerUnit) * sizeof(int32_t);
}

uint64_t ParallelScanDecoder::runBytesPerUnit() const
{
    return 4 + finalBytesPerUnit();
}

uint64_t ParallelScanDecoder::leastRecordBytes() const
{
    // The DC values and terms of every unit; without restart markers, a run's record of
    // each at the least.
    const uint64_t perUnit = finalBytesPerUnit() + (header.restartInterval > 0 ? 0 : runBytesPerUnit());
    return uint64_t(unitCount) * perUnit;
}

bool ParallelScanDecoder::decode(int threads, uint64_t chunkBits, uint64_t recordBytes)
{
    if (leastRecordBytes() > recordBytes)
        return false;
    const uint64_t finalBytes = uint64_t(unitCount) * finalBytesPerUnit();
    held = finalBytes;
    capacityLeft = int64_t((recordBytes - finalBytes) / runBytesPerUnit());
    // Every block takes at least two bits (its DC and end-of-block codes): data too
    // short for the units ends early, which the image reader reports its own way.
    if (uint64_t(unitCount) * uint64_t(dcPerUnit) * 2 > stream.bitCount())
        return false;
    // Every value is written before it is read.
    if (!dc.allocate(unitCount * dcPerUnit) || !terms.allocate(unitCount * termsPerUnit))
        return false;
    const bool done = header.restartInterval > 0 ? decodeIntervals(threads) : decodeChunks(threads, chunkBits);
    if (!done)
        return false;
    sumPredictions();
    return true;
}

bool ParallelScanDecoder::decodeIntervals(int threads)
{
    const size_t interval = size_t(header.restartInterval);
    const std::vector<uint64_t>& segments = stream.segmentStarts();
    if (segments.size() != (unitCount + interval - 1) / interval)
        return false;
    const int parts = int(std::min<size_t>(segments.size(), size_t(std::max(1, threads))));
    std::vector<char> partFailed(size_t(parts), 0);
    forEachPart(parts, parts, [&](int part) {
        const size_t first = segments.size() * size_t(part) / size_t(parts);
        const size_t last = segments.size() * size_t(part + 1) / size_t(parts);
        for (size_t segment = first; segment < last; ++segment) {
            uint64_t position = segments[segment];
            const uint64_t segmentEnd = stream.segmentEnd(segment);
            const size_t unitEnd = std::min(unitCount, (segment + 1) * interval);
            for (size_t unit = segment * interval; unit < unitEnd; ++unit) {
                // A unit read from past its interval's data would read on past the
                // padding: an interval cut short is damaged.
                if (position > segmentEnd || !decodeInPlace(unit, position)) {
                    partFailed[size_t(part)] = 1;
                    return;
                }
            }
            if (position > segmentEnd) {
                partFailed[size_t(part)] = 1;
                return;
            }
        }
    });
    return std::find(partFailed.begin(), partFailed.end(), 1) == partFailed.end();
}

bool ParallelScanDecoder::decodeChunks(int threads, uint64_t chunkBits)
{
    const uint64_t bits = stream.bitCount();
    // A few chunks per thread, taken as threads come free, so that a thread slowed
    // down does not hold the others up.
    const int workers = std::max(1, threads);
    const size_t count = size_t(std::clamp<uint64_t>(bits / chunkBits, 1, uint64_t(workers) * chunksPerThread));
    decodesLeft = int64_t(mostDecodesPerUnit * unitCount + count * 2 * allowanceStep);
    // Room for the units a chunk holds on average, and some.
    const size_t expected = unitCount / count + unitCount / count / 4 + 16;
    // The chunks' first room in one block, as far as the bound allows.
    RecordArena arena;
    const uint64_t arenaUnits = std::min<uint64_t>(uint64_t(count) * std::min(expected, unitCount),
                                                   uint64_t(std::max<int64_t>(0, capacityLeft)));
    if (arena.allocate(size_t(arenaUnits * runBytesPerUnit() + count * 3 * alignof(std::max_align_t))))
        records = &arena;
    std::vector<Run> chunks;
    std::vector<Run> extensions;
    chunks.reserve(count);
    extensions.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        chunks.emplace_back(records);
        extensions.emplace_back(records);
    }
    for (size_t i = 0; i < count; ++i)
        chunks[i].begin = bits * i / count / 8 * 8;
    forEachPart(int(count), workers, [&](int part) {
        const size_t i = size_t(part);
        const uint64_t end = i + 1 < count ? chunks[i + 1].begin : bits;
        if (reserve(chunks[i], expected))
            decodeRun(chunks[i], end);
        else
            chunks[i].failed = true;
    });
    forEachPart(int(count) - 1, workers, [&](int part) {
        const size_t i = size_t(part);
        if (chunks[i].failed)
            return;
        extensions[i].begin = chunks[i].end;
        const size_t reach = i + 1 + reachChunks;
        extendRun(extensions[i], chunks, i + 1, reach < count ? chunks[reach].begin : bits);
    });
    // Past a bound the data is no scan the threads can share: the image reader takes it.
    const bool joined = !pastBounds && join(chunks, extensions, workers);
    records = nullptr;
    return joined;
}

bool ParallelScanDecoder::reserve(Run& run, size_t capacity)
{
    const size_t present = run.starts.capacity();
    capacity = std::min(capacity, unitCount);
    if (capacity <= present)
        return true;
    // Room left behind in the arena is not given back: the new room counts whole.
    const bool leavesArena = records && records->holds(run.starts.data());
    const int64_t more = int64_t(capacity - (leavesArena ? 0 : present));
    if (pastBounds || capacityLeft.fetch_sub(more) < more) {
        pastBounds = true;
        return false;
    }
    this->held += uint64_t(more) * runBytesPerUnit();
    run.starts.reserve(capacity);
    run.dc.reserve(capacity * dcPerUnit);
    run.terms.reserve(capacity * termsPerUnit);
    return true;
}

bool ParallelScanDecoder::allow(Run& run)
{
    if (run.allowance == 0) {
        if (pastBounds || decodesLeft.fetch_sub(int64_t(allowanceStep)) < int64_t(allowanceStep)) {
            pastBounds = true;
            return false;
        }
        run.allowance = allowanceStep;
        decoded += allowanceStep;
    }
    --run.allowance;
    const size_t size = run.starts.size();
    return size < run.starts.capacity() || reserve(run, std::max<size_t>(64, size * 2));
}

bool ParallelScanDecoder::decodeUnit(Run& run, uint64_t& position)
{
    if (!allow(run)) {
        run.failed = true;
        return false;
    }
    const size_t before = run.starts.size();
    run.dc.resize((before + 1) * dcPerUnit);
    run.terms.resize((before + 1) * termsPerUnit);
    if (!units.decode(stream, position, run.dc.data() + before * dcPerUnit, run.terms.data() + before * termsPerUnit)) {
        run.dc.resize(before * dcPerUnit);
        run.terms.resize(before * termsPerUnit);
        run.failed = true;
        return false;
    }
    run.starts.push_back(uint32_t(run.end));
    run.end = position;
    return true;
}

bool ParallelScanDecoder::decodeInPlace(size_t unit, uint64_t& position) const
{
    return units.decode(stream, position, dc.get() + unit * dcPerUnit, terms.get() + unit * termsPerUnit);
}

void ParallelScanDecoder::decodeRun(Run& run, uint64_t end)
{
    uint64_t position = run.end = run.begin;
    while (position < end && run.starts.size() < unitCount && decodeUnit(run, position)) {
    }
}

bool ParallelScanDecoder::meets(const std::vector<Run>& chunks, uint64_t position, size_t& chunk, size_t& index) const
{
    // The first unit start of a later chunk at or after this position.
    while (chunk < chunks.size()) {
        const auto& starts = chunks[chunk].starts;
        while (index < starts.size() && starts[index] < position)
            ++index;
        if (index < starts.size())
            break;
        ++chunk;
        index = 0;
    }
    return chunk < chunks.size() && chunks[chunk].starts[index] == position;
}

void ParallelScanDecoder::extendRun(Run& run, const std::vector<Run>& chunks, size_t next, uint64_t reach)
{
    uint64_t position = run.end = run.begin;
    size_t chunk = next;
    size_t index = 0;
    while (run.starts.size() < unitCount) {
        if (meets(chunks, position, chunk, index)) {
            run.met = true;
            run.metChunk = chunk;
            run.metIndex = index;
            break;
        }
        if (position >= reach && position < stream.bitCount()) {
            run.stopped = true;
            break;
        }
        if (position >= stream.bitCount() || !decodeUnit(run, position))
            break;
    }
}

bool ParallelScanDecoder::decodeTail(const std::vector<Run>& chunks, uint64_t& position, size_t& unit, size_t& chunk,
                                     size_t& index)
{
    for (; unit < unitCount; ++unit, ++decoded) {
        if (meets(chunks, position, chunk, index))
            return true;
        if (position >= stream.bitCount() || !decodeInPlace(unit, position))
            return false;
    }
    return true;
}

bool ParallelScanDecoder::join(const std::vector<Run>& chunks, const std::vector<Run>& extensions, int threads)
{
    // The stretches of runs that make up the scan, in order.
    struct Piece
    {
        const Run* run;
        size_t from;
        size_t count;
        size_t unit;
    };
    std::vector<Piece> pieces;
    size_t unit = 0;
    size_t chunk = 0;
    size_t from = 0;
    // Where the last unit ends.
    uint64_t end = 0;
    const auto take = [&](const Run& run, size_t first) {
        const size_t count = std::min(run.starts.size() - first, unitCount - unit);
        pieces.push_back({&run, first, count, unit});
        unit += count;
        if (unit == unitCount)
            end = first + count < run.starts.size() ? run.starts[first + count] : run.end;
        return unit == unitCount;
    };
    for (;;) {
        const Run& own = chunks[chunk];
        if (take(own, from))
            break;
        if (own.failed || chunk + 1 == chunks.size())
            return false;
        const Run& extension = extensions[chunk];
        // From the next chunk's start to where the runs meet, both decoded the bits.
        const uint64_t nextBegin = chunks[chunk + 1].begin;
        if (extension.met) {
            overlap += chunks[extension.metChunk].starts[extension.metIndex] - nextBegin;
            if (take(extension, 0))
                break;
            chunk = extension.metChunk;
            from = extension.metIndex;
            continue;
        }
        if (take(extension, 0)) {
            overlap += extension.end - nextBegin;
            break;
        }
        // Damaged data, or the end of it.
        if (!extension.stopped)
            return false;
        // Nothing met within the runs' reach: the rest is decoded here, straight into
        // the scan's values, until it meets a chunk's decoding.
        uint64_t position = extension.end;
        size_t metChunk = chunk + 1;
        size_t metIndex = 0;
        if (!decodeTail(chunks, position, unit, metChunk, metIndex))
            return false;
        overlap += position - nextBegin;
        if (unit == unitCount) {
            end = position;
            break;
        }
        chunk = metChunk;
        from = metIndex;
    }
    if (end > stream.bitCount())
        return false;

    forEachPart(int(pieces.size()), threads, [&](int i) {
        const Piece& piece = pieces[size_t(i)];
        std::copy_n(piece.run->dc.data() + piece.from * dcPerUnit, piece.count * dcPerUnit,
                    dc.get() + piece.unit * dcPerUnit);
        std::copy_n(piece.run->terms.data() + piece.from * termsPerUnit, piece.count * termsPerUnit,
                    terms.get() + piece.unit * termsPerUnit);
    });
    return true;
}

void ParallelScanDecoder::sumPredictions()
{
    const size_t interval = size_t(header.restartInterval);
    // The decoder's predictor is a wrapping 32-bit sum of which each value keeps the
    // low 16 bits: the same as a wrapping 16-bit sum.
    uint16_t prediction[JpegHeader::mostComponents] = {};
    for (size_t unit = 0; unit < unitCount; ++unit) {
        if (interval && unit % interval == 0)
            std::fill(std::begin(prediction), std::end(prediction), uint16_t(0));
        int16_t* values = dc.get() + unit * dcPerUnit;
        for (size_t b = 0; b < dcPerUnit; ++b) {
            uint16_t& predicted = prediction[units.componentOf(int(b))];
            predicted = uint16_t(predicted + uint16_t(values[b]));
            values[b] = int16_t(predicted);
        }
    }
}
