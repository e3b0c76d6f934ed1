#include "GradientPainter.h"

#include "BoundedStreamReaders.h"
#include "StreamLimits.h"

#include <QPainter>

#include <cmath>

GradientPainter::GradientPainter(const QColor& from, const QColor& to, Qt::Orientation orientation,
                                 QGradient::Type type)
    : m_type(type)
    , m_orientation(orientation)
{
    setColorAt(0.0, from);
    setColorAt(1.0, to);
}

void GradientPainter::setColorAt(double position, const QColor& color)
{
    if (!(position >= 0.0 && position <= 1.0)) // also refuses NaN
        return;
    int index = 0;
    while (index < m_stops.size() && position >= m_stops.at(index).first)
        ++index;
    m_stops.insert(index, Stop(position, color));
}

void GradientPainter::setStops(const Stops& stops)
{
    m_stops.clear();
    for (const Stop& stop : stops)
        setColorAt(stop.first, stop.second);
}

void GradientPainter::clear()
{
    m_stops.clear();
}

void GradientPainter::setType(QGradient::Type type)
{
    m_type = type;
}

void GradientPainter::setType(Qt::Orientation orientation)
{
    m_orientation = orientation;
}

QBrush GradientPainter::brush(const QRectF& rect) const
{
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    QGradient gradient;
    switch (m_type) {
    case QGradient::LinearGradient:
        gradient = m_orientation == Qt::Vertical ? QLinearGradient(x, y, x, y + h)
                                                 : QLinearGradient(x, y, x + w, y);
        break;
    case QGradient::RadialGradient:
        gradient = QRadialGradient(x + w / 2, y + h / 2, w / 2, x + w / 2, y + h / 2);
        break;
    case QGradient::ConicalGradient:
        gradient = QConicalGradient(x, y + h, 270.0);
        break;
    default:
        return QBrush(Qt::NoBrush);
    }
    // Qt replaces the colour of a stop at a position already present.
    gradient.setStops(m_stops);
    return QBrush(gradient);
}

void GradientPainter::paint(QPainter* painter, const QRectF& rect, const QPainterPath& path) const
{
    if (!painter || m_stops.isEmpty())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    const QBrush gradient = brush(rect);
    if (gradient.style() == Qt::NoBrush)
        return;
    if (path.isEmpty())
        painter->fillRect(rect, gradient);
    else
        painter->fillPath(path, gradient);
}

bool GradientPainter::operator==(const GradientPainter& other) const
{
    return m_stops == other.m_stops && m_type == other.m_type && m_orientation == other.m_orientation;
}

QDataStream& operator<<(QDataStream& stream, const GradientPainter& painter)
{
    stream << quint32(painter.m_stops.size());
    for (const GradientPainter::Stop& stop : painter.m_stops)
        stream << stop.first << stop.second;
    return stream << painter.m_type << painter.m_orientation;
}

QDataStream& operator>>(QDataStream& stream, GradientPainter& painter)
{
    GradientPainter read;
    read.m_stops.clear();
    int count = 0;
    if (readCount(stream, 8 + 4, &count)) {
        // Each stop is read before it is stored, so memory follows the data really there.
        for (int i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
            double position = 0.0;
            QColor color;
            stream >> position;
            if (!readColor(stream, color))
                break;
            if (!std::isfinite(position)) {
                markCorrupt(stream);
                break;
            }
            read.m_stops.append(GradientPainter::Stop(position, color));
        }
    }
    stream >> read.m_type >> read.m_orientation;
    painter = stream.status() == QDataStream::Ok ? read : GradientPainter();
    return stream;
}
