#include "ColorFunctions.h"

#include <QWidget>

namespace {

int mergedComponent(int a, int b, int percent)
{
    return qBound(0, a * percent / 100 + b * (100 - percent) / 100, 255);
}

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

QColor mergedColors(const QColor& a, const QColor& b, int percent)
{
    QColor merged = a;
    merged.setRgb(mergedComponent(a.red(), b.red(), percent),
                  mergedComponent(a.green(), b.green(), percent),
                  mergedComponent(a.blue(), b.blue(), percent), a.alpha());
    return merged;
}

unsigned int getPixel(const QImage& image, int x, int y, unsigned int fallback)
{
    // Negative points are guarded too: the blank test samples them on small images.
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return fallback;
    return image.pixel(x, y);
}

bool hasOneColor(const QImage& image)
{
    const QImage mono = image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::OrderedDither);
    const int w = mono.width();
    const int h = mono.height();
    const unsigned int reference = getPixel(mono, w / 2, h / 2, 0);
    const QPoint samples[] = {
        {10, 10}, {15, 15}, {20, 20}, {25, 25}, {30, 30},
        {w - 10, 10}, {w - 10, 11}, {w - 10, 12}, {w - 11, 10}, {w - 12, 10},
        {10, h - 10}, {10, h - 11}, {10, h - 12}, {11, h - 10}, {12, h - 10},
        {w - 10, h - 10}, {w - 15, h - 15}, {w - 20, h - 20}, {w - 25, h - 25}, {w - 30, h - 30},
        {w / 4, h / 4}, {w / 4, h / 4 + 1}, {w / 4, h / 4 + 2}, {w / 4 + 1, h / 4}, {w / 4 + 2, h / 4},
        {w / 2, h / 2 + 1}, {w / 2, h / 2 + 2}, {w / 2 + 1, h / 2}, {w / 2 + 2, h / 2},
    };
    for (const QPoint& sample : samples) {
        if (getPixel(mono, sample.x(), sample.y(), reference) != reference)
            return false;
    }
    return true;
}

bool hasOneColor(const QPixmap& pixmap)
{
    return hasOneColor(pixmap.toImage());
}

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    applyPaletteColor(widget, role, color, {QPalette::Active, QPalette::Inactive});
}

void setPaletteDisabledColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    applyPaletteColor(widget, role, color, {QPalette::Disabled});
}
