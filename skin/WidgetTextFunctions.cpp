#include "WidgetTextFunctions.h"

#include "TextFunctions.h"

#include <QWidget>

QString getElidedText(const QString& text, Qt::TextElideMode mode, QWidget* widget)
{
    if (!widget)
        return text;
    return getElidedText(text, widget->font(), mode, widget->width());
}
