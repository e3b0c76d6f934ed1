#pragma once

#include <QImage>

// The bottom `rows` rows of `source` mirrored upside down, as non-premultiplied ARGB32.
// Row y keeps each pixel's colour and takes its alpha times
// (percent - percent * y / rows) / 100, all in whole numbers, so the top row of an
// opaque picture at 100 percent stays fully opaque. Null when there is nothing to mirror.
QImage shelfReflection(const QImage& source, int percent, int rows);
