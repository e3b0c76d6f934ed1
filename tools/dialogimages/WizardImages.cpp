#include "WizardImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace WizardImages {

namespace {

QImage drawn(int size, const std::function<void(QPainter&)>& draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    draw(painter);
    painter.end();
    return image;
}

// A blue folder: the back with its tab, a sheet of paper peeking out, the front
// tilted slightly towards the viewer. Returns the front's rectangle for an emblem.
QRectF drawFolder(QPainter& p)
{
    const QColor edge(0x1F, 0x4E, 0x8C);

    // Soft shadow on the ground.
    QRadialGradient shadow(QPointF(24.0, 43.5), 21.0);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QRectF(3.0, 39.0, 42.0, 9.0));

    QPainterPath back;
    back.moveTo(4.0, 10.5);
    back.quadTo(4.0, 8.0, 6.5, 8.0);
    back.lineTo(17.0, 8.0);
    back.lineTo(20.0, 11.0);
    back.lineTo(41.5, 11.0);
    back.quadTo(44.0, 11.0, 44.0, 13.5);
    back.lineTo(44.0, 40.0);
    back.lineTo(4.0, 40.0);
    back.closeSubpath();
    QLinearGradient backFill(0.0, 8.0, 0.0, 40.0);
    backFill.setColorAt(0.0, QColor(0x4F, 0x8F, 0xD8));
    backFill.setColorAt(1.0, QColor(0x2D, 0x66, 0xB0));
    p.setPen(QPen(edge, 0.8));
    p.setBrush(backFill);
    p.drawPath(back);

    // The paper.
    p.setPen(QPen(QColor(0xA8, 0xB4, 0xC4), 0.6));
    p.setBrush(QColor(0xFA, 0xFB, 0xFD));
    p.drawRect(QRectF(8.0, 13.5, 32.0, 16.0));

    QPainterPath front;
    front.moveTo(5.5, 18.0);
    front.lineTo(42.5, 18.0);
    front.quadTo(44.5, 18.0, 44.3, 20.0);
    front.lineTo(43.0, 38.5);
    front.quadTo(42.9, 40.5, 40.8, 40.5);
    front.lineTo(7.2, 40.5);
    front.quadTo(5.1, 40.5, 5.0, 38.5);
    front.lineTo(3.7, 20.0);
    front.quadTo(3.5, 18.0, 5.5, 18.0);
    QLinearGradient frontFill(0.0, 18.0, 0.0, 40.5);
    frontFill.setColorAt(0.0, QColor(0x8C, 0xC2, 0xF4));
    frontFill.setColorAt(0.5, QColor(0x5E, 0xA0, 0xE6));
    frontFill.setColorAt(1.0, QColor(0x3F, 0x80, 0xCC));
    p.setPen(QPen(edge, 0.8));
    p.setBrush(frontFill);
    p.drawPath(front);

    // A light line along the front's upper edge.
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.drawLine(QPointF(6.0, 19.2), QPointF(42.0, 19.2));
    return QRectF(13.0, 22.0, 22.0, 15.5);
}

// An emblem pressed into the folder's front: drawn dark and lifted by a light edge.
void pressInto(QPainter& p, const QPainterPath& shape)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(shape.translated(0.0, 0.7));
    p.setBrush(QColor(0x1A, 0x48, 0x86, 200));
    p.drawPath(shape);
}

} // namespace

QImage desktopFolder(int size)
{
    return drawn(size, [](QPainter& p) {
        const QRectF area = drawFolder(p);
        // A monitor on a foot.
        QPainterPath screen;
        const QRectF display(area.center().x() - 9.0, area.top() + 0.5, 18.0, 11.5);
        screen.addRoundedRect(display, 1.5, 1.5);
        QPainterPath glass;
        glass.addRect(display.adjusted(1.6, 1.6, -1.6, -1.6));
        screen = screen.subtracted(glass);
        screen.addRect(QRectF(area.center().x() - 1.5, display.bottom(), 3.0, 2.0));
        screen.addRoundedRect(QRectF(area.center().x() - 5.0, display.bottom() + 2.0, 10.0, 1.6), 0.8, 0.8);
        pressInto(p, screen);
        // Two tiny icons on the screen.
        QPainterPath icons;
        icons.addRect(QRectF(display.left() + 3.0, display.top() + 3.0, 2.6, 2.2));
        icons.addRect(QRectF(display.left() + 3.0, display.top() + 6.5, 2.6, 2.2));
        pressInto(p, icons);
    });
}

