#pragma once

#include <QImage>

// The small control images of the skin, drawn from scratch.
namespace SkinControlImages {

// 18 by 18 dark discs behind the close button's cross: resting and pressed.
QImage circularButton(bool pressed);

// 18 by 18 slider knobs, about 16 pixels round, with transparent corners: resting and pressed.
QImage sliderHandle(bool pressed);

} // namespace SkinControlImages
