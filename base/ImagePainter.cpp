#include "ImagePainter.h"

#include "BoundedStreamReaders.h"
#include "ImageFunctions.h"
#include "ScaledPixmapCache.h"

#include <QPainter>

namespace {

bool scales(ImagePainter::Style style)
{
    return style == ImagePainter::Stretch || style == ImagePainter::Fit || style == ImagePainter::Fill;
}

ImagePainter::Style knownStyle(ImagePainter::Style style)
{
    return style >= ImagePainter::Stretch && style <= ImagePainter::BottomRight ? style : ImagePainter::Stretch;
}

} // namespace

ImagePainter::ImagePainter(Style style)
    : ImagePainter(QPixmap(), style)
{
}

ImagePainter::ImagePainter(const QPixmap& image, Style style)
    : m_style(style)
    , m_image(image)
    , m_cache(new ScaledPixmapCache)
{
}

void ImagePainter::setStyle(Style style)
{
    m_style = style;
    m_cache.reset(new ScaledPixmapCache);
}

void ImagePainter::setImage(const QPixmap& image)
{
    m_image = image;
    m_cache.reset(new ScaledPixmapCache);
}

QSize ImagePainter::scaledSize(const QSizeF& target) const
{
    const QSize whole(qRound(target.width()), qRound(target.height()));
    switch (knownStyle(m_style)) {
    case Fit:
        return m_image.size().scaled(whole, Qt::KeepAspectRatio);
    case Fill:
        return m_image.size().scaled(whole, Qt::KeepAspectRatioByExpanding);
    case Stretch:
        return whole;
    default:
        return m_image.size();
    }
}

QPixmap ImagePainter::scaledPixmap(const QSize& target) const
{
    if (m_cache->holds(target))
        return m_cache->pixmap();
    // The target already keeps the aspect ratio where the style asks for it.
    const QPixmap scaled = m_image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_cache->store(target, scaled);
    return scaled;
}

QRectF ImagePainter::targetRect(const QRectF& rect) const
{
    if (m_image.isNull())
        return QRectF();
    const Style style = knownStyle(m_style);
    if (style == Tile)
        return rect;
    const QSizeF size = scaledSize(rect.size());
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    const double pw = size.width();
    const double ph = size.height();
    const double centreX = x + w / 2 - pw / 2;
    const double centreY = y + h / 2 - ph / 2;
    QPointF topLeft(x, y);
    switch (style) {
    case Fit:
    case Fill:
    case Center:
        topLeft = QPointF(centreX, centreY);
        break;
    case CenterTop:
        topLeft = QPointF(centreX, y);
        break;
    case CenterRight:
        topLeft = QPointF(x + w - pw, centreY);
        break;
    case CenterBottom:
        topLeft = QPointF(centreX, y + h - ph);
        break;
    case CenterLeft:
        topLeft = QPointF(x, centreY);
        break;
    case TopRight:
        topLeft = QPointF(x + w - pw, y);
        break;
    case BottomLeft:
        topLeft = QPointF(x, y + h - ph);
        break;
    case BottomRight:
        topLeft = QPointF(x + w - pw, y + h - ph);
        break;
    default: // Stretch, TopLeft
        break;
    }
    return QRectF(topLeft, size);
}

void ImagePainter::paint(QPainter* painter, const QRectF& rect, const QPainterPath& clip) const
{
    if (!painter || m_image.isNull())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!clip.isEmpty())
        painter->setClipPath(clip, Qt::IntersectClip);
    if (knownStyle(m_style) == Tile) {
        painter->drawTiledPixmap(rect, m_image, QPointF(0, 0));
    } else {
        const QRectF target = targetRect(rect);
        if (!scales(knownStyle(m_style))) {
            painter->drawPixmap(target.topLeft(), m_image);
        } else if (!target.size().toSize().isEmpty()) {
            painter->drawPixmap(target.topLeft(), scaledPixmap(target.size().toSize()));
        }
    }
    painter->restore();
}

bool ImagePainter::operator==(const ImagePainter& other) const
{
    return m_style == other.m_style && samePixmaps(m_image, other.m_image);
}

QDataStream& operator<<(QDataStream& stream, const ImagePainter& painter)
{
    return stream << painter.image() << qint32(painter.style());
}

QDataStream& operator>>(QDataStream& stream, ImagePainter& painter)
{
    QPixmap image;
    qint32 style = 0;
    readPixmap(stream, image);
    stream >> style;
    painter = stream.status() == QDataStream::Ok ? ImagePainter(image, ImagePainter::Style(style)) : ImagePainter();
    return stream;
}
