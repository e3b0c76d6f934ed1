#include "PhotoFrame.h"

#include "ImagePainter.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

bool hasPhotoProportions(const QSize& size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return false;
    const double ratio = double(std::max(size.width(), size.height())) / double(std::min(size.width(), size.height()));
    return ratio == 4.0 / 3.0 || ratio == 1.6;
}

QImage framePhoto(const QImage& picture, int border, const QSize& box)
{
    QImage canvas(picture.width() + 2 * border, picture.height() + 2 * border, QImage::Format_RGB32);
    if (canvas.isNull())
        return QImage();
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        const ImagePainter framed(QPixmap::fromImage(picture), ImagePainter::Fit);
        framed.paint(&painter, QRectF(border, border, picture.width(), picture.height()), QPainterPath());
    }
    return canvas.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
