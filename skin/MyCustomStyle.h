#pragma once

#include "BackgroundPainter.h"
#include "GradientPainter.h"

#include <QPen>
#include <QPixmap>
#include <QProxyStyle>

class QStyleOptionSlider;

// The cabinet's widget style over Fusion: thin translucent scroll bars with gradient
// buttons and a grip, sliders with a slim rounded groove and an image handle, and no
// focus, default-button or line-edit frames. Everything else is Fusion's.
class MyCustomStyle : public QProxyStyle
{
    Q_OBJECT

public:
    MyCustomStyle();

    // Painted under scroll bars and sliders; paints nothing by default.
    void setBackgroundPainter(const BackgroundPainter& painter) { background = painter; }
    const BackgroundPainter& backgroundPainter() const { return background; }
    // The colour of the scroll-bar arrows and lines.
    void setForegroundColor(const QColor& color);
    QColor foregroundColor() const { return arrowColor; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    QRect verticalScrollBarRect(const QStyleOptionSlider* option, SubControl subControl,
                                const QWidget* widget) const;
    void drawScrollBar(const QStyleOptionSlider* option, QPainter* painter, const QWidget* widget) const;
    void drawScrollBarButton(ControlElement element, const QStyleOption* option, QPainter* painter) const;
    void drawScrollBarSlider(const QStyleOption* option, QPainter* painter) const;
    void drawSlider(const QStyleOptionSlider* option, QPainter* painter, const QWidget* widget) const;

    QColor arrowColor;
    QPen linePen;
    QPixmap handleNormal;
    QPixmap handleActive;
    BackgroundPainter sliderGroove;
    GradientPainter buttonGradient;
    GradientPainter pressedGradient;
    GradientPainter grooveGradient;
    BackgroundPainter background;
};
