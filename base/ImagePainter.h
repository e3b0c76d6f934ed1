#pragma once

#include <QDataStream>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QSharedPointer>

class QPainter;
class ScaledPixmapCache;

// The image layer of a background: a pixmap and how it is placed in a rectangle.
// A plain copyable value; copies share the scaled pixmap of the last size painted.
class ImagePainter
{
public:
    // Any other value places like Stretch.
    enum Style : qint32 {
        Stretch = 0,
        Fit,
        Fill,
        Tile,
        Center,
        CenterTop,
        CenterRight,
        CenterBottom,
        CenterLeft,
        TopLeft,
        TopRight,
        BottomLeft,
        BottomRight
    };

    ImagePainter(Style style = Stretch);
    ImagePainter(const QPixmap& image, Style style);

    void setStyle(Style style);
    void setImage(const QPixmap& image);
    Style style() const { return m_style; }
    const QPixmap& image() const { return m_image; }

    // Where the pixmap lands for a rect and its size after scaling; fractions are kept.
    // Tile gives the rect itself; a null pixmap gives an empty rect.
    QRectF targetRect(const QRectF& rect) const;

    // Draws the pixmap, clipped to `clip` when that is not empty. Fill may cover more
    // than the rect: only the clip cuts it.
    void paint(QPainter* painter, const QRectF& rect, const QPainterPath& clip = QPainterPath()) const;

    // Style and pixels; the cache plays no part.
    bool operator==(const ImagePainter& other) const;
    bool operator!=(const ImagePainter& other) const { return !(*this == other); }

private:
    friend QDataStream& operator>>(QDataStream& stream, ImagePainter& painter);

    QSize scaledSize(const QSizeF& target) const;
    QPixmap scaledPixmap(const QSize& size) const;

    Style m_style;
    QPixmap m_image;
    QSharedPointer<ScaledPixmapCache> m_cache;
};

QDataStream& operator<<(QDataStream& stream, const ImagePainter& painter);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, ImagePainter& painter);
