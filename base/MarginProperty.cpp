#include "MarginProperty.h"

MarginProperty::MarginProperty(double margin)
    : MarginProperty(margin, margin, margin, margin)
{
}

MarginProperty::MarginProperty(double top, double right, double bottom, double left)
    : m_margins{top, right, bottom, left}
{
}

double MarginProperty::operator[](Type type) const
{
    return type >= Top && type <= Left ? m_margins[type] : 0.0;
}

QDataStream& operator<<(QDataStream& stream, const MarginProperty& property)
{
    for (double margin : property.m_margins)
        stream << margin;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, MarginProperty& property)
{
    MarginProperty read;
    for (double& margin : read.m_margins)
        stream >> margin;
    property = stream.status() == QDataStream::Ok ? read : MarginProperty();
    return stream;
}
