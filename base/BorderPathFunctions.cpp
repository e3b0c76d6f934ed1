#include "BorderPathFunctions.h"

#include <cmath>

QPainterPath getRoundRectPath(const QRectF& rect, double width, double radius)
{
    const double pen = (width == 0.0 && radius != 0.0) ? 1.0 : width;
    QRectF inner = rect.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    if (rect.x() != std::floor(rect.x()))
        inner.translate(0.5, 0.0);
    if (rect.y() != std::floor(rect.y()))
        inner.translate(0.0, 0.5);

    QPainterPath path;
    const double side = qMin(inner.width(), inner.height());
    if (!(side > 2 * pen))
        return path;
    if (radius != 0.0 && side > radius)
        path.addRoundedRect(inner, radius, radius, Qt::AbsoluteSize);
    else
        path.addRect(inner);
    return path;
}

QPainterPath getRectPath(const QRectF& rect, double width)
{
    return getRoundRectPath(rect, width, 0.0);
}