QImage applicationsFolder(int size)
{
    return drawn(size, [](QPainter& p) {
        const QRectF area = drawFolder(p);
        // Three by three program tiles.
        QPainterPath tiles;
        const double tile = 3.8;
        const double gap = 1.4;
        const double width = 3 * tile + 2 * gap;
        const QPointF origin(area.center().x() - width / 2.0, area.top() + 1.0);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                tiles.addRoundedRect(QRectF(origin.x() + column * (tile + gap), origin.y() + row * (tile + gap), tile,
                                            tile),
                                     1.0, 1.0);
            }
        }
        pressInto(p, tiles);
    });
}

QImage customize(int size)
{
    return drawn(size, [](QPainter& p) {
        // The palette: a rounded board with a thumb hole, lying at a slant.
        p.save();
        p.translate(22.0, 26.0);
        p.rotate(-18.0);
        QPainterPath board;
        board.addEllipse(QPointF(0.0, 0.0), 19.0, 14.0);
        QPainterPath hole;
        hole.addEllipse(QPointF(-9.5, 5.5), 3.0, 2.6);
        QPainterPath notch;
        notch.addEllipse(QPointF(-19.0, 6.5), 5.0, 4.0);
        board = board.subtracted(hole).subtracted(notch);

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawPath(board.translated(0.8, 1.6));
        QLinearGradient wood(0.0, -14.0, 0.0, 14.0);
        wood.setColorAt(0.0, QColor(0xF0, 0xCF, 0x98));
        wood.setColorAt(1.0, QColor(0xC8, 0x98, 0x5A));
        p.setPen(QPen(QColor(0x8A, 0x5E, 0x2C), 0.9));
        p.setBrush(wood);
        p.drawPath(board);

        // Blobs of paint.
        const struct
        {
            QPointF at;
            QColor color;
        } blobs[] = {{QPointF(-7.0, -6.5), QColor(0xE0, 0x3C, 0x31)}, {QPointF(0.5, -8.5), QColor(0xF4, 0xC2, 0x2B)},
                     {QPointF(8.0, -6.0), QColor(0x3D, 0xA3, 0x4A)}, {QPointF(12.0, 1.0), QColor(0x2F, 0x7B, 0xDB)},
                     {QPointF(6.5, 7.5), QColor(0x8E, 0x4C, 0xC4)}};
        for (const auto& blob : blobs) {
            QRadialGradient paint(blob.at + QPointF(-0.9, -0.9), 3.4);
            paint.setColorAt(0.0, blob.color.lighter(150));
            paint.setColorAt(0.5, blob.color);
            paint.setColorAt(1.0, blob.color.darker(130));
            p.setPen(Qt::NoPen);
            p.setBrush(paint);
            p.drawEllipse(blob.at, 3.0, 2.7);
        }
        p.restore();

        // The brush, laid across the palette from the lower right.
        p.save();
        p.translate(40.0, 40.0);
        p.rotate(-135.0);
        QLinearGradient handle(0.0, -1.6, 0.0, 1.6);
        handle.setColorAt(0.0, QColor(0xD8, 0x4A, 0x3A));
        handle.setColorAt(1.0, QColor(0x8C, 0x22, 0x18));
        p.setPen(QPen(QColor(0x60, 0x18, 0x10), 0.5));
        p.setBrush(handle);
        p.drawRoundedRect(QRectF(0.0, -1.6, 20.0, 3.2), 1.6, 1.6);
        QLinearGradient ferrule(0.0, -1.4, 0.0, 1.4);
        ferrule.setColorAt(0.0, QColor(0xE8, 0xE8, 0xEC));
        ferrule.setColorAt(1.0, QColor(0x8A, 0x8A, 0x94));
        p.setBrush(ferrule);
        p.drawRect(QRectF(20.0, -1.4, 5.0, 2.8));
        QPainterPath bristles;
        bristles.moveTo(25.0, -1.4);
        bristles.quadTo(29.0, -1.8, 31.5, 0.0);
        bristles.quadTo(29.0, 1.8, 25.0, 1.4);
        bristles.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2F, 0x7B, 0xDB));
        p.drawPath(bristles);
        p.restore();
    });
}

} // namespace WizardImages
