#pragma once

#include <QGraphicsItem>
#include <QVariant>

// Passes a change of the item's visibility or enabled state on to its own visible()
// and enabled() signals; the change itself goes through unaltered.
template <typename Item>
QVariant reportStateChange(Item* item, QGraphicsItem::GraphicsItemChange change, const QVariant& value)
{
    if (change == QGraphicsItem::ItemVisibleChange)
        emit item->visible(item, value.toBool());
    else if (change == QGraphicsItem::ItemEnabledChange)
        emit item->enabled(item, value.toBool());
    return value;
}
