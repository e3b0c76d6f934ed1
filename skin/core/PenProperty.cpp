#include "PenProperty.h"

#include "BoundedStreamReaders.h"

PenProperty::PenProperty(const QPen& pen)
    : PenProperty(pen, pen, pen, pen, pen)
{
}

PenProperty::PenProperty(const QPen& normal, const QPen& selected, const QPen& hover, const QPen& selectedHover,
                         const QPen& disabled)
    : m_pens{normal, selected, hover, selectedHover, disabled}
{
}

QPen PenProperty::operator[](State state) const
{
    return isState(state) ? m_pens[state] : QPen();
}

QDataStream& operator<<(QDataStream& stream, const PenProperty& property)
{
    for (const QPen& pen : property.m_pens)
        stream << pen;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, PenProperty& property)
{
    PenProperty read;
    for (QPen& pen : read.m_pens) {
        if (!readPen(stream, pen))
            break;
    }
    property = stream.status() == QDataStream::Ok ? read : PenProperty();
    return stream;
}
