#pragma once

#include <QBrush>
#include <QColor>
#include <QDataStream>
#include <QGradient>
#include <QPainterPath>
#include <QPair>
#include <QRectF>
#include <QVector>

class QPainter;

// The gradient layer of a background: colour stops kept sorted, a gradient type and,
// for linear gradients, an orientation. A plain copyable value.
class GradientPainter
{
public:
    using Stop = QPair<double, QColor>;
    using Stops = QVector<Stop>;

    GradientPainter(const QColor& from = Qt::black, const QColor& to = Qt::white,
                    Qt::Orientation orientation = Qt::Vertical,
                    QGradient::Type type = QGradient::LinearGradient);

    // Inserts a stop after any stop at the same position; positions outside 0..1 are dropped.
    void setColorAt(double position, const QColor& color);
    void setStops(const Stops& stops);
    void clear();
    void setType(QGradient::Type type);
    void setType(Qt::Orientation orientation);

    const Stops& stops() const { return m_stops; }
    // Stored values as they are; types other than linear, radial and conical paint nothing.
    int typeValue() const { return m_type; }
    int orientationValue() const { return m_orientation; }

    // The gradient brush for a rect (Qt::NoBrush for an unknown type); of several stops
    // at one position the last one wins.
    QBrush brush(const QRectF& rect) const;

    // Fills `path`, or the whole rect when the path is empty.
    void paint(QPainter* painter, const QRectF& rect, const QPainterPath& path = QPainterPath()) const;

    bool operator==(const GradientPainter& other) const;
    bool operator!=(const GradientPainter& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const GradientPainter& painter);
    friend QDataStream& operator>>(QDataStream& stream, GradientPainter& painter);

    Stops m_stops;
    qint32 m_type;
    qint32 m_orientation;
};

QDataStream& operator<<(QDataStream& stream, const GradientPainter& painter);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, GradientPainter& painter);
