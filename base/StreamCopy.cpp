#include "StreamCopy.h"

#include "StreamLimits.h"

StreamCopy::StreamCopy(QDataStream& in)
    : m_in(in)
    , m_out(&m_copy, QIODevice::WriteOnly)
{
    m_out.setVersion(in.version());
    m_out.setByteOrder(in.byteOrder());
    m_out.setFloatingPointPrecision(in.floatingPointPrecision());
}

bool StreamCopy::count(int minElementBytes, int* count)
{
    *count = 0;
    if (!readCount(m_in, minElementBytes, count))
        return false;
    m_out << quint32(*count);
    return true;
}

void StreamCopy::fail()
{
    markCorrupt(m_in);
}

bool StreamCopy::ok() const
{
    return m_in.status() == QDataStream::Ok;
}
