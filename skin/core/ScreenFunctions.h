#pragma once

#include <QRect>

class QWidget;

// True when a screen holds the rect whole (or, with `partly`, touches it at all).
bool isVisibleRect(const QRect& rect, bool partly);

// Centre a widget (by its frame) or a rect on its screen.
void centerOnScreen(QWidget* widget);
void centerOnScreen(QRect& rect);

// Size a widget to a share of its screen and centre it there.
void resizeOnScreen(QWidget* widget, int widthPercent, int heightPercent);
void resizeOnScreen(QWidget* widget, int percent);
