#include "ProviderBadge.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ProviderBadge {

QImage badge(const QString& initial, const QColor& color, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF square(0.5, 0.5, size - 1.0, size - 1.0);
    QPainterPath shape;
    shape.addRoundedRect(square, size * 0.22, size * 0.22);
    // A little light from above, so the badge reads as a button-like mark.
    QLinearGradient fill(0.0, 0.0, 0.0, size);
    fill.setColorAt(0.0, color.lighter(125));
    fill.setColorAt(1.0, color.darker(115));
    painter.fillPath(shape, fill);
    painter.setPen(QPen(color.darker(150), 1.0));
    painter.drawPath(shape);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(size * 0.72));
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0.0, 0.0, size, size), Qt::AlignCenter, initial);
    return image;
}

} // namespace ProviderBadge
