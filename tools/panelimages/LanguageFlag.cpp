#include "LanguageFlag.h"

#include <QPainter>
#include <QPainterPath>

#include <initializer_list>
#include <utility>

namespace LanguageFlag {

namespace {

constexpr int width = 16;
constexpr int height = 11;

// The flag's field drawn in a 0..1 box by `draw`, with a thin dark edge.
template<typename Draw>
QImage flag(Draw draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.scale(width, height);
    draw(painter);
    painter.restore();
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, width - 1.0, height - 1.0));
    return image;
}

// Horizontal bands, top to bottom, each with its share of the height.
QImage bands(std::initializer_list<std::pair<QColor, double>> stripes)
{
    return flag([&](QPainter& painter) {
        double top = 0.0;
        for (const auto& stripe : stripes) {
            painter.fillRect(QRectF(0.0, top, 1.0, stripe.second), stripe.first);
            top += stripe.second;
        }
    });
}

} // namespace

QImage english()
{
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    return flag([&](QPainter& painter) {
        painter.fillRect(QRectF(0.0, 0.0, 1.0, 1.0), blue);
        // Diagonals: white, with a narrower red one on top.
        QPen diagonal(Qt::white, 0.2);
        diagonal.setCosmetic(false);
        painter.setPen(diagonal);
        painter.drawLine(QPointF(0.0, 0.0), QPointF(1.0, 1.0));
        painter.drawLine(QPointF(0.0, 1.0), QPointF(1.0, 0.0));
        diagonal.setColor(red);
        diagonal.setWidthF(0.07);
        painter.setPen(diagonal);
        painter.drawLine(QPointF(0.0, 0.0), QPointF(1.0, 1.0));
        painter.drawLine(QPointF(0.0, 1.0), QPointF(1.0, 0.0));
        // The upright cross: white, with red in the middle.
        painter.fillRect(QRectF(0.40, 0.0, 0.20, 1.0), Qt::white);
        painter.fillRect(QRectF(0.0, 0.33, 1.0, 0.34), Qt::white);
        painter.fillRect(QRectF(0.4375, 0.0, 0.125, 1.0), red);
        painter.fillRect(QRectF(0.0, 0.40, 1.0, 0.20), red);
    });
}

QImage spanish()
{
    const QColor red(170, 21, 27);
    const QColor yellow(241, 191, 0);
    return bands({{red, 0.25}, {yellow, 0.5}, {red, 0.25}});
}

QImage german()
{
    const double third = 1.0 / 3.0;
    return bands({{QColor(0, 0, 0), third}, {QColor(221, 0, 0), third}, {QColor(255, 206, 0), third}});
}

} // namespace LanguageFlag
