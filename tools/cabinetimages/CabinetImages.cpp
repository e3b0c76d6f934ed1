#include "CabinetImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace CabinetImages {

namespace {

QImage transparentCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath roundedRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
    return path;
}

// How deep a point lies inside a rectangle rounded by `radius`; negative outside.
double depthInside(const QPointF& point, const QRectF& rect, double radius)
{
    const double qx = std::abs(point.x() - rect.center().x()) - (rect.width() / 2 - radius);
    const double qy = std::abs(point.y() - rect.center().y()) - (rect.height() / 2 - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    const double inside = std::min(std::max(qx, qy), 0.0);
    return radius - outside - inside;
}

void drawMagnifier(QPainter& painter, const QPointF& lensCentre, const QColor& color)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 1.7));
    painter.drawEllipse(lensCentre, 4.3, 4.3);
    // The handle leaves the lens at its lower right, thicker than the rim.
    const QPointF from = lensCentre + QPointF(3.4, 3.4);
    painter.setPen(QPen(color, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, from + QPointF(3.3, 3.3));
}

} // namespace

QImage searchFrame()
{
    // The field fills the rectangle inset by 2, rounded by 10 but at most half its
    // height; the frame hugs that shape.
    constexpr int width = 41;
    constexpr int height = 23;
    QImage image = transparentCanvas(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    // A light rim under the field makes it look sunk into the bar.
    QLinearGradient rim(0, 0, 0, height);
    rim.setColorAt(0.0, QColor(255, 255, 255, 0));
    rim.setColorAt(0.55, QColor(255, 255, 255, 0));
    rim.setColorAt(1.0, QColor(255, 255, 255, 120));
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.drawPath(roundedRect(QRectF(0.5, 0.5, width - 1.0, height - 1.0), 11.0));

    painter.setPen(QPen(QColor(0, 0, 0, 130), 1.0));
    painter.drawPath(roundedRect(QRectF(1.5, 1.5, width - 3.0, height - 3.0), 10.0));

    // Inside, a shadow under the upper edge.
    const QPainterPath field = roundedRect(QRectF(2.0, 2.0, width - 4.0, height - 4.0), 9.5);
    painter.setClipPath(field);
    QLinearGradient shadow(0, 2, 0, height / 2.0);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(QPen(QBrush(shadow), 1.0));
    painter.drawPath(roundedRect(QRectF(2.5, 2.5, width - 5.0, height - 5.0), 9.0));
    QLinearGradient softShadow(0, 3, 0, height / 2.0);
    softShadow.setColorAt(0.0, QColor(0, 0, 0, 22));
    softShadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(QPen(QBrush(softShadow), 1.0));
    painter.drawPath(roundedRect(QRectF(3.5, 3.5, width - 7.0, height - 7.0), 8.0));
    return image;
}

QImage innerShadowFrame()
{
    constexpr int side = 41;
    constexpr double reach = 7.0;
    const QRectF shape(0.0, 0.0, side, side);
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double depth = depthInside(QPointF(x + 0.5, y + 0.5), shape, 10.0);
            int alpha = 0;
            if (depth > 0.0 && depth < reach) {
                const double fade = 1.0 - depth / reach;
                alpha = qRound(110.0 * fade * fade);
            } else if (depth > -0.5 && depth <= 0.0) {
                // The antialiased edge itself.
                alpha = qRound(110.0 * (depth + 0.5) * 2.0);
            }
            image.setPixel(x, y, qRgba(0, 0, 0, alpha));
        }
    }
    return image;
}

QImage searchIcon()
{
    QImage image = transparentCanvas(16, 16);
    QPainter painter(&image);
    // Drawn high: the box seats its buttons slightly below the middle.
    drawMagnifier(painter, QPointF(6.5, 5.8), QColor(80, 80, 80));
    return image;
}

QImage clearIcon()
{
    QImage image = transparentCanvas(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(7.5, 6.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 100));
    painter.drawEllipse(centre, 6.0, 6.0);
    painter.setPen(QPen(QColor(255, 255, 255, 235), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-2.4, -2.4), centre + QPointF(2.4, 2.4));
    painter.drawLine(centre + QPointF(-2.4, 2.4), centre + QPointF(2.4, -2.4));
    return image;
}

QImage searchMenuIcon()
{
    QImage image = transparentCanvas(22, 16);
    QPainter painter(&image);
    const QColor color(80, 80, 80);
    drawMagnifier(painter, QPointF(6.5, 5.8), color);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF({QPointF(15.5, 8.0), QPointF(21.0, 8.0), QPointF(18.25, 11.0)}));
    return image;
}

QImage closeButton(bool pressed)
{
    QImage image = transparentCanvas(20, 20);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Centred where the cabinet paints its cross: half the side less half a pixel.
    const QPointF centre(9.5, 9.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, pressed ? 185 : 95));
    painter.drawEllipse(centre, 8.5, 8.5);
    QLinearGradient rim(0, 1, 0, 18);
    rim.setColorAt(0.0, QColor(255, 255, 255, pressed ? 40 : 90));
    rim.setColorAt(0.5, QColor(255, 255, 255, 0));
    rim.setColorAt(1.0, QColor(255, 255, 255, pressed ? 70 : 25));
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 8.0, 8.0);
    return image;
}

} // namespace CabinetImages
