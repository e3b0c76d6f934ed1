#include "SkinControlImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace SkinControlImages {

namespace {

constexpr int imageSize = 18;

QImage transparentCanvas()
{
    QImage image(imageSize, imageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage circularButton(bool pressed)
{
    QImage image = transparentCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(0.5, 0.5, imageSize - 1.0, imageSize - 1.0);

    // Lit from above when resting; pressed, the light sinks to the bottom.
    QLinearGradient body(0, 0, 0, imageSize);
    if (pressed) {
        body.setColorAt(0.0, QColor(8, 8, 8, 240));
        body.setColorAt(1.0, QColor(40, 40, 40, 240));
    } else {
        body.setColorAt(0.0, QColor(78, 78, 78, 235));
        body.setColorAt(1.0, QColor(24, 24, 24, 235));
    }
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    painter.setBrush(body);
    painter.drawEllipse(disc);

    // A thin rim of light on the lit side.
    QLinearGradient rim(0, 0, 0, imageSize);
    const QColor light(255, 255, 255, pressed ? 0 : 70);
    const QColor shade(255, 255, 255, pressed ? 45 : 0);
    rim.setColorAt(0.0, light);
    rim.setColorAt(0.5, QColor(255, 255, 255, 0));
    rim.setColorAt(1.0, shade);
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.adjusted(1.0, 1.0, -1.0, -1.0));
    return image;
}

QImage sliderHandle(bool pressed)
{
    QImage image = transparentCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF knob(1.0, 1.0, 16.0, 16.0);

    QRadialGradient body(QPointF(7.0, 5.5), 11.0, QPointF(7.0, 5.0));
    if (pressed) {
        body.setColorAt(0.0, QColor(236, 240, 248));
        body.setColorAt(0.6, QColor(178, 188, 206));
        body.setColorAt(1.0, QColor(120, 130, 150));
    } else {
        body.setColorAt(0.0, QColor(255, 255, 255));
        body.setColorAt(0.6, QColor(218, 218, 218));
        body.setColorAt(1.0, QColor(160, 160, 160));
    }
    painter.setPen(QPen(QColor(60, 60, 60, 180), 1.0));
    painter.setBrush(body);
    painter.drawEllipse(knob.adjusted(0.5, 0.5, -0.5, -0.5));

    // A dimple in the middle marks where to grip.
    QRadialGradient dimple(QPointF(9.0, 9.0), 3.0);
    dimple.setColorAt(0.0, QColor(0, 0, 0, pressed ? 70 : 45));
    dimple.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dimple);
    painter.drawEllipse(QPointF(9.0, 9.0), 3.0, 3.0);
    return image;
}

} // namespace SkinControlImages
