#pragma once

#include <QString>

class QWidget;

// One line of text elided to the widget's width in the widget's font (getElidedText
// of TextFunctions.h); the text unchanged for a null widget.
QString getElidedText(const QString& text, Qt::TextElideMode mode, QWidget* widget);
