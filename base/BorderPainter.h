#pragma once

#include <QColor>
#include <QDataStream>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>

#include <array>

class QPainter;

// The border layer of a background: an outline (by default the rect inset by half the
// pen width, rounded by the radius) and up to eight images laid round the rect's edge.
// A plain copyable value.
class BorderPainter
{
public:
    // Image slots, clockwise from the top-left corner.
    enum ImageIndex : int {
        TopLeftImage = 0,
        TopImage,
        TopRightImage,
        RightImage,
        BottomRightImage,
        BottomImage,
        BottomLeftImage,
        LeftImage,
        ImageCount
    };

    BorderPainter();
    BorderPainter(double width, double radius, const QColor& color);
    BorderPainter(const QPainterPath& path, double width, const QColor& color);

    void setWidth(double width) { m_width = width; }
    void setRadius(double radius) { m_radius = radius; }
    void setColor(const QColor& color) { m_color = color; }
    void setPath(const QPainterPath& path) { m_path = path; }
    void setImages(const QPixmap& topLeft, const QPixmap& top, const QPixmap& topRight, const QPixmap& right,
                   const QPixmap& bottomRight, const QPixmap& bottom, const QPixmap& bottomLeft,
                   const QPixmap& left, bool clip);

    double width() const { return m_width; }
    double radius() const { return m_radius; }
    const QColor& color() const { return m_color; }
    bool clipImages() const { return m_clipImages; }
    const QPainterPath& path() const { return m_path; }
    // A null pixmap for an index outside 0..7.
    QPixmap image(int index) const;

    // The own path when set, else the default rounded rectangle for `rect`.
    QPainterPath painterPath(const QRectF& rect) const;

    // Draws the images against the outer rect, then strokes the shape when the colour
    // is valid. Leaves the pen and brush set on the painter.
    void paint(QPainter* painter, const QRectF& rect) const;

    bool operator==(const BorderPainter& other) const;
    bool operator!=(const BorderPainter& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const BorderPainter& painter);
    friend QDataStream& operator>>(QDataStream& stream, BorderPainter& painter);

    double m_width;
    double m_radius;
    QColor m_color;
    bool m_clipImages;
    QPainterPath m_path;
    std::array<QPixmap, ImageCount> m_images;
};

QDataStream& operator<<(QDataStream& stream, const BorderPainter& painter);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, BorderPainter& painter);
