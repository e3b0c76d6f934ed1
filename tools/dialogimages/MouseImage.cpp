#include "MouseImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace MouseImage {

namespace {

// The body in a 48-unit box: a rounded shell, narrower at the top.
QPainterPath body()
{
    QPainterPath path;
    path.moveTo(24.0, 4.0);
    path.cubicTo(33.0, 4.0, 37.5, 10.0, 37.5, 19.0);
    path.lineTo(37.5, 31.0);
    path.cubicTo(37.5, 40.0, 31.5, 45.0, 24.0, 45.0);
    path.cubicTo(16.5, 45.0, 10.5, 40.0, 10.5, 31.0);
    path.lineTo(10.5, 19.0);
    path.cubicTo(10.5, 10.0, 15.0, 4.0, 24.0, 4.0);
    path.closeSubpath();
    return path;
}

// The part of the body above the buttons' lower edge, on one side of the middle.
QPainterPath button(bool right)
{
    QPainterPath half;
    if (right)
        half.addRect(QRectF(24.6, 0.0, 20.0, 20.0));
    else
        half.addRect(QRectF(3.4, 0.0, 20.0, 20.0));
    return body().intersected(half);
}

} // namespace

QImage mouse(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);

    const QPainterPath shell = body();

    // A soft shadow to the lower right.
    painter.save();
    painter.translate(1.0, 1.5);
    painter.fillPath(shell, QColor(0, 0, 0, 60));
    painter.restore();

    // Light grey plastic, brighter at the top left.
    QLinearGradient plastic(10.0, 4.0, 38.0, 45.0);
    plastic.setColorAt(0.0, QColor(252, 252, 252));
    plastic.setColorAt(0.6, QColor(222, 224, 228));
    plastic.setColorAt(1.0, QColor(180, 184, 190));
    painter.setPen(QPen(QColor(110, 114, 122), 1.0));
    painter.setBrush(plastic);
    painter.drawPath(shell);

    // The right button is the one to press: lit in blue.
    QLinearGradient lit(0.0, 4.0, 0.0, 20.0);
    lit.setColorAt(0.0, QColor(150, 195, 250));
    lit.setColorAt(1.0, QColor(50, 120, 210));
    painter.setPen(Qt::NoPen);
    painter.setBrush(lit);
    painter.drawPath(button(true));

    // The seams: between the buttons and under them.
    painter.setPen(QPen(QColor(110, 114, 122), 0.9));
    painter.drawLine(QPointF(24.0, 4.5), QPointF(24.0, 20.0));
    painter.drawLine(QPointF(10.8, 20.0), QPointF(37.2, 20.0));

    // The wheel.
    painter.setBrush(QColor(90, 94, 100));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(22.6, 9.0, 2.8, 7.0), 1.4, 1.4);

    // A sheen on the shell's left.
    QRadialGradient sheen(QPointF(17.0, 28.0), 8.0);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 150));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(sheen);
    painter.drawPath(shell.subtracted(button(false)).subtracted(button(true)));

    // Three short strokes off the lit button: it is being clicked.
    painter.setPen(QPen(QColor(50, 120, 210), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(39.5, 9.0), QPointF(43.5, 6.0));
    painter.drawLine(QPointF(40.5, 13.5), QPointF(45.5, 13.5));
    painter.drawLine(QPointF(36.5, 4.5), QPointF(38.5, 1.0));
    return image;
}

} // namespace MouseImage
