#include "InfoBoxPainter.h"

BackgroundPainter infoBoxPainter(const QColor& color)
{
    BackgroundPainter painter(GradientPainter(color, color, Qt::Vertical, QGradient::LinearGradient));
    painter.setBorderPainter(BorderPainter(0.0, 8.0, color));
    return painter;
}
