#include "ImageFunctions.h"

#include <QLinearGradient>
#include <QPainter>

QImage alphaImage(const QImage& image, int percent)
{
    // Work on straight alpha: premultiplied colours would darken when only alpha changes.
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qBound(0, qAlpha(pixel) * percent / 100, 255);
            line[x] = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha);
        }
    }
    return result;
}

QImage mirrorImage(const QImage& image, MirrorStyle mirror, FadeStyle fade, int alpha, int size)
{
    QImage result = image;
    if (mirror == MirrorVertical)
        result = image.mirrored(false, true);
    else if (mirror == MirrorHorizontal)
        result = image.mirrored(true, false);
    if (fade < FadeDown || fade > FadeLeft || result.isNull())
        return result;

    // The fade needs an alpha channel and a format QPainter can draw on.
    if (result.format() != QImage::Format_ARGB32 && result.format() != QImage::Format_ARGB32_Premultiplied)
        result = result.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const bool vertical = fade == FadeDown || fade == FadeUp;
    const int length = size < 0 ? (vertical ? result.height() : result.width()) : size;
    QPointF start;
    QPointF end = vertical ? QPointF(0, length) : QPointF(length, 0);
    if (fade == FadeUp || fade == FadeLeft)
        std::swap(start, end);

    QLinearGradient gradient(start, end);
    gradient.setColorAt(0.0, QColor(0, 0, 0, qBound(0, alpha, 255)));
    gradient.setColorAt(1.0, Qt::transparent);

    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(result.rect(), gradient);
    return result;
}

QImage convertToThumbnail(const QImage& image, const QSize& size, Qt::AspectRatioMode aspectMode,
                          Qt::TransformationMode transformMode)
{
    QImage canvas(size, QImage::Format_ARGB32);
    if (canvas.isNull())
        return canvas;
    canvas.fill(Qt::transparent);
    if (image.isNull())
        return canvas;
    const QImage scaled = image.scaled(size, aspectMode, transformMode);
    if (scaled.isNull())
        return canvas;
    QRect target(QPoint(), scaled.size());
    target.moveCenter(canvas.rect().center());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(target.topLeft(), scaled);
    return canvas;
}

bool samePixmaps(const QPixmap& a, const QPixmap& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.cacheKey() == b.cacheKey())
        return true;
    return a.size() == b.size()
        && a.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied)
               == b.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
