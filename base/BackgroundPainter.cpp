#include "BackgroundPainter.h"

#include "BoundedStreamReaders.h"

#include <QPainter>

BackgroundPainter::BackgroundPainter()
    : m_gradient(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient)
    , m_image(ImagePainter::Tile)
{
}

BackgroundPainter::BackgroundPainter(const QColor& fillColor)
    : BackgroundPainter()
{
    setFillColor(fillColor);
}

BackgroundPainter::BackgroundPainter(const BorderPainter& border)
    : BackgroundPainter()
{
    setBorderPainter(border);
}

BackgroundPainter::BackgroundPainter(const GradientPainter& gradient)
    : BackgroundPainter()
{
    setGradientPainter(gradient);
}

BackgroundPainter::BackgroundPainter(const ImagePainter& image)
    : BackgroundPainter()
{
    setImagePainter(image);
}

void BackgroundPainter::setFillColor(const QColor& color)
{
    m_fillColor = color;
    m_flags |= FillColor;
}

void BackgroundPainter::setBorderPainter(const BorderPainter& border)
{
    m_border = border;
    m_flags |= Border;
}

void BackgroundPainter::setGradientPainter(const GradientPainter& gradient)
{
    m_gradient = gradient;
    m_flags |= Gradient;
}

void BackgroundPainter::setImagePainter(const ImagePainter& image)
{
    m_image = image;
    m_flags |= Image;
}

QPainterPath BackgroundPainter::getPainterPath(const QRectF& rect) const
{
    return m_flags.testFlag(Border) ? m_border.painterPath(rect) : m_path;
}

void BackgroundPainter::paint(QPainter* painter, const QRectF& rect) const
{
    if (!painter || !m_flags)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = getPainterPath(rect);

    // Fixed order: a gloss gradient lies over the pattern, the border over everything.
    if (m_flags.testFlag(FillColor)) {
        if (shape.isEmpty())
            painter->fillRect(rect, m_fillColor);
        else
            painter->fillPath(shape, QBrush(m_fillColor));
    }
    if (m_flags.testFlag(Image))
        m_image.paint(painter, rect, shape);
    if (m_flags.testFlag(Gradient))
        m_gradient.paint(painter, rect, shape);
    if (m_flags.testFlag(Border))
        m_border.paint(painter, rect);
}

bool BackgroundPainter::operator==(const BackgroundPainter& other) const
{
    return m_path == other.m_path && m_flags == other.m_flags && m_fillColor == other.m_fillColor
        && m_border == other.m_border && m_gradient == other.m_gradient && m_image == other.m_image;
}

QDataStream& operator<<(QDataStream& stream, const BackgroundPainter& painter)
{
    return stream << painter.m_fillColor << painter.m_border << painter.m_gradient << painter.m_image
                  << painter.m_path << qint32(painter.m_flags);
}

QDataStream& operator>>(QDataStream& stream, BackgroundPainter& painter)
{
    BackgroundPainter read;
    qint32 flags = 0;
    readColor(stream, read.m_fillColor);
    stream >> read.m_border >> read.m_gradient >> read.m_image;
    readPainterPath(stream, read.m_path);
    stream >> flags;
    read.m_flags = BackgroundPainter::PainterFlags(flags);
    painter = stream.status() == QDataStream::Ok ? read : BackgroundPainter();
    return stream;
}
