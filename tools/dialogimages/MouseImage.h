#pragma once

#include <QImage>

namespace MouseImage {

// A two-button mouse seen from above with its right button lit, on a transparent
// square: the click that opens the shortcut menus.
QImage mouse(int size);

} // namespace MouseImage
