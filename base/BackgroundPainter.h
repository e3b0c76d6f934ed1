#pragma once

#include "BorderPainter.h"
#include "GradientPainter.h"
#include "ImagePainter.h"

#include <QColor>
#include <QDataStream>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// How a skinned surface is drawn: up to four layers, each switched on by a flag and
// always painted in the order fill colour, image, gradient, border. Setters only ever
// switch a layer on; setPainterFlags is the way to switch one off. A plain copyable value.
class BackgroundPainter
{
public:
    enum PainterFlag : int { Border = 1, FillColor = 2, Gradient = 4, Image = 8 };
    Q_DECLARE_FLAGS(PainterFlags, PainterFlag)

    BackgroundPainter();
    BackgroundPainter(const QColor& fillColor);
    BackgroundPainter(const BorderPainter& border);
    BackgroundPainter(const GradientPainter& gradient);
    BackgroundPainter(const ImagePainter& image);

    void setFillColor(const QColor& color);
    void setBorderPainter(const BorderPainter& border);
    void setGradientPainter(const GradientPainter& gradient);
    void setImagePainter(const ImagePainter& image);
    void setPainterFlags(PainterFlags flags) { m_flags = flags; }
    void setPainterPath(const QPainterPath& path) { m_path = path; }

    PainterFlags painterFlags() const { return m_flags; }
    const QColor& fillColor() const { return m_fillColor; }
    const BorderPainter& borderPainter() const { return m_border; }
    const GradientPainter& gradientPainter() const { return m_gradient; }
    const ImagePainter& imagePainter() const { return m_image; }
    const QPainterPath& painterPath() const { return m_path; }

    // The border's shape for `rect` when the border layer is on, else the own path.
    QPainterPath getPainterPath(const QRectF& rect) const;

    // Leaves antialiasing switched on.
    void paint(QPainter* painter, const QRectF& rect) const;

    bool operator==(const BackgroundPainter& other) const;
    bool operator!=(const BackgroundPainter& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const BackgroundPainter& painter);
    friend QDataStream& operator>>(QDataStream& stream, BackgroundPainter& painter);

    QPainterPath m_path;
    PainterFlags m_flags;
    QColor m_fillColor;
    BorderPainter m_border;
    GradientPainter m_gradient;
    ImagePainter m_image;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(BackgroundPainter::PainterFlags)

QDataStream& operator<<(QDataStream& stream, const BackgroundPainter& painter);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, BackgroundPainter& painter);
