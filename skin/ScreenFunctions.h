#pragma once

#include <QRect>
#include <QSize>

class QString;

class QWidget;

// True when a screen holds the rect whole (or, with `partly`, touches it at all).
bool isVisibleRect(const QRect& rect, bool partly);

// Centre a widget (by its frame) or a rect on its screen.
void centerOnScreen(QWidget* widget);
void centerOnScreen(QRect& rect);

// Size a widget to a share of its screen and centre it there.
void resizeOnScreen(QWidget* widget, int widthPercent, int heightPercent);
void resizeOnScreen(QWidget* widget, int percent);

// The size a panel's hidden size label gives as "width x height" ("340x455"), so a
// translation can give a panel another size; an invalid size for any other text.
QSize sizeFromText(const QString& text);
