#pragma once

#include <QTimeLine>

class QGraphicsItem;

// The fade of a scene item that is shown or hidden: a time line from transparent to
// opaque that keeps its place between runs, so that a reversed fade goes on from what
// is shown, and that hides the item at the end of a fade-out. Without the animation
// the item's visibility changes at once.
class VisibilityFade
{
public:
    VisibilityFade(QGraphicsItem& item, bool animated);
    // A fade for `item` with the animation switch, length and curve of `other`, at its start.
    VisibilityFade(QGraphicsItem& item, const VisibilityFade& other);

    VisibilityFade(const VisibilityFade&) = delete;
    VisibilityFade& operator=(const VisibilityFade&) = delete;

    // The item passes the time line's valueChanged() to setValue() and its finished()
    // to finish().
    QTimeLine* timeLine() { return &line; }
    void setValue(qreal value);
    void finish();

    // Switched off, a running fade stops and the item is drawn as it is.
    void setAnimated(bool on);
    bool isAnimated() const { return animated; }
    void setDuration(int ms) { line.setDuration(ms); }
    void setCurveShape(QTimeLine::CurveShape shape) { line.setCurveShape(shape); }
    void setVisible(bool on);
    qreal value() const { return current; }

private:
    QGraphicsItem& item;
    QTimeLine line;
    qreal current = 0.0;
    bool animated;
};
