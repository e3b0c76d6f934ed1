#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

// Draws `text` in `pen`, with a soft dark copy one pixel down and right when `shadow` is on.
inline void drawShadowedText(QPainter* painter, const QRectF& area, int flags, const QString& text, bool shadow,
                             const QPen& pen)
{
    if (shadow) {
        painter->setPen(QColor(0, 0, 0, 150));
        painter->drawText(area.translated(1.0, 1.0), flags, text);
    }
    painter->setPen(pen);
    painter->drawText(area, flags, text);
}
