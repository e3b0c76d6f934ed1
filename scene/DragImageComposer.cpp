#include "DragImageComposer.h"

#include "AbstractThumbnailItem.h"
#include "ImageFunctions.h"

#include <QHash>
#include <QPainter>
#include <QtMath>

#include <climits>

DragImageComposer::Grid DragImageComposer::grid(const QList<AbstractThumbnailItem*>& items,
                                                const AbstractThumbnailItem* pressed, int maxSide)
{
    Grid result;
    const int n = items.size();
    if (n == 0 || !pressed)
        return result;
    const int cols = int(std::ceil(std::sqrt(double(n))));
    // An item without a size of its own (drawn unscaled) counts as the smallest cell.
    const QSize pressedSize = pressed->getDragImageSize();
    int w = pressedSize.width() > 0 ? pressedSize.width() : INT_MAX;
    int h = pressedSize.height() > 0 ? pressedSize.height() : INT_MAX;
    for (const AbstractThumbnailItem* item : items) {
        if (!item)
            continue;
        const QSize size = item->getDragImageSize();
        w = qMin(w, qMax(size.width(), 32));
        h = qMin(h, qMax(size.height(), 32));
    }
    if (w == INT_MAX || h == INT_MAX)
        w = h = 32;

    int W = 0;
    int H = 0;
    if (w <= 32) {
        W = cols * w;
        H = cols * h;
    } else {
        double f = ((cols - 1) * (-5.0) + 100.0) / 100.0 + 1.0;
        W = int(w * f);
        if (W / cols < 32) {
            W = cols * 32;
            f = double(W) / w;
        }
        H = int(f * h);
        w = W / cols;
        h = H / cols;
    }
    result.columns = cols;
    result.cellWidth = w;
    result.cellHeight = h;
    result.imageSize = QSize(W + Gap * cols, H + Gap * cols);
    const int longest = qMax(result.imageSize.width(), result.imageSize.height());
    if (maxSide > 0 && longest > maxSide)
        result.scale = double(maxSide) / longest;
    return result;
}

QImage DragImageComposer::compose(const QList<AbstractThumbnailItem*>& items, const AbstractThumbnailItem* pressed,
                                  int maxSide)
{
    const Grid g = grid(items, pressed, maxSide);
    if (g.columns == 0 || g.cellWidth <= 0 || g.cellHeight <= 0 || g.imageSize.isEmpty())
        return QImage();
    const double s = g.scale;
    const int imageWidth = g.imageSize.width();
    const int imageHeight = g.imageSize.height();
    QImage image(qMax(1, qRound(imageWidth * s)), qMax(1, qRound(imageHeight * s)),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QImage();
    image.fill(0);

    const int cellW = qMax(1, int(g.cellWidth * s));
    const int cellH = qMax(1, int(g.cellHeight * s));
    // Items often share one picture (the same icon); each is scaled once.
    QHash<qint64, QPixmap> scaled;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int x = 0;
    int y = 0;
    for (const AbstractThumbnailItem* item : items) {
        if (y + g.cellHeight > imageHeight)
            break;
        if (item) {
            QPixmap picture = item->getDragImage(true);
            if (!picture.isNull() && (picture.width() > cellW || picture.height() > cellH)) {
                const qint64 key = picture.cacheKey();
                auto found = scaled.constFind(key);
                if (found == scaled.constEnd())
                    found = scaled.insert(key, picture.scaled(cellW, cellH, Qt::KeepAspectRatio,
                                                              Qt::SmoothTransformation));
                picture = found.value();
            }
            if (!picture.isNull())
                painter.drawPixmap(QPoint(int(x * s), int(y * s)), picture);
        }
        x += g.cellWidth + Gap;
        if (x + g.cellWidth > imageWidth) {
            x = 0;
            y += g.cellHeight + Gap;
        }
    }
    painter.end();
    return alphaImage(image, 80);
}
