#pragma once

#include <QImage>

// The welcome wizard's pictures, drawn in a 48-unit box and scaled to `size`.
namespace WizardImages {

// A folder with a small screen on its front: the desktop's items.
QImage desktopFolder(int size);
// A folder with a grid of program tiles on its front: the applications.
QImage applicationsFolder(int size);
// A painter's palette with a brush: personalizing the cabinets.
QImage customize(int size);

} // namespace WizardImages
