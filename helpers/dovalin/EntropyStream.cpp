#include "EntropyStream.h"

bool EntropyStream::prepare(const QByteArray& file, int start, int restartInterval)
{
    const auto* data = reinterpret_cast<const uint8_t*>(file.constData());
    const size_t size = size_t(file.size());
    bytes.assign(size - size_t(start) + padBytes, 0);
    segments.assign(1, 0);
    size_t out = 0;
    size_t at = size_t(start);
    int nextRestart = 0;
    for (;;) {
        const void* found = std::memchr(data + at, 0xFF, size - at);
        const size_t marker = found ? size_t(static_cast<const uint8_t*>(found) - data) : size;
        std::memcpy(bytes.data() + out, data + at, marker - at);
        out += marker - at;
        if (marker + 1 >= size)
            return false; // no end marker
        at = marker + 1;
        // Fill bytes before a marker.
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            return false;
        const uint8_t code = data[at++];
        if (code == 0x00) {
            bytes[out++] = 0xFF;
            continue;
        }
        if (code >= 0xD0 && code <= 0xD7) {
            if (restartInterval == 0 || code != 0xD0 + nextRestart)
                return false;
            nextRestart = (nextRestart + 1) & 7;
            segments.push_back(uint64_t(out) * 8);
            continue;
        }
        dataBytes = out;
        bytes.resize(out + padBytes);
        return code == 0xD9;
    }
}
