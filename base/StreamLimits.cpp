#include "StreamLimits.h"

#include <QIODevice>

qint64 bytesLeft(const QDataStream& stream)
{
    return stream.device() ? stream.device()->bytesAvailable() : 0;
}

void markCorrupt(QDataStream& stream)
{
    // setStatus keeps the first failure; a transaction would also roll back on it.
    stream.setStatus(QDataStream::ReadCorruptData);
}

bool readCount(QDataStream& stream, int minElementBytes, int* count)
{
    *count = 0;
    quint32 raw = 0;
    stream >> raw;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (raw > quint32(std::numeric_limits<qint32>::max())
        || qint64(raw) * qMax(1, minElementBytes) > bytesLeft(stream)) {
        markCorrupt(stream);
        return false;
    }
    *count = int(raw);
    return true;
}
