#include "EntropyStream.h"

#include "ForEachPart.h"

#include <algorithm>
#include <cstring>

namespace {

// What a stretch of scan data holds: its bytes once unstuffed, the restart markers in
// it and the marker that ends the data, if it is in this stretch.
struct Part
{
    size_t begin = 0;
    size_t end = 0;
    size_t bytes = 0;
    std::vector<std::pair<size_t, uint8_t>> restarts; // unstuffed offset, marker
    int endMarker = -1;
};

// Reads `part` of `data`, writing the unstuffed bytes to `out` when it is given. The
// part must not start right after an 0xFF byte, so a marker never straddles two parts.
void readPart(const uint8_t* data, size_t size, Part& part, uint8_t* out)
{
    size_t at = part.begin;
    size_t written = 0;
    part.restarts.clear();
    while (at < part.end) {
        const void* found = std::memchr(data + at, 0xFF, part.end - at);
        const size_t marker = found ? size_t(static_cast<const uint8_t*>(found) - data) : part.end;
        if (out)
            std::memcpy(out + written, data + at, marker - at);
        written += marker - at;
        if (marker == part.end)
            break;
        at = marker + 1;
        // Fill bytes before a marker.
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            break; // no end marker
        const uint8_t code = data[at++];
        if (code == 0x00) {
            if (out)
                out[written] = 0xFF;
            ++written;
        } else if (code >= 0xD0 && code <= 0xD7) {
            part.restarts.emplace_back(written, code);
        } else {
            part.endMarker = code;
            break;
        }
    }
    part.bytes = written;
}

} // namespace

bool EntropyStream::prepare(const QByteArray& file, int start, int restartInterval, int threads, size_t partBytes)
{
    const auto* data = reinterpret_cast<const uint8_t*>(file.constData());
    const size_t size = size_t(file.size());
    const size_t first = size_t(start);
    const size_t count = std::clamp<size_t>((size - first) / std::max<size_t>(1, partBytes), 1, size_t(std::max(1, threads)));
    std::vector<Part> parts(count);
    for (size_t i = 0; i < count; ++i) {
        size_t begin = first + (size - first) * i / count;
        while (i > 0 && begin < size && data[begin - 1] == 0xFF)
            ++begin;
        parts[i].begin = std::max(begin, i > 0 ? parts[i - 1].begin : first);
    }
    for (size_t i = 0; i < count; ++i)
        parts[i].end = i + 1 < count ? parts[i + 1].begin : size;

    forEachPart(int(count), threads, [&](int i) { readPart(data, size, parts[size_t(i)], nullptr); });

    // The parts up to the one holding the end marker, with their restart markers in order.
    segments.assign(1, 0);
    size_t used = 0;
    size_t bytesBefore = 0;
    int nextRestart = 0;
    std::vector<size_t> offsets(count);
    for (; used < count; ++used) {
        const Part& part = parts[used];
        offsets[used] = bytesBefore;
        for (const auto& [offset, code] : part.restarts) {
            if (restartInterval == 0 || code != 0xD0 + nextRestart)
                return false;
            nextRestart = (nextRestart + 1) & 7;
            segments.push_back(uint64_t(bytesBefore + offset) * 8);
        }
        bytesBefore += part.bytes;
        if (part.endMarker >= 0)
            break;
    }
    if (used == count || parts[used].endMarker != 0xD9)
        return false;
    dataBytes = bytesBefore;

    // Zeros after the data, whatever the parts write.
    if (!bytes.allocate(dataBytes + padBytes))
        return false;
    std::memset(bytes.get() + dataBytes, 0, padBytes);
    forEachPart(int(used + 1), threads, [&](int i) { readPart(data, size, parts[size_t(i)], bytes.get() + offsets[size_t(i)]); });
    return true;
}
