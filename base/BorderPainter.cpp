#include "BorderPainter.h"

#include "BorderPathFunctions.h"
#include "BoundedStreamReaders.h"
#include "ImageFunctions.h"

#include <QPainter>

namespace {

void drawTiled(QPainter* painter, const QRectF& target, const QPixmap& pixmap)
{
    // A rect too small for its corners leaves no room for the edge.
    if (!pixmap.isNull() && target.width() > 0 && target.height() > 0)
        painter->drawTiledPixmap(target, pixmap, QPointF(0, 0));
}

void drawCorner(QPainter* painter, const QPointF& topLeft, const QPixmap& pixmap)
{
    if (!pixmap.isNull())
        painter->drawPixmap(topLeft, pixmap);
}

} // namespace

BorderPainter::BorderPainter()
    : BorderPainter(0.0, 0.0, QColor())
{
}

BorderPainter::BorderPainter(double width, double radius, const QColor& color)
    : m_width(width)
    , m_radius(radius)
    , m_color(color)
    , m_clipImages(false)
{
}

BorderPainter::BorderPainter(const QPainterPath& path, double width, const QColor& color)
    : BorderPainter(width, 0.0, color)
{
    m_path = path;
}

void BorderPainter::setImages(const QPixmap& topLeft, const QPixmap& top, const QPixmap& topRight,
                              const QPixmap& right, const QPixmap& bottomRight, const QPixmap& bottom,
                              const QPixmap& bottomLeft, const QPixmap& left, bool clip)
{
    m_images = {topLeft, top, topRight, right, bottomRight, bottom, bottomLeft, left};
    m_clipImages = clip;
}

QPixmap BorderPainter::image(int index) const
{
    return index >= 0 && index < ImageCount ? m_images[index] : QPixmap();
}

QPainterPath BorderPainter::painterPath(const QRectF& rect) const
{
    return m_path.isEmpty() ? getRoundRectPath(rect, m_width, m_radius) : m_path;
}

void BorderPainter::paint(QPainter* painter, const QRectF& rect) const
{
    if (!painter)
        return;
    const QPainterPath shape = painterPath(rect);
    if (m_clipImages) {
        painter->save();
        if (!shape.isEmpty())
            painter->setClipPath(shape, Qt::IntersectClip);
    }
    painter->setRenderHint(QPainter::Antialiasing);

    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    // A null image measures 0 by 0, so the neighbouring edge runs into its corner.
    const QPixmap& topLeft = m_images[TopLeftImage];
    const QPixmap& top = m_images[TopImage];
    const QPixmap& topRight = m_images[TopRightImage];
    const QPixmap& right = m_images[RightImage];
    const QPixmap& bottomRight = m_images[BottomRightImage];
    const QPixmap& bottom = m_images[BottomImage];
    const QPixmap& bottomLeft = m_images[BottomLeftImage];
    const QPixmap& left = m_images[LeftImage];

    drawCorner(painter, QPointF(x, y), topLeft);
    drawTiled(painter, QRectF(x + topLeft.width(), y, w - topLeft.width() - topRight.width(), top.height()), top);
    drawCorner(painter, QPointF(x + w - topRight.width(), y), topRight);
    drawTiled(painter, QRectF(x, y + topLeft.height(), left.width(), h - topLeft.height() - bottomLeft.height()),
              left);
    drawCorner(painter, QPointF(x, y + h - bottomLeft.height()), bottomLeft);
    drawTiled(painter,
              QRectF(x + bottomLeft.width(), y + h - bottom.height(), w - bottomLeft.width() - bottomRight.width(),
                     bottom.height()),
              bottom);
    drawCorner(painter, QPointF(x + w - bottomRight.width(), y + h - bottomRight.height()), bottomRight);
    drawTiled(painter,
              QRectF(x + w - right.width(), y + topRight.height(), right.width(),
                     h - topRight.height() - bottomRight.height()),
              right);

    if (m_clipImages)
        painter->restore();

    if (m_color.isValid()) {
        painter->setBrush(Qt::NoBrush);
        const bool round = m_radius > 1.0;
        painter->setPen(QPen(QBrush(m_color), m_width, Qt::SolidLine, round ? Qt::RoundCap : Qt::FlatCap,
                             round ? Qt::RoundJoin : Qt::MiterJoin));
        painter->drawPath(shape);
    }
}

bool BorderPainter::operator==(const BorderPainter& other) const
{
    if (m_width != other.m_width || m_radius != other.m_radius || m_color != other.m_color
        || m_clipImages != other.m_clipImages || m_path != other.m_path)
        return false;
    for (int i = 0; i < ImageCount; ++i) {
        if (!samePixmaps(m_images[i], other.m_images[i]))
            return false;
    }
    return true;
}

QDataStream& operator<<(QDataStream& stream, const BorderPainter& painter)
{
    stream << painter.m_width << painter.m_radius << painter.m_color;
    for (const QPixmap& image : painter.m_images)
        stream << image;
    return stream << painter.m_clipImages << painter.m_path;
}

QDataStream& operator>>(QDataStream& stream, BorderPainter& painter)
{
    BorderPainter read;
    stream >> read.m_width >> read.m_radius;
    readColor(stream, read.m_color);
    for (QPixmap& image : read.m_images) {
        if (!readPixmap(stream, image))
            break;
    }
    stream >> read.m_clipImages;
    readPainterPath(stream, read.m_path);
    painter = stream.status() == QDataStream::Ok ? read : BorderPainter();
    return stream;
}
