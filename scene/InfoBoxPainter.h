#pragma once

#include "BackgroundPainter.h"

#include <QColor>

// The look of the cabinet's name tags and callouts: a rounded box filled and outlined
// in one colour.
BackgroundPainter infoBoxPainter(const QColor& color);
