#pragma once

#include <QDataStream>

#include <array>

// Four margins in the owner's units. A plain copyable value.
class MarginProperty
{
public:
    enum Type : int { Top = 0, Right, Bottom, Left };

    MarginProperty(double margin = 0.0);
    MarginProperty(double top, double right, double bottom, double left);

    // 0.0 for an index outside 0..3.
    double operator[](Type type) const;

    bool operator==(const MarginProperty& other) const { return m_margins == other.m_margins; }
    bool operator!=(const MarginProperty& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const MarginProperty& property);
    friend QDataStream& operator>>(QDataStream& stream, MarginProperty& property);

    std::array<double, 4> m_margins;
};

QDataStream& operator<<(QDataStream& stream, const MarginProperty& property);
// A cut-off record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, MarginProperty& property);
