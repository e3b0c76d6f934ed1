#pragma once

#include "HugePageMemory.h"

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <vector>

// The entropy-coded data of a scan as plain bits: the stuffed zero bytes after 0xFF
// removed, restart markers taken out and their places kept. Ends at the first other
// marker, which must be the end of the image.
class EntropyStream
{
public:
    // Reads the scan data starting at `start` of `file`. False when it does not end
    // in the end-of-image marker, when a restart marker is out of order, or when
    // `restartInterval` is 0 and the data holds restart markers anyway. The data is read
    // in parts of at least `partBytes` on at most `threads` threads.
    bool prepare(const QByteArray& file, int start, int restartInterval, int threads, size_t partBytes);

    // The next 57 or more bits from bit `position` at the top of the word. Reading up
    // to `padBytes` beyond the end is safe (zeros).
    uint64_t peek(uint64_t position) const
    {
        // The data is big-endian whatever the machine; the read needs no alignment.
        return qFromBigEndian<quint64>(bytes.get() + (position >> 3)) << (position & 7);
    }

    // The bits of data (without padding).
    uint64_t bitCount() const { return uint64_t(dataBytes) * 8; }
    // Where each restart interval starts, in bits; the first is 0.
    const std::vector<uint64_t>& segmentStarts() const { return segments; }
    // The end of segment `index`, in bits.
    uint64_t segmentEnd(size_t index) const { return index + 1 < segments.size() ? segments[index + 1] : bitCount(); }

    // Zero bytes after the data: more than the bits one unit of a scan can take.
    static constexpr size_t padBytes = 8192;

private:
    HugePageArray<uint8_t> bytes;
    std::vector<uint64_t> segments;
    size_t dataBytes = 0;
};
