#include "PenProperty.h"

#include "BoundedStreamReaders.h"
#include "ImageFunctions.h"

namespace {

// QPen compares texture brushes by identity; pens read back from a stream hold new
// textures with the same pixels.
bool samePens(const QPen& a, const QPen& b)
{
    const QBrush& brushA = a.brush();
    const QBrush& brushB = b.brush();
    if (brushA.style() != Qt::TexturePattern || brushB.style() != Qt::TexturePattern)
        return a == b;
    if (brushA.color() != brushB.color() || brushA.transform() != brushB.transform()
        || !samePixmaps(QPixmap::fromImage(brushA.textureImage()), QPixmap::fromImage(brushB.textureImage())))
        return false;
    QPen plainA = a;
    QPen plainB = b;
    plainA.setBrush(Qt::NoBrush);
    plainB.setBrush(Qt::NoBrush);
    return plainA == plainB;
}

} // namespace

PenProperty::PenProperty(const QPen& pen)
    : PenProperty(pen, pen, pen, pen, pen)
{
}

PenProperty::PenProperty(const QPen& normal, const QPen& selected, const QPen& hover, const QPen& selectedHover,
                         const QPen& disabled)
    : m_pens{normal, selected, hover, selectedHover, disabled}
{
}

QPen PenProperty::operator[](State state) const
{
    return isState(state) ? m_pens[state] : QPen();
}

bool PenProperty::operator==(const PenProperty& other) const
{
    for (int i = 0; i < StateCount; ++i) {
        if (!samePens(m_pens[i], other.m_pens[i]))
            return false;
    }
    return true;
}

QDataStream& operator<<(QDataStream& stream, const PenProperty& property)
{
    for (const QPen& pen : property.m_pens)
        stream << pen;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, PenProperty& property)
{
    PenProperty read;
    for (QPen& pen : read.m_pens) {
        if (!readPen(stream, pen))
            break;
    }
    property = stream.status() == QDataStream::Ok ? read : PenProperty();
    return stream;
}
