#pragma once

#include "LookState.h"

#include <QDataStream>
#include <QFont>

#include <array>

// A font for each of the five look states. A plain copyable value.
class FontProperty : public LookState
{
public:
    FontProperty(const QFont& font = QFont());
    FontProperty(const QFont& normal, const QFont& selected, const QFont& hover, const QFont& selectedHover,
                 const QFont& disabled);

    // A default font for a state outside 0..4.
    QFont operator[](State state) const;
    // The state's font, to change in place. A state outside 0..4 gives one spare font
    // shared by every FontProperty, which keeps whatever is written into it.
    QFont& operator[](State state);

    bool operator==(const FontProperty& other) const { return m_fonts == other.m_fonts; }
    bool operator!=(const FontProperty& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const FontProperty& property);
    friend QDataStream& operator>>(QDataStream& stream, FontProperty& property);

    std::array<QFont, StateCount> m_fonts;
};

QDataStream& operator<<(QDataStream& stream, const FontProperty& property);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, FontProperty& property);
