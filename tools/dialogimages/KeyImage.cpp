#include "KeyImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace KeyImage {

namespace {

// The key drawn lying flat along the x axis in a 48-unit box, bow on the left.
QPainterPath keyOutline()
{
    QPainterPath bow;
    bow.addEllipse(QPointF(12.0, 24.0), 10.0, 10.0);
    QPainterPath hole;
    hole.addEllipse(QPointF(10.5, 24.0), 3.6, 3.6);

    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(19.0, 21.6, 26.5, 4.8), 1.2, 1.2);

    // Two bits hanging below the shaft's tip, with a notch between them.
    QPainterPath bits;
    bits.addRect(QRectF(34.5, 25.0, 3.6, 7.0));
    bits.addRect(QRectF(40.0, 25.0, 4.6, 8.5));

    QPainterPath key = bow.united(shaft).united(bits);
    return key.subtracted(hole);
}

} // namespace

QImage key(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    // Diagonal, tip to the lower right, as a key is held going into a lock.
    painter.translate(24.0, 24.0);
    painter.rotate(35.0);
    painter.translate(-24.0, -24.0);

    const QPainterPath outline = keyOutline();

    // A soft shadow under the key.
    painter.save();
    painter.translate(0.8, 1.6);
    painter.fillPath(outline, QColor(0, 0, 0, 70));
    painter.restore();

    // Brass: light along the upper edge, darker below.
    QLinearGradient brass(0.0, 14.0, 0.0, 34.0);
    brass.setColorAt(0.0, QColor(255, 236, 150));
    brass.setColorAt(0.45, QColor(224, 176, 60));
    brass.setColorAt(1.0, QColor(150, 100, 22));
    painter.setPen(QPen(QColor(110, 70, 10), 0.9));
    painter.setBrush(brass);
    painter.drawPath(outline);

    // A sheen on the bow.
    QRadialGradient sheen(QPointF(9.0, 19.5), 7.0);
    sheen.setColorAt(0.0, QColor(255, 255, 240, 170));
    sheen.setColorAt(1.0, QColor(255, 255, 240, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawPath(outline);

    // A groove along the shaft.
    painter.setPen(QPen(QColor(120, 80, 15, 160), 0.8));
    painter.drawLine(QPointF(22.0, 24.0), QPointF(44.0, 24.0));
    return image;
}

} // namespace KeyImage
