#include "ShelfReflection.h"

QImage shelfReflection(const QImage& source, int percent, int rows)
{
    const int h = source.height();
    const int w = source.width();
    rows = qMin(rows, h);
    if (w <= 0 || rows <= 0)
        return QImage();
    const QImage src = source.format() == QImage::Format_ARGB32 ? source
                                                                 : source.convertToFormat(QImage::Format_ARGB32);
    QImage result(w, rows, QImage::Format_ARGB32);
    for (int y = 0; y < rows; ++y) {
        const int factor = percent - (percent * y) / rows;
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(h - 1 - y));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = in[x];
            out[x] = qRgba(qRed(p), qGreen(p), qBlue(p), qBound(0, (qAlpha(p) * factor) / 100, 255));
        }
    }
    return result;
}
