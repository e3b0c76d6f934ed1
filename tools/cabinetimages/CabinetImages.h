#pragma once

#include <QImage>

// The cabinet's own images, drawn from scratch.
namespace CabinetImages {

// The corners of both frame drawings are this many pixels square.
constexpr int frameCorner = 10;

// The rounded frame round the search field, drawn for a field 23 pixels high: an
// outline, a light lower rim and a faint inner shadow over the white fill that the
// field paints itself (4 pixels of border, corners rounded by 10).
QImage searchFrame();

// A shadow falling inwards from the edge of a rectangle rounded by 10 pixels.
QImage innerShadowFrame();

// 16 by 16 magnifier of the search button.
QImage searchIcon();
// 16 by 16 grey disc with a light cross: empties the field.
QImage clearIcon();
// 22 by 16 magnifier with a small drop arrow: the cabinet's search menu.
QImage searchMenuIcon();

// 20 by 20 dark discs behind the cabinet's close cross: resting and pressed.
QImage closeButton(bool pressed);

} // namespace CabinetImages
