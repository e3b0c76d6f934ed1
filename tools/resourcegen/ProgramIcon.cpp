#include "ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ProgramIcon {

namespace {

const QColor outline(0x3A, 0x1C, 0x0A);
const QColor bookColors[] = {QColor(0x3B, 0x7D, 0xD8), QColor(0xE0, 0x4B, 0x3A), QColor(0x4C, 0xAF, 0x50),
                             QColor(0xF2, 0xC1, 0x4E), QColor(0x9B, 0x59, 0xB6), QColor(0x1A, 0xA7, 0xA0)};

struct Grid
{
    bool snap;
    double at(double value) const { return snap ? std::round(value) : value; }
    QRectF rect(double x1, double y1, double x2, double y2) const
    {
        return QRectF(QPointF(at(x1), at(y1)), QPointF(at(x2), at(y2)));
    }
};

void drawItems(QPainter& p, const Grid& grid, const QRectF& space, int size, int shelf)
{
    // Books of varied height standing on the board, and on larger icons a framed picture.
    const int count = size >= 48 ? 4 : 2;
    const double gap = size >= 48 ? space.width() * 0.03 : (size >= 32 ? 1.0 : 0.0);
    const double bookWidth = size >= 48 ? space.width() * 0.13 : std::max(2.0, std::round(space.width() * 0.2));
    double x = space.left() + (size >= 48 ? space.width() * 0.06 : std::max(1.0, space.width() * 0.12));
    for (int i = 0; i < count; ++i) {
        const QColor color = bookColors[(shelf * 2 + i) % 6];
        const double heightFactor = 0.62 + 0.3 * (((shelf + 1) * (i + 2) * 7) % 5) / 4.0;
        const QRectF book = grid.rect(x, space.bottom() - space.height() * heightFactor, x + bookWidth, space.bottom());
        QLinearGradient fill(book.topLeft(), book.topRight());
        fill.setColorAt(0.0, color.lighter(125));
        fill.setColorAt(1.0, color.darker(125));
        p.fillRect(book, fill);
        if (size >= 48) {
            p.fillRect(QRectF(book.left(), book.top() + book.height() * 0.2, book.width(), std::max(1.0, size / 64.0)),
                       QColor(255, 255, 255, 120));
        }
        x = book.right() + gap;
    }
    if (size >= 48) {
        // A leaning picture frame at the right end of the shelf.
        const double w = space.width() * 0.3;
        const double h = space.height() * 0.72;
        const QRectF frame(space.right() - w - space.width() * 0.06, space.bottom() - h, w, h);
        p.fillRect(frame, QColor(0xF5, 0xE6, 0xC8));
        const QRectF picture = frame.adjusted(w * 0.15, h * 0.15, -w * 0.15, -h * 0.15);
        QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
        sky.setColorAt(0.0, QColor(0x7C, 0xC4, 0xF0));
        sky.setColorAt(0.6, QColor(0xB8, 0xE2, 0xF8));
        sky.setColorAt(0.61, QColor(0x5C, 0xA8, 0x48));
        sky.setColorAt(1.0, QColor(0x3E, 0x86, 0x30));
        p.fillRect(picture, sky);
    }
}

} // namespace

QImage render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Grid grid{size <= 32};
    const double s = size;

    // Cabinet body: a wooden case with a rounded outline.
    const QRectF body = grid.rect(s * 0.1, s * 0.04, s * 0.9, s * 0.96);
    const double radius = std::max(1.0, s * 0.06);
    QLinearGradient wood(body.topLeft(), body.topRight());
    wood.setColorAt(0.0, QColor(0xA4, 0x62, 0x2E));
    wood.setColorAt(0.45, QColor(0xC2, 0x7E, 0x40));
    wood.setColorAt(1.0, QColor(0x80, 0x46, 0x1A));
    QPainterPath bodyPath;
    bodyPath.addRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.fillPath(bodyPath, wood);
    if (size >= 48) {
        // Grain lines on the case.
        p.save();
        p.setClipPath(bodyPath);
        p.setPen(QPen(QColor(0x5A, 0x2E, 0x10, 60), s / 96.0));
        for (int i = 1; i < 7; ++i) {
            const double y = body.top() + body.height() * i / 7.0;
            QPainterPath line;
            line.moveTo(body.left(), y);
            line.cubicTo(body.left() + body.width() * 0.3, y - s * 0.02, body.left() + body.width() * 0.7,
                         y + s * 0.02, body.right(), y);
            p.drawPath(line);
        }
        p.restore();
    }

    // The open front with its dark back panel.
    const double frame = grid.at(std::max(2.0, s * 0.09));
    const QRectF inner = grid.rect(body.left() + frame, body.top() + frame, body.right() - frame,
                                   body.bottom() - frame);
    QLinearGradient back(inner.topLeft(), inner.bottomLeft());
    back.setColorAt(0.0, QColor(0x24, 0x13, 0x0A));
    back.setColorAt(1.0, QColor(0x46, 0x27, 0x14));
    p.fillRect(inner, back);

    // Shelf boards divide the inside into compartments of items.
    const int compartments = size >= 32 ? 3 : 2;
    const double board = grid.at(std::max(1.0, s * 0.045));
    const double step = (inner.height() + board) / compartments;
    for (int i = 0; i < compartments; ++i) {
        const double top = inner.top() + i * step;
        const double bottom = grid.at(top + step - board);
        const QRectF space(QPointF(inner.left(), grid.at(top)), QPointF(inner.right(), bottom));
        drawItems(p, grid, space, size, i);
        if (i < compartments - 1) {
            const QRectF shelf(QPointF(inner.left(), bottom), QPointF(inner.right(), bottom + board));
            QLinearGradient boardFill(shelf.topLeft(), shelf.bottomLeft());
            boardFill.setColorAt(0.0, QColor(0xF0, 0xB8, 0x6C));
            boardFill.setColorAt(1.0, QColor(0xB0, 0x6C, 0x2A));
            p.fillRect(shelf, boardFill);
        }
    }
    // Shadow under the top of the frame, for depth.
    QLinearGradient shadow(inner.topLeft(), inner.topLeft() + QPointF(0.0, std::max(1.0, s * 0.06)));
    shadow.setColorAt(0.0, QColor(0, 0, 0, 120));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(inner.topLeft(), QSizeF(inner.width(), std::max(1.0, s * 0.06))), shadow);

    // Outline and a soft highlight along the top.
    p.setPen(QPen(outline, std::max(1.0, s / 64.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bodyPath);
    if (size >= 32) {
        p.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, s / 96.0)));
        const double inset = std::max(1.5, s / 40.0);
        p.drawLine(QPointF(body.left() + radius, body.top() + inset), QPointF(body.right() - radius, body.top() + inset));
    }
    return image;
}

} // namespace ProgramIcon
