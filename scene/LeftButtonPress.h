#pragma once

class QGraphicsItem;
class QGraphicsSceneMouseEvent;

// The left-button press of a clickable scene item. Other buttons are ignored, so that
// they reach the items below.
class LeftButtonPress
{
public:
    explicit LeftButtonPress(QGraphicsItem& item);

    // Whether the event is the left button's; the item is then repainted pressed or
    // released.
    bool press(QGraphicsSceneMouseEvent* event);
    bool release(QGraphicsSceneMouseEvent* event);
    bool isPressed() const { return pressed; }

private:
    QGraphicsItem& item;
    bool pressed = false;
};
