#include "FontProperty.h"

#include "BoundedStreamReaders.h"

FontProperty::FontProperty(const QFont& font)
    : FontProperty(font, font, font, font, font)
{
}

FontProperty::FontProperty(const QFont& normal, const QFont& selected, const QFont& hover,
                           const QFont& selectedHover, const QFont& disabled)
    : m_fonts{normal, selected, hover, selectedHover, disabled}
{
}

QFont FontProperty::operator[](State state) const
{
    return isState(state) ? m_fonts[state] : QFont();
}

QFont& FontProperty::operator[](State state)
{
    if (isState(state))
        return m_fonts[state];
    // Never destroyed: fonts must not outlive the application's font database teardown.
    static QFont* const spare = new QFont();
    return *spare;
}

QDataStream& operator<<(QDataStream& stream, const FontProperty& property)
{
    for (const QFont& font : property.m_fonts)
        stream << font;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, FontProperty& property)
{
    FontProperty read;
    for (QFont& font : read.m_fonts) {
        if (!readFont(stream, font))
            break;
    }
    property = stream.status() == QDataStream::Ok ? read : FontProperty();
    return stream;
}
