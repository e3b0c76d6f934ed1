#include "BackgroundProperty.h"

std::shared_ptr<const BackgroundProperty::Painters> BackgroundProperty::defaultPainters()
{
    static const std::shared_ptr<const Painters> painters = std::make_shared<const Painters>();
    return painters;
}

BackgroundProperty::BackgroundProperty()
    : m_painters(defaultPainters())
{
}

BackgroundProperty::BackgroundProperty(const BackgroundPainter& painter)
    : m_painters(painter == BackgroundPainter()
                     ? defaultPainters()
                     : std::make_shared<const Painters>(Painters{painter, painter, painter, painter, painter}))
{
}

BackgroundProperty::BackgroundProperty(const BackgroundPainter& normal, const BackgroundPainter& selected,
                                       const BackgroundPainter& hover, const BackgroundPainter& selectedHover,
                                       const BackgroundPainter& disabled)
    : m_painters(std::make_shared<const Painters>(Painters{normal, selected, hover, selectedHover, disabled}))
{
}

BackgroundPainter BackgroundProperty::operator[](State state) const
{
    return isState(state) ? (*m_painters)[state] : BackgroundPainter();
}

QDataStream& operator<<(QDataStream& stream, const BackgroundProperty& property)
{
    for (const BackgroundPainter& painter : *property.m_painters)
        stream << painter;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, BackgroundProperty& property)
{
    BackgroundProperty::Painters read;
    for (BackgroundPainter& painter : read) {
        stream >> painter;
        if (stream.status() != QDataStream::Ok)
            break;
    }
    property = stream.status() == QDataStream::Ok ? BackgroundProperty(read[0], read[1], read[2], read[3], read[4])
                                                  : BackgroundProperty();
    return stream;
}
