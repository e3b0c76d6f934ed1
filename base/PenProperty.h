#pragma once

#include "LookState.h"

#include <QDataStream>
#include <QPen>

#include <array>

// A text pen for each of the five look states. A plain copyable value.
class PenProperty : public LookState
{
public:
    PenProperty(const QPen& pen = QPen());
    PenProperty(const QPen& normal, const QPen& selected, const QPen& hover, const QPen& selectedHover,
                const QPen& disabled);

    // A default pen for a state outside 0..4.
    QPen operator[](State state) const;

    // Texture pens compare by their pixels.
    bool operator==(const PenProperty& other) const;
    bool operator!=(const PenProperty& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const PenProperty& property);
    friend QDataStream& operator>>(QDataStream& stream, PenProperty& property);

    std::array<QPen, StateCount> m_pens;
};

QDataStream& operator<<(QDataStream& stream, const PenProperty& property);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, PenProperty& property);
