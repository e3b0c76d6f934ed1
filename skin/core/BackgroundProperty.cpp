#include "BackgroundProperty.h"

BackgroundProperty::BackgroundProperty(const BackgroundPainter& painter)
    : BackgroundProperty(painter, painter, painter, painter, painter)
{
}

BackgroundProperty::BackgroundProperty(const BackgroundPainter& normal, const BackgroundPainter& selected,
                                       const BackgroundPainter& hover, const BackgroundPainter& selectedHover,
                                       const BackgroundPainter& disabled)
    : m_painters{normal, selected, hover, selectedHover, disabled}
{
}

BackgroundPainter BackgroundProperty::operator[](State state) const
{
    return isState(state) ? m_painters[state] : BackgroundPainter();
}

QDataStream& operator<<(QDataStream& stream, const BackgroundProperty& property)
{
    for (const BackgroundPainter& painter : property.m_painters)
        stream << painter;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, BackgroundProperty& property)
{
    BackgroundProperty read;
    for (BackgroundPainter& painter : read.m_painters) {
        stream >> painter;
        if (stream.status() != QDataStream::Ok)
            break;
    }
    property = stream.status() == QDataStream::Ok ? read : BackgroundProperty();
    return stream;
}
