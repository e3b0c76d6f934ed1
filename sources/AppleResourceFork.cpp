#include "AppleResourceFork.h"

#include "BigEndianBytes.h"

namespace {

constexpr quint64 APPLE_SINGLE_MAGIC = 0x00051600;
constexpr quint64 APPLE_DOUBLE_MAGIC = 0x00051607;
constexpr quint64 ENTRY_COUNT_AT = 24;
constexpr quint64 ENTRIES_AT = 26;
constexpr quint64 ENTRY_BYTES = 12;
constexpr quint64 RESOURCE_FORK_ENTRY = 2;

constexpr quint64 FORK_HEADER_BYTES = 16;
constexpr quint64 MAP_TYPE_LIST_OFFSET_AT = 24; // inside the map
constexpr quint64 MAP_HEADER_BYTES = 28;
constexpr quint64 TYPE_ENTRY_BYTES = 8;
constexpr quint64 REFERENCE_BYTES = 12;

// True when [at, at + length) lies inside [begin, end).
bool inside(quint64 at, quint64 length, quint64 begin, quint64 end)
{
    return at >= begin && at <= end && length <= end - at;
}

} // namespace

bool AppleResourceFork::isAppleDouble(const QByteArray& file)
{
    const auto magic = readBigEndian(file, 0, 4);
    return magic && (*magic == APPLE_DOUBLE_MAGIC || *magic == APPLE_SINGLE_MAGIC);
}

AppleResourceFork AppleResourceFork::fromAppleDouble(const QByteArray& file)
{
    AppleResourceFork result;
    if (!isAppleDouble(file)) {
        result.fail(QStringLiteral("not an AppleDouble or AppleSingle file"));
        return result;
    }
    const auto count = readBigEndian(file, ENTRY_COUNT_AT, 2);
    if (!count) {
        result.fail(QStringLiteral("damaged AppleDouble header"));
        return result;
    }
    for (quint64 i = 0; i < *count; ++i) {
        const quint64 entry = ENTRIES_AT + i * ENTRY_BYTES;
        const auto id = readBigEndian(file, entry, 4);
        const auto offset = readBigEndian(file, entry + 4, 4);
        const auto length = readBigEndian(file, entry + 8, 4);
        if (!id || !offset || !length) {
            result.fail(QStringLiteral("AppleDouble entry %1 lies past the end").arg(i));
            return result;
        }
        if (*id != RESOURCE_FORK_ENTRY)
            continue;
        if (!inside(*offset, *length, 0, quint64(file.size()))) {
            result.fail(QStringLiteral("resource fork lies past the end"));
            return result;
        }
        result.fork = file.mid(int(*offset), int(*length));
        result.valid = result.readMap();
        return result;
    }
    result.fail(QStringLiteral("no resource fork"));
    return result;
}

bool AppleResourceFork::fail(const QString& reason)
{
    why = reason;
    return false;
}

bool AppleResourceFork::readMap()
{
    const auto size = quint64(fork.size());
    const auto data = readBigEndian(fork, 0, 4);
    const auto map = readBigEndian(fork, 4, 4);
    const auto dataBytes = readBigEndian(fork, 8, 4);
    const auto mapBytes = readBigEndian(fork, 12, 4);
    if (!data || !map || !dataBytes || !mapBytes)
        return fail(QStringLiteral("resource fork header cut short"));
    dataAt = *data;
    mapAt = *map;
    dataLength = *dataBytes;
    mapLength = *mapBytes;
    if (!inside(dataAt, dataLength, FORK_HEADER_BYTES, size) || !inside(mapAt, mapLength, FORK_HEADER_BYTES, size)
        || mapLength < MAP_HEADER_BYTES + 2)
        return fail(QStringLiteral("resource data or map lies past the end"));
    const auto typeListOffset = readBigEndian(fork, mapAt + MAP_TYPE_LIST_OFFSET_AT, 2);
    typeListAt = mapAt + *typeListOffset;
    if (!inside(typeListAt, 2, mapAt, mapAt + mapLength))
        return fail(QStringLiteral("resource type list lies past the map"));
    return true;
}

std::optional<QByteArray> AppleResourceFork::resource(const char (&type)[5]) const
{
    if (!valid)
        return std::nullopt;
    const quint64 mapEnd = mapAt + mapLength;
    // The list stores the number of types less one: 0xFFFF for none.
    const quint64 types = (*readBigEndian(fork, typeListAt, 2) + 1) & 0xFFFF;
    for (quint64 i = 0; i < types; ++i) {
        const quint64 entry = typeListAt + 2 + i * TYPE_ENTRY_BYTES;
        if (!inside(entry, TYPE_ENTRY_BYTES, mapAt, mapEnd))
            return std::nullopt;
        if (fork.mid(int(entry), 4) != QByteArray(type, 4))
            continue;
        const quint64 reference = typeListAt + *readBigEndian(fork, entry + 6, 2);
        if (!inside(reference, REFERENCE_BYTES, mapAt, mapEnd))
            return std::nullopt;
        const quint64 offset = *readBigEndian(fork, reference + 5, 3);
        const auto length = readBigEndian(fork, dataAt + offset, 4);
        if (offset > dataLength || !length || !inside(offset + 4, *length, 0, dataLength))
            return std::nullopt;
        return fork.mid(int(dataAt + offset + 4), int(*length));
    }
    return std::nullopt;
}
