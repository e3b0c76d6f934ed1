#pragma once

#include "BackgroundPainter.h"
#include "LookState.h"

#include <QDataStream>

#include <array>
#include <memory>

// A background painter for each of the five look states. A plain copyable value; copies
// share their painters, and every default background shares one set, so thousands of
// items that keep the same background cost one.
class BackgroundProperty : public LookState
{
public:
    // The shared default set, made without a painter to compare: items are made by the
    // ten thousand.
    BackgroundProperty();
    BackgroundProperty(const BackgroundPainter& painter);
    BackgroundProperty(const BackgroundPainter& normal, const BackgroundPainter& selected,
                       const BackgroundPainter& hover, const BackgroundPainter& selectedHover,
                       const BackgroundPainter& disabled);

    // A painter that paints nothing for a state outside 0..4.
    BackgroundPainter operator[](State state) const;

    bool operator==(const BackgroundProperty& other) const
    {
        return m_painters == other.m_painters || *m_painters == *other.m_painters;
    }
    bool operator!=(const BackgroundProperty& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const BackgroundProperty& property);
    friend QDataStream& operator>>(QDataStream& stream, BackgroundProperty& property);

    using Painters = std::array<BackgroundPainter, StateCount>;
    static std::shared_ptr<const Painters> defaultPainters();

    std::shared_ptr<const Painters> m_painters;
};

QDataStream& operator<<(QDataStream& stream, const BackgroundProperty& property);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, BackgroundProperty& property);
