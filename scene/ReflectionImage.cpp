#include "ReflectionImage.h"

#include <QtMath>

QImage reflectionImage(const QImage& source, int opacityPercent, double rows)
{
    const int h = source.height();
    const int w = source.width();
    const int count = int(qMin(double(h), rows));
    if (w <= 0 || count <= 0)
        return QImage();
    const QImage src = source.convertToFormat(QImage::Format_ARGB32);
    QImage result(w, count, QImage::Format_ARGB32);
    const double a0 = opacityPercent;
    const double span = qMin(double(h), rows);
    for (int y = 0; y < count; ++y) {
        const int factor = int(a0 - (a0 * y) / span);
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(h - 1 - y));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = in[x];
            out[x] = qRgba(qRed(p), qGreen(p), qBlue(p), (qAlpha(p) * factor) / 100);
        }
    }
    return result;
}
