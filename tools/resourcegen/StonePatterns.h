#pragma once

#include <QImage>

// Opaque brick courses and a translucent marble overlay.
namespace StonePatterns {

QImage bricks();
QImage lightMarble();

} // namespace StonePatterns
