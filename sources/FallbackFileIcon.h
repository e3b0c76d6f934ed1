#pragma once

#include <QIcon>

// The program's own file and folder icons, drawn in code: used whenever neither the
// icon theme nor the platform has a picture, so no item ever stands without one.
QIcon fallbackFileIcon(bool folder);
