#include "BigEndianBytes.h"

std::optional<quint64> readBigEndian(const QByteArray& bytes, quint64 offset, int size)
{
    const auto length = quint64(bytes.size());
    if (size < 1 || size > 8 || offset > length || quint64(size) > length - offset)
        return std::nullopt;
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes.at(int(offset) + i));
    return value;
}
