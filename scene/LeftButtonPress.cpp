#include "LeftButtonPress.h"

#include <QGraphicsItem>
#include <QGraphicsSceneMouseEvent>

LeftButtonPress::LeftButtonPress(QGraphicsItem& item)
    : item(item)
{
}

bool LeftButtonPress::press(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return false;
    }
    pressed = true;
    item.update();
    return true;
}

bool LeftButtonPress::release(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return false;
    }
    pressed = false;
    item.update();
    return true;
}
