#include "ColorFunctions.h"

#include <QWidget>

namespace {

void applyPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color,
                       std::initializer_list<QPalette::ColorGroup> groups)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : groups)
        palette.setColor(group, role, color);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

} // namespace

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    applyPaletteColor(widget, role, color, {QPalette::Active, QPalette::Inactive});
}

void setPaletteDisabledColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    applyPaletteColor(widget, role, color, {QPalette::Disabled});
}
