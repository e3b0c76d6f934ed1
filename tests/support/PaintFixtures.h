#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>

// Pictures for the painting tests: plain ones to paint with and a canvas to paint on.

inline QPixmap solidPixmap(const QSize& size, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

inline QPixmap solidPixmap(int width, int height, const QColor& color)
{
    return solidPixmap(QSize(width, height), color);
}

// A transparent premultiplied image, as the painters find a window's backing store.
inline QImage transparentCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// How many pixels a painter touched: those not fully transparent.
inline int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
    return count;
}
