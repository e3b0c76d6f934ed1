#include "FilmStrip.h"

#include <QPainter>

FilmStrip::FilmStrip(const MediaJob& job)
    : box(qMax(0, job.thumbWidth), qMax(0, job.thumbHeight))
    // Bands never take more than half the box between them.
    , band(qBound(0, job.filmBorderSize, qMin(box.width(), box.height()) / 4))
    , gap(band > 0 ? qMax(1, band / 15) : 0)
    , spacing(qMax(0, job.filmBorderSpacing))
    , borderColor(job.filmBorderColor)
    , backColor(job.filmBackColor)
    , alpha(qBound(0, job.thumbAlpha, 255))
{
}

QSize FilmStrip::pictureSize(const QSize& display) const
{
    if (display.isEmpty() || box.isEmpty())
        return QSize();
    // Landscape pictures run along a horizontal strip, portrait ones along a vertical one.
    const bool landscape = display.width() >= display.height();
    const QSize room = landscape ? QSize(box.width(), box.height() - 2 * bandSpace())
                                 : QSize(box.width() - 2 * bandSpace(), box.height());
    if (room.isEmpty())
        return QSize();
    QSize size = display;
    if (size.width() > room.width() || size.height() > room.height())
        size = display.scaled(room, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(1, 1));
}

void FilmStrip::punchHoles(QPainter& painter, const QRect& area, Qt::Orientation along) const
{
    const int length = along == Qt::Horizontal ? area.width() : area.height();
    if (spacing < 4 || band < 5)
        return;
    const int holeLength = qMax(2, qRound(spacing * 0.55));
    const int holeDepth = qMax(2, qRound(band * 0.4));
    const int count = length / spacing;
    const int first = (length - count * spacing) / 2 + (spacing - holeLength) / 2;
    const int depthOffset = (band - holeDepth) / 2;
    const qreal radius = holeDepth / 4.0;
    for (int i = 0; i < count; ++i) {
        const int at = first + i * spacing;
        const QRectF hole = along == Qt::Horizontal
            ? QRectF(area.left() + at, area.top() + depthOffset, holeLength, holeDepth)
            : QRectF(area.left() + depthOffset, area.top() + at, holeDepth, holeLength);
        painter.drawRoundedRect(hole, radius, radius);
    }
}

QImage FilmStrip::draw(const QImage& picture) const
{
    if (picture.isNull())
        return QImage();
    const bool landscape = picture.width() >= picture.height();
    const int space = bandSpace();
    const QSize size = landscape ? QSize(picture.width(), picture.height() + 2 * space)
                                 : QSize(picture.width() + 2 * space, picture.height());
    QImage strip(size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(strip.rect(), backColor);
    QRect first;
    QRect second;
    if (landscape) {
        first = QRect(0, 0, size.width(), band);
        second = QRect(0, size.height() - band, size.width(), band);
    } else {
        first = QRect(0, 0, band, size.height());
        second = QRect(size.width() - band, 0, band, size.height());
    }
    if (band > 0) {
        painter.fillRect(first, borderColor);
        painter.fillRect(second, borderColor);
        // The holes go through the film: the shelf shows through them.
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const Qt::Orientation along = landscape ? Qt::Horizontal : Qt::Vertical;
        punchHoles(painter, first, along);
        punchHoles(painter, second, along);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(landscape ? QPoint(0, space) : QPoint(space, 0), picture);
    painter.end();
    QImage result = strip.convertToFormat(QImage::Format_ARGB32);
    if (alpha < 255) {
        for (int y = 0; y < result.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
            for (int x = 0; x < result.width(); ++x)
                line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), (qAlpha(line[x]) * alpha + 127) / 255);
        }
    }
    return result;
}
