#pragma once

#include <QImage>

// The image mirrored upside down, `rows` high, fading from `opacityPercent` percent
// of the source alpha at its top towards 0 at its bottom. Colours stay; the result
// is non-premultiplied ARGB32.
QImage reflectionImage(const QImage& source, int opacityPercent, double rows);
