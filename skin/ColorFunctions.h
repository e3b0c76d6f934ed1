#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Set a palette role in the Active and Inactive groups (or the Disabled group only).
// The Window role also turns on the widget's auto-fill background.
void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
void setPaletteDisabledColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
