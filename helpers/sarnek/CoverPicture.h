#pragma once

#include <QImage>
#include <QSize>

class MediaInput;

// The cover picture of a recording, fitted into a box and never enlarged, at bounded
// cost. A cover in a format Qt's image reader takes is read from its bytes by the
// same bounded reader as any picture (measured first, JPEG decoded at an eighth step,
// refused above the decoding bound); other formats, and covers that reader cannot
// make out, go to FFmpeg's decoder, with its own bound.
namespace CoverPicture {

// The picture of the still-picture stream `index` of `input`; a null image when it
// cannot be decoded or is refused.
QImage read(MediaInput& input, int index, const QSize& box);

} // namespace CoverPicture
