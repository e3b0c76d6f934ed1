#pragma once

#include "LookState.h"

#include <QDataStream>
#include <QPixmap>

#include <array>

// An image for each of the five look states. A plain copyable value.
class ImageResource : public LookState
{
public:
    ImageResource(const QPixmap& image = QPixmap());
    ImageResource(const QPixmap& normal, const QPixmap& selected, const QPixmap& hover,
                  const QPixmap& selectedHover, const QPixmap& disabled);

    // A null pixmap for a state outside 0..4.
    QPixmap operator[](State state) const;
    // Does nothing for a state outside 0..4.
    void setImage(State state, const QPixmap& image);

    bool operator==(const ImageResource& other) const;
    bool operator!=(const ImageResource& other) const { return !(*this == other); }

private:
    friend QDataStream& operator<<(QDataStream& stream, const ImageResource& resource);
    friend QDataStream& operator>>(QDataStream& stream, ImageResource& resource);

    std::array<QPixmap, StateCount> m_images;
};

QDataStream& operator<<(QDataStream& stream, const ImageResource& resource);
// A cut-off or hostile record reads as a default one, with the stream's status set.
QDataStream& operator>>(QDataStream& stream, ImageResource& resource);
