#include "MyCustomStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr int gripMinimumLength = 15;
const QColor gripDark(0, 0, 0, 130);
const QColor gripLight(255, 255, 255, 90);

GradientPainter horizontalGradient(std::initializer_list<GradientPainter::Stop> stops)
{
    GradientPainter gradient(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient);
    gradient.setType(Qt::Horizontal);
    for (const GradientPainter::Stop& stop : stops)
        gradient.setColorAt(stop.first, stop.second);
    return gradient;
}

bool isPressed(const QStyleOption* option)
{
    return option->state.testFlag(QStyle::State_Sunken);
}

bool isHorizontal(const QStyleOption* option)
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    return slider ? slider->orientation == Qt::Horizontal : option->state.testFlag(QStyle::State_Horizontal);
}

} // namespace

MyCustomStyle::MyCustomStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    , linePen(QBrush(QColor(0, 0, 0, 120)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin)
    , handleNormal(QStringLiteral(":/Resources/Images/customSliderHandleNormal.png"))
    , handleActive(QStringLiteral(":/Resources/Images/customSliderHandleActive.png"))
    , buttonGradient(horizontalGradient({{0.0, QColor(0, 0, 0, 60)},
                                         {0.05, QColor(255, 255, 255, 0)},
                                         {0.14, QColor(255, 255, 255, 85)},
                                         {0.18, QColor(255, 255, 255, 0)},
                                         {0.83, QColor(0, 0, 0, 0)},
                                         {1.0, QColor(0, 0, 0, 125)}}))
    , pressedGradient(horizontalGradient({{0.0, QColor(0, 0, 0, 110)},
                                          {0.15, QColor(0, 0, 0, 5)},
                                          {0.95, QColor(0, 0, 0, 5)},
                                          {1.0, QColor(0, 0, 0, 200)}}))
    , grooveGradient(horizontalGradient({{0.0, QColor(0, 0, 0, 110)},
                                         {0.7, QColor(0, 0, 0, 0)},
                                         {0.82, QColor(255, 255, 255, 0)},
                                         {1.0, QColor(255, 255, 255, 0)}}))
{
    GradientPainter grooveShade(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient);
    grooveShade.setColorAt(0.0, QColor(0, 0, 0, 170));
    grooveShade.setColorAt(0.85, QColor(0, 0, 0, 0));
    grooveShade.setColorAt(1.0, QColor(0, 0, 0, 0));
    sliderGroove.setBorderPainter(BorderPainter(0.0, 3.0, QColor(0, 0, 0, 110)));
    sliderGroove.setGradientPainter(grooveShade);
}

void MyCustomStyle::setForegroundColor(const QColor& color)
{
    arrowColor = color;
    linePen.setColor(QColor(color.red(), color.green(), color.blue(), 120));
}

void MyCustomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    switch (element) {
    case PE_FrameDefaultButton:
    case PE_FrameFocusRect:
    case PE_FrameLineEdit:
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

int MyCustomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (!handleNormal.isNull()) {
        if (metric == PM_SliderThickness || metric == PM_SliderControlThickness)
            return handleNormal.height();
        if (metric == PM_SliderLength)
            return handleNormal.width();
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void MyCustomStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    switch (element) {
    case CE_ScrollBarAddLine:
    case CE_ScrollBarSubLine:
        drawScrollBarButton(element, option, painter);
        return;
    case CE_ScrollBarSlider:
        drawScrollBarSlider(option, painter);
        return;
    case CE_ScrollBarAddPage:
    case CE_ScrollBarSubPage:
    case CE_ScrollBarFirst:
    case CE_ScrollBarLast:
    case CE_FocusFrame:
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

QRect MyCustomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl subControl, const QWidget* widget) const
{
    if (control == CC_ScrollBar) {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        // Horizontal bars keep the base style's geometry.
        if (slider && slider->orientation == Qt::Vertical)
            return verticalScrollBarRect(slider, subControl, widget);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

// Both arrow buttons sit below the groove, each as long as the bar is wide; the groove
// runs from the bar's top to the buttons. The sub-line (up) button takes the upper half
// of the space below the groove, the add-line (down) button the lower half.
QRect MyCustomStyle::verticalScrollBarRect(const QStyleOptionSlider* option, SubControl subControl,
                                           const QWidget* widget) const
{
    const QRect o = option->rect;
    const int buttonLength = qMax(0, qMin(o.width(), o.height() / 2));
    const QRect groove(o.left(), o.top(), o.width(), o.height() - 2 * buttonLength);

    const int grooveLength = groove.height();
    int sliderLength = grooveLength;
    if (option->maximum != option->minimum) {
        const qint64 range = qint64(option->maximum) - option->minimum;
        sliderLength = int(qint64(option->pageStep) * grooveLength / (range + option->pageStep));
        const int sliderMinimum = proxy()->pixelMetric(PM_ScrollBarSliderMin, option, widget);
        if (sliderLength < sliderMinimum || range > INT_MAX / 2)
            sliderLength = sliderMinimum;
        sliderLength = qMin(sliderLength, grooveLength);
    }
    const int sliderStart = sliderPositionFromValue(option->minimum, option->maximum, option->sliderPosition,
                                                    qMax(0, grooveLength - sliderLength), option->upsideDown);
    QRect slider(o.left(), groove.top() + sliderStart, o.width(), sliderLength);
    // The slider keeps clear of the bar's top line.
    slider.setTop(slider.top() + o.top() - groove.top() + 1);

    switch (subControl) {
    case SC_ScrollBarGroove:
        return groove;
    case SC_ScrollBarSlider:
        return slider;
    case SC_ScrollBarSubLine:
        return QRect(QPoint(o.left(), groove.bottom() + 1),
                     QPoint(o.right(), groove.bottom() + (o.bottom() - groove.bottom()) / 2));
    case SC_ScrollBarAddLine:
        return QRect(QPoint(o.left(), o.bottom() - (o.bottom() - groove.bottom()) / 2),
                     QPoint(o.right(), o.bottom() - 1));
    case SC_ScrollBarSubPage:
        return QRect(QPoint(o.left(), groove.top()), QPoint(o.right(), slider.top() - 1));
    case SC_ScrollBarAddPage:
        return QRect(QPoint(o.left(), slider.bottom() + 1), QPoint(o.right(), groove.bottom()));
    default:
        return QRect();
    }
}

void MyCustomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (slider && control == CC_ScrollBar)
        drawScrollBar(slider, painter, widget);
    else if (slider && control == CC_Slider)
        drawSlider(slider, painter, widget);
    else
        QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void MyCustomStyle::drawScrollBar(const QStyleOptionSlider* option, QPainter* painter,
                                  const QWidget* widget) const
{
    QStyleOptionSlider copy = *option;
    if (copy.minimum == copy.maximum)
        copy.state &= ~State_Enabled;

    const QRect r = option->rect;
    painter->save();
    background.paint(painter, QRectF(r));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(linePen);
    painter->drawLine(r.left(), r.top(), r.right(), r.top());
    painter->drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 1);
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (option->subControls.testFlag(SC_ScrollBarGroove)) {
        QRect groove = subControlRect(CC_ScrollBar, &copy, SC_ScrollBarGroove, widget);
        if (groove.isValid()) {
            groove.setRight(groove.right() - 1);
            grooveGradient.paint(painter, QRectF(groove));
        }
    }
    painter->restore();
    // The generic drawing asks this style for every part's rectangle and look.
    QCommonStyle::drawComplexControl(CC_ScrollBar, &copy, painter, widget);
}

void MyCustomStyle::drawScrollBarButton(ControlElement element, const QStyleOption* option,
                                        QPainter* painter) const
{
    painter->save();
    QRect r = option->rect;
    r.setTop(r.top() + 1);
    r.setRight(r.right() - 1);
    (isPressed(option) ? pressedGradient : buttonGradient).paint(painter, QRectF(r));

    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(linePen);
    painter->drawLine(r.left(), r.top() - 1, r.right(), r.top() - 1);
    painter->setRenderHint(QPainter::Antialiasing, true);

    const int x1 = r.left() + (r.width() - 8) / 2;
    const int y1 = r.top() + (r.height() - 8) / 2;
    const int x2 = x1 + 7;
    const int y2 = y1 + 7;
    const double tipX = x1 + (x2 - x1 + 1) / 2.0;
    const double tipY = y1 + (y2 - y1 + 1) / 2.0;
    const bool add = element == CE_ScrollBarAddLine;
    QPolygonF arrow;
    if (isHorizontal(option)) {
        // Arrows point along the bar.
        if (add)
            arrow << QPointF(x1 + 1, y1 + 1) << QPointF(x1 + 1, y2) << QPointF(x2 - 1, tipY);
        else
            arrow << QPointF(x2 - 1, y1 + 1) << QPointF(x2 - 1, y2) << QPointF(x1 + 1, tipY);
    } else if (add) {
        arrow << QPointF(x1 + 1, y1 + 1) << QPointF(x2, y1 + 1) << QPointF(tipX, y2 - 1);
    } else {
        arrow << QPointF(x1 + 1, y2 - 1) << QPointF(x2, y2 - 1) << QPointF(tipX, y1 + 1);
    }
    painter->setBrush(arrowColor);
    painter->setPen(QPen(QColor(arrowColor.red(), arrowColor.green(), arrowColor.blue(), 50), 0, Qt::SolidLine,
                         Qt::SquareCap, Qt::BevelJoin));
    painter->drawPolygon(arrow, Qt::OddEvenFill);
    painter->restore();
}

void MyCustomStyle::drawScrollBarSlider(const QStyleOption* option, QPainter* painter) const
{
    painter->save();
    QRect r = option->rect;
    r.setRight(r.right() - 1);
    (isPressed(option) ? pressedGradient : buttonGradient).paint(painter, QRectF(r));

    const bool horizontal = isHorizontal(option);
    const int length = horizontal ? r.width() : r.height();
    if (length >= gripMinimumLength) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        const QPen dark(gripDark, 1.0);
        const QPen light(gripLight, 1.0);
        if (horizontal) {
            const int x1 = r.left() + (r.width() - 8) / 2;
            const int y1 = r.top() + (r.height() - 7) / 2;
            for (int i = 0; i < 3; ++i) {
                painter->setPen(dark);
                painter->drawLine(x1 + 3 * i, y1, x1 + 3 * i, y1 + 6);
                painter->setPen(light);
                painter->drawLine(x1 + 3 * i + 1, y1, x1 + 3 * i + 1, y1 + 6);
            }
        } else {
            const int x1 = r.left() + (r.width() - 7) / 2;
            const int y1 = r.top() + (r.height() - 8) / 2;
            for (int i = 0; i < 3; ++i) {
                painter->setPen(dark);
                painter->drawLine(x1, y1 + 3 * i, x1 + 6, y1 + 3 * i);
                painter->setPen(light);
                painter->drawLine(x1, y1 + 3 * i + 1, x1 + 6, y1 + 3 * i + 1);
            }
        }
    }
    painter->restore();
}

void MyCustomStyle::drawSlider(const QStyleOptionSlider* option, QPainter* painter, const QWidget* widget) const
{
    painter->save();
    background.paint(painter, QRectF(option->rect));
    if (option->subControls.testFlag(SC_SliderGroove)) {
        const QRect groove = subControlRect(CC_Slider, option, SC_SliderGroove, widget);
        if (groove.isValid()) {
            // A slim bar 6 pixels thick, 9 pixels shorter than the groove.
            QRect bar = option->orientation == Qt::Horizontal ? QRect(0, 0, groove.width() - 9, 6)
                                                              : QRect(0, 0, 6, groove.height() - 9);
            bar.moveCenter(groove.center());
            sliderGroove.paint(painter, QRectF(bar));
        }
    }
    if (option->subControls.testFlag(SC_SliderHandle)) {
        const QRect handle = subControlRect(CC_Slider, option, SC_SliderHandle, widget);
        QStyleOptionSlider copy = *option;
        if (!option->activeSubControls.testFlag(SC_SliderHandle))
            copy.state &= ~(State_Sunken | State_MouseOver);
        const QPixmap& image = copy.state.testFlag(State_Sunken) ? handleActive : handleNormal;
        if (handle.isValid() && !image.isNull()) {
            QRect outline(QPoint(0, 0), image.size());
            outline.moveCenter(handle.center());
            outline.adjust(1, 1, -1, -1);
            QPainterPath ellipse;
            ellipse.addEllipse(QRectF(outline));
            BackgroundPainter(BorderPainter(ellipse, 0.0, QColor(0, 0, 0, 110))).paint(painter, QRectF(handle));
            BackgroundPainter(ImagePainter(image, ImagePainter::Center)).paint(painter, QRectF(handle));
        }
    }
    // No tick marks.
    painter->restore();
}
