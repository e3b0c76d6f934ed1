#include "ImageFunctions.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

int mergedComponent(int a, int b, int percent)
{
    return qBound(0, a * percent / 100 + b * (100 - percent) / 100, 255);
}

} // namespace

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

QColor mergedColors(const QColor& a, const QColor& b, int percent)
{
    QColor merged = a;
    merged.setRgb(mergedComponent(a.red(), b.red(), percent),
                  mergedComponent(a.green(), b.green(), percent),
                  mergedComponent(a.blue(), b.blue(), percent), a.alpha());
    return merged;
}

unsigned int getPixel(const QImage& image, int x, int y, unsigned int fallback)
{
    // Negative points are guarded too: the blank test samples them on small images.
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return fallback;
    return image.pixel(x, y);
}

bool hasOneColor(const QImage& image)
{
    const QImage mono = image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::OrderedDither);
    const int w = mono.width();
    const int h = mono.height();
    const unsigned int reference = getPixel(mono, w / 2, h / 2, 0);
    const QPoint samples[] = {
        {10, 10}, {15, 15}, {20, 20}, {25, 25}, {30, 30},
        {w - 10, 10}, {w - 10, 11}, {w - 10, 12}, {w - 11, 10}, {w - 12, 10},
        {10, h - 10}, {10, h - 11}, {10, h - 12}, {11, h - 10}, {12, h - 10},
        {w - 10, h - 10}, {w - 15, h - 15}, {w - 20, h - 20}, {w - 25, h - 25}, {w - 30, h - 30},
        {w / 4, h / 4}, {w / 4, h / 4 + 1}, {w / 4, h / 4 + 2}, {w / 4 + 1, h / 4}, {w / 4 + 2, h / 4},
        {w / 2, h / 2 + 1}, {w / 2, h / 2 + 2}, {w / 2 + 1, h / 2}, {w / 2 + 2, h / 2},
    };
    for (const QPoint& sample : samples) {
        if (getPixel(mono, sample.x(), sample.y(), reference) != reference)
            return false;
    }
    return true;
}

bool hasOneColor(const QPixmap& pixmap)
{
    return hasOneColor(pixmap.toImage());
}
