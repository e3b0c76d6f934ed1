#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>

class QIODevice;

// The EXIF orientation a camera or phone writes beside the picture (1 to 8: how the
// stored pixels are to be turned and mirrored to stand upright), read from the formats
// whose Qt readers leave it out or whose turn must match Dovalin's own JPEG decoder:
// a JPEG's APP1 segment, a PNG's eXIf chunk and a WebP's EXIF chunk. Reads only the
// headers, each segment and count checked against what the device holds, and puts
// the device's position back; damaged or missing data reads as no turn.
namespace ExifOrientation {

// The orientation found in the picture at the device's position, a JPEG, PNG or WebP
// file as its first bytes tell; 0 when there is none or it cannot be read. `container`,
// when given, is set to whether the picture is of one of those formats.
int read(QIODevice* device, bool* container = nullptr);

// The orientation in an EXIF block (a TIFF header and its first directory, without
// the "Exif\0\0" mark); 0 when there is none.
int fromExif(const QByteArray& exif);

// Qt's transformation for an orientation; none for 0, 1 and anything out of range.
QImageIOHandler::Transformations transformation(int orientation);

// `image` turned by `transformation` as Qt's image reader turns it: mirrored first,
// then rotated a quarter clockwise.
QImage transformed(const QImage& image, QImageIOHandler::Transformations transformation);

// True when the transformation swaps width and height.
inline bool swapsSides(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace ExifOrientation
