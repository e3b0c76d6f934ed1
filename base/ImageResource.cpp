#include "ImageResource.h"

#include "BoundedStreamReaders.h"
#include "ImageFunctions.h"

ImageResource::ImageResource(const QPixmap& image)
    : ImageResource(image, image, image, image, image)
{
}

ImageResource::ImageResource(const QPixmap& normal, const QPixmap& selected, const QPixmap& hover,
                             const QPixmap& selectedHover, const QPixmap& disabled)
    : m_images{normal, selected, hover, selectedHover, disabled}
{
}

QPixmap ImageResource::operator[](State state) const
{
    return isState(state) ? m_images[state] : QPixmap();
}

void ImageResource::setImage(State state, const QPixmap& image)
{
    if (isState(state))
        m_images[state] = image;
}

bool ImageResource::operator==(const ImageResource& other) const
{
    for (int i = 0; i < StateCount; ++i) {
        if (!samePixmaps(m_images[i], other.m_images[i]))
            return false;
    }
    return true;
}

QDataStream& operator<<(QDataStream& stream, const ImageResource& resource)
{
    for (const QPixmap& image : resource.m_images)
        stream << image;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, ImageResource& resource)
{
    ImageResource read;
    for (QPixmap& image : read.m_images) {
        if (!readPixmap(stream, image))
            break;
    }
    resource = stream.status() == QDataStream::Ok ? read : ImageResource();
    return stream;
}
