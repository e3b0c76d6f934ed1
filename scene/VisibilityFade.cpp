#include "VisibilityFade.h"

#include <QGraphicsItem>

VisibilityFade::VisibilityFade(QGraphicsItem& item, bool animated)
    : item(item)
    , line(700)
    , animated(animated)
{
    line.setUpdateInterval(20);
    line.setCurveShape(QTimeLine::EaseInOutCurve);
}

VisibilityFade::VisibilityFade(QGraphicsItem& item, const VisibilityFade& other)
    : item(item)
    , line(other.line.duration())
    , animated(other.animated)
{
    line.setUpdateInterval(20);
    line.setCurveShape(other.line.curveShape());
}

void VisibilityFade::setValue(qreal value)
{
    current = value;
    item.update();
}

void VisibilityFade::finish()
{
    if (line.direction() == QTimeLine::Backward)
        item.setVisible(false);
}

void VisibilityFade::setAnimated(bool on)
{
    animated = on;
    if (on)
        return;
    line.stop();
    line.setCurrentTime(0);
    current = 0.0;
    item.update();
}

void VisibilityFade::setVisible(bool on)
{
    if (!animated) {
        item.setVisible(on);
        return;
    }
    // Fading out what shows nothing ends at once: thousands of items hidden together
    // would otherwise each run a time line.
    if (!on && current <= 0.0 && line.state() != QTimeLine::Running) {
        item.setVisible(false);
        return;
    }
    line.setDirection(on ? QTimeLine::Forward : QTimeLine::Backward);
    if (line.state() != QTimeLine::Running)
        line.resume();
    if (on)
        item.setVisible(true);
}
