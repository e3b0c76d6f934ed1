#include "TileImage.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace TileImage {

QImage render(const std::function<QColor(double u, double v)>& pixel, bool alpha)
{
    QImage image(TileSize, TileSize, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < TileSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < TileSize; ++x)
            line[x] = pixel((x + 0.5) / TileSize, (y + 0.5) / TileSize).rgba();
    }
    return image;
}

double clamp01(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor scaled(const QColor& color, double factor)
{
    return QColor::fromRgbF(clamp01(color.redF() * factor), clamp01(color.greenF() * factor),
                            clamp01(color.blueF() * factor), color.alphaF());
}

QColor overlay(double amount, const QColor& shade, const QColor& light, double shadeAlpha, double lightAlpha)
{
    QColor result = amount < 0.0 ? shade : light;
    const double alpha = amount < 0.0 ? clamp01(-amount) * shadeAlpha : clamp01(amount) * lightAlpha;
    result.setAlphaF(clamp01(alpha));
    return result;
}

QImage preview(const QImage& tile, const QColor& base)
{
    QImage image(tile.width() * 2, tile.height() * 2, QImage::Format_RGB32);
    image.fill(base);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QBrush(tile));
    return image;
}

} // namespace TileImage

namespace TileImage {

QColor over(const QColor& below, const QColor& above)
{
    const double a = above.alphaF();
    const double b = below.alphaF() * (1.0 - a);
    const double out = a + b;
    if (out <= 0.0)
        return QColor(0, 0, 0, 0);
    return QColor::fromRgbF((above.redF() * a + below.redF() * b) / out, (above.greenF() * a + below.greenF() * b) / out,
                            (above.blueF() * a + below.blueF() * b) / out, out);
}

} // namespace TileImage
