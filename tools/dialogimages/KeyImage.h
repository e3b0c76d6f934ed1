#pragma once

#include <QImage>

namespace KeyImage {

// A brass key lying diagonally, bow at the top left, on a transparent square.
QImage key(int size);

} // namespace KeyImage
