#include "FallbackFileIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap drawPage(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal fold = s * 0.25;
    QPainterPath page;
    page.moveTo(s * 0.18, s * 0.06);
    page.lineTo(s * 0.82 - fold, s * 0.06);
    page.lineTo(s * 0.82, s * 0.06 + fold);
    page.lineTo(s * 0.82, s * 0.94);
    page.lineTo(s * 0.18, s * 0.94);
    page.closeSubpath();
    painter.setPen(QPen(QColor(120, 120, 120), qMax(1.0, s / 48)));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPath(page);
    QPainterPath corner;
    corner.moveTo(s * 0.82 - fold, s * 0.06);
    corner.lineTo(s * 0.82 - fold, s * 0.06 + fold);
    corner.lineTo(s * 0.82, s * 0.06 + fold);
    painter.setBrush(QColor(210, 210, 210));
    painter.drawPath(corner);
    return pixmap;
}

QPixmap drawFolder(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(QPen(QColor(70, 110, 160), qMax(1.0, s / 48)));
    painter.setBrush(QColor(110, 160, 215));
    painter.drawRoundedRect(QRectF(s * 0.06, s * 0.16, s * 0.38, s * 0.2), s * 0.04, s * 0.04);
    painter.setBrush(QColor(140, 185, 235));
    painter.drawRoundedRect(QRectF(s * 0.06, s * 0.26, s * 0.88, s * 0.6), s * 0.05, s * 0.05);
    return pixmap;
}

} // namespace

QIcon fallbackFileIcon(bool folder)
{
    QIcon icon;
    for (const int size : {16, 32, 48, 128, 256})
        icon.addPixmap(folder ? drawFolder(size) : drawPage(size));
    return icon;
}
