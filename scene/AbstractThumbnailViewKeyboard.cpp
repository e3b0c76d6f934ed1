// Keyboard moves and the Delete key of AbstractThumbnailView.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QPointer>

AbstractThumbnailItem* AbstractThumbnailView::searchFrom(QPoint start, const QPoint& step) const
{
    if (step.isNull())
        return nullptr;
    // The walk ends at the scene's edge.
    const QRectF area = sceneRect();
    for (;;) {
        start += step;
        if (!area.contains(mapToScene(start)))
            return nullptr;
        if (AbstractThumbnailItem* item = locateItemAt(start))
            return item;
    }
}

AbstractThumbnailItem* AbstractThumbnailView::firstOrLastListed(bool first) const
{
    const QList<AbstractThumbnailItem*> list = filterActive() ? filterList() : getAllItems();
    if (list.isEmpty())
        return nullptr;
    return first ? list.first() : list.last();
}

AbstractThumbnailItem* AbstractThumbnailView::keyTarget(int key, AbstractThumbnailItem* focus) const
{
    const QRect r = focus->viewBoundingRect();
    const QPoint g = focus->getGroundPos();
    const int iw = qMax(1, r.right() - r.left() + 1);
    const int ih = qMax(1, r.bottom() - r.top() + 1);
    const int h = int(horizontalSpacing);
    const auto vertical = [&](int dy) -> AbstractThumbnailItem* {
        const QPoint step(0, dy);
        AbstractThumbnailItem* target = searchFrom(g, step);
        if (!target && h != 0) {
            target = searchFrom(QPoint(g.x() - h, g.y()), step);
            if (!target)
                target = searchFrom(QPoint(g.x() + h, g.y()), step);
        }
        // A shorter row below or above may only be found under the item's left edge.
        if (!target)
            target = searchFrom(QPoint(r.left(), g.y()), step);
        return target;
    };
    const auto page = [&](int dy, bool toFirst) -> AbstractThumbnailItem* {
        const QPoint start(g.x(), g.y() + dy);
        AbstractThumbnailItem* target = locateItemAt(start);
        if (!target)
            target = searchFrom(start, QPoint(0, dy < 0 ? -ih : ih));
        return target ? target : firstOrLastListed(toFirst);
    };
    const int pageHeight = viewport()->height();
    switch (key) {
    case Qt::Key_Left:
        return searchFrom(g, QPoint(-iw, 0));
    case Qt::Key_Right:
        return searchFrom(g, QPoint(iw, 0));
    case Qt::Key_Up:
        return vertical(-ih);
    case Qt::Key_Down:
        return vertical(ih);
    case Qt::Key_PageUp:
        return page(-pageHeight, true);
    case Qt::Key_PageDown:
        return page(pageHeight, false);
    default:
        return nullptr;
    }
}

void AbstractThumbnailView::keyPressEvent(QKeyEvent* event)
{
    if (editing || !scene()) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    AbstractThumbnailItem* focus = nullptr;
    QGraphicsItem* focused = scene()->focusItem();
    if (focused && focused->type() == AbstractThumbnailItem::Type)
        focus = static_cast<AbstractThumbnailItem*>(focused);

    AbstractThumbnailItem* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Home:
        target = firstOrLastListed(true);
        break;
    case Qt::Key_End:
        target = firstOrLastListed(false);
        break;
    case Qt::Key_Delete:
        event->accept();
        deleteSelected();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!focus) {
            QGraphicsView::keyPressEvent(event);
            return;
        }
        target = keyTarget(event->key(), focus);
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
    if (target)
        moveKeyboardFocus(target, event->modifiers() & Qt::ShiftModifier);
}

void AbstractThumbnailView::moveKeyboardFocus(AbstractThumbnailItem* target, bool extend)
{
    scene()->clearSelection();
    if (extend) {
        // Shift keeps the anchor and selects everything between it and the target.
        const QList<AbstractThumbnailItem*> all = getAllItems();
        const int anchor = qMax(0, all.indexOf(currentItem));
        const int index = all.indexOf(target);
        if (index >= 0)
            selectRange(all, anchor, index);
    } else if (target->isSelectable()) {
        currentItem = target;
    }
    focusAndShow(target);
}

void AbstractThumbnailView::deleteSelected()
{
    const QList<AbstractThumbnailItem*> selected = getSelectedItems();
    if (selected.isEmpty())
        return;
    // The owner answers in its own code; an item it deletes there must not be touched again.
    QList<QPointer<AbstractThumbnailItem>> guarded;
    for (AbstractThumbnailItem* item : selected)
        guarded.append(item);
    // The place of the first item, which the item after it takes.
    const int key = showCategories ? selected.first()->getCategoryKey() : -1;
    const CategoryItem* entry = categories.value(key);
    const int pos = entry ? entry->items.indexOf(selected.first()) : -1;

    bool ok = false;
    emit deleteRequest(selected, &ok);
    if (!ok)
        return;
    QList<AbstractThumbnailItem*> leaving;
    for (const QPointer<AbstractThumbnailItem>& item : qAsConst(guarded)) {
        if (item)
            leaving.append(item);
    }
    deleteItems(leaving, false);
    resetModel();
    updateLayout();

    entry = categories.value(key);
    if (!entry || entry->items.isEmpty())
        return;
    if (AbstractThumbnailItem* next = entry->items.at(qBound(0, pos, entry->items.count() - 1)))
        focusAndShow(next);
}
