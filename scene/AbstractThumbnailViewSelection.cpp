// Finding items under a point, the selection, mouse routing and focus of AbstractThumbnailView.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QMouseEvent>

namespace {

// Probes points along a row from `x` by `step` while `inside(x)` holds. A step of 0
// (spacings below one pixel) or the wrong sign would never leave the row: only the
// first point is tried then.
template <typename Inside>
AbstractThumbnailItem* walkRow(const AbstractThumbnailView* view, int x, int y, int step, Inside inside)
{
    for (; inside(x); x += step) {
        if (AbstractThumbnailItem* item = view->locateItemAt(QPoint(x, y)))
            return item;
        if (step == 0)
            break;
    }
    return nullptr;
}

} // namespace

AbstractThumbnailItem* AbstractThumbnailView::locateItemAt(const QPoint& viewportPoint) const
{
    const QList<QGraphicsItem*> found = items(viewportPoint);
    for (QGraphicsItem* item : found) {
        if (item->type() == AbstractThumbnailItem::Type)
            return static_cast<AbstractThumbnailItem*>(item);
    }
    return nullptr;
}

AbstractThumbnailItem* AbstractThumbnailView::getTargetItem(const QPoint& p) const
{
    if (AbstractThumbnailItem* item = locateItemAt(p))
        return item;
    if (horizontalSpacing == 0.0 && verticalSpacing == 0.0)
        return nullptr;
    const int h = qAbs(int(horizontalSpacing));
    const int v = int(verticalSpacing);
    const int h2 = qAbs(int(2.0 * horizontalSpacing));
    const int v2 = int(2.0 * verticalSpacing);
    const int width = viewport()->rect().width();
    const auto fromLeftEdge = [](int x) { return x >= 1; };
    const auto fromZero = [](int x) { return x > 0; };
    const auto toRightEdge = [width](int x) { return x < width; };

    // The row of the point: left of it, then right of it.
    if (AbstractThumbnailItem* item = walkRow(this, p.x() - h, p.y(), -h2, fromLeftEdge))
        return item;
    if (AbstractThumbnailItem* item = walkRow(this, p.x() + h, p.y(), h2, toRightEdge))
        return item;
    // Rows above start left of the point, rows below right of it.
    const auto above = [&](int y) -> AbstractThumbnailItem* {
        if (AbstractThumbnailItem* item = walkRow(this, p.x() - h, y, -h2, fromLeftEdge))
            return item;
        return walkRow(this, p.x() - h, y, h2, toRightEdge);
    };
    const auto below = [&](int y) -> AbstractThumbnailItem* {
        if (AbstractThumbnailItem* item = walkRow(this, p.x() + h, y, -h2, fromZero))
            return item;
        return walkRow(this, p.x() + h, y, h2, toRightEdge);
    };
    if (AbstractThumbnailItem* item = above(p.y() - v))
        return item;
    if (AbstractThumbnailItem* item = below(p.y() + v))
        return item;
    if (AbstractThumbnailItem* item = above(p.y() - v2))
        return item;
    return below(p.y() + v2);
}

AbstractThumbnailItem* AbstractThumbnailView::itemAtCenter() const
{
    return getTargetItem(viewport()->rect().center());
}

AbstractThumbnailItem* AbstractThumbnailView::itemAt(int key, int index) const
{
    const CategoryItem* entry = categories.value(showCategories ? key : -1);
    if (!entry || index < 0 || index >= entry->items.count())
        return nullptr;
    return entry->items.at(index);
}

QList<AbstractThumbnailItem*> AbstractThumbnailView::getSelectedItems() const
{
    QList<AbstractThumbnailItem*> selected;
    const QList<AbstractThumbnailItem*> all = getAllItems();
    for (AbstractThumbnailItem* item : all) {
        if (item && item->isSelected())
            selected.append(item);
    }
    return selected;
}

AbstractThumbnailItem* AbstractThumbnailView::getSelectedItem() const
{
    return getFirstSelectedItem();
}

AbstractThumbnailItem* AbstractThumbnailView::getFirstSelectedItem() const
{
    const QList<AbstractThumbnailItem*> all = getAllItems();
    for (AbstractThumbnailItem* item : all) {
        if (item && item->isSelected())
            return item;
    }
    return nullptr;
}

void AbstractThumbnailView::selectAll()
{
    selectAll(-1, true);
}

void AbstractThumbnailView::selectAll(int key, bool recursive)
{
    if (!allowMultiSelection || !scene())
        return;
    scene()->clearSelection();
    const QList<AbstractThumbnailItem*> list = key == -1 && recursive ? getAllItems() : getItems(key, false, recursive);
    for (AbstractThumbnailItem* item : list) {
        if (!passesFilter(item))
            continue;
        item->setSelected(true);
        item->setFocus(Qt::OtherFocusReason);
    }
}

void AbstractThumbnailView::selectRange(const QList<AbstractThumbnailItem*>& items, int from, int to)
{
    const int first = qMax(0, qMin(from, to));
    const int last = qMin(items.count() - 1, qMax(from, to));
    for (int i = first; i <= last; ++i) {
        AbstractThumbnailItem* item = items.at(i);
        if (item && item->isSelectable() && passesFilter(item))
            item->setSelected(true);
    }
}

void AbstractThumbnailView::focusAndShow(AbstractThumbnailItem* item)
{
    item->setFocus(Qt::OtherFocusReason);
    if (item->isSelectable())
        item->setSelected(true);
    if (!item->isVisibleToView())
        ensureVisible(item, 0, 0);
}

void AbstractThumbnailView::mousePressEvent(QMouseEvent* event)
{
    QGraphicsView::mousePressEvent(event);
    // The category of the press is where new items go; the space below all rows
    // belongs to the last category.
    const QPoint pos = event->pos();
    const CategoryHeaderItem* header = locateCategoryHeaderAt(pos);
    const AbstractThumbnailItem* item = header ? nullptr : getTargetItem(pos);
    if (item)
        selectedCategoryKey = item->getCategoryKey();
    else if (header)
        selectedCategoryKey = header->getKey();
    else if (lastLaidOutCategory && lastLaidOutCategory->header)
        selectedCategoryKey = lastLaidOutCategory->header->getKey();
    else
        selectedCategoryKey = -1;
    forwardMouseEvent(event);
}

void AbstractThumbnailView::mouseMoveEvent(QMouseEvent* event)
{
    QGraphicsView::mouseMoveEvent(event);
    forwardMouseEvent(event);
}

void AbstractThumbnailView::mouseReleaseEvent(QMouseEvent* event)
{
    QGraphicsView::mouseReleaseEvent(event);
    forwardMouseEvent(event);
}

void AbstractThumbnailView::forwardMouseEvent(QMouseEvent* event)
{
    QWidget* owner = parentWidget();
    if (!owner)
        return;
    const QGraphicsItem* item = QGraphicsView::itemAt(event->pos());
    bool passOn = false;
    if (item) {
        if (item->type() != QGraphicsProxyWidget::Type) {
            const bool selectable = item->type() == AbstractThumbnailItem::Type
                ? static_cast<const AbstractThumbnailItem*>(item)->isSelectable()
                : bool(item->flags() & QGraphicsItem::ItemIsSelectable);
            passOn = !selectable;
        }
    } else {
        passOn = dragMode() == QGraphicsView::NoDrag;
    }
    if (!passOn)
        return;
    // The owner sees presses, moves and releases on empty space, in its own coordinates.
    const QPointF local = owner->mapFromGlobal(event->globalPos());
    QMouseEvent forwarded(event->type(), local, event->windowPos(), event->screenPos(), event->button(),
                          event->buttons(), event->modifiers(), Qt::MouseEventSynthesizedByApplication);
    QApplication::sendEvent(owner, &forwarded);
    // Delivered once: an ignored event would travel up to the owner a second time.
    event->accept();
}

void AbstractThumbnailView::focusInEvent(QFocusEvent* event)
{
    // The base would let the scene pick a focus item by its own tab order.
    if (!scene())
        return;
    const Qt::FocusReason reason = event->reason();
    const QGraphicsItem* focused = scene()->focusItem();
    // Otherwise the scene only gives back the focus it had: an editor opened while the
    // window was not active keeps the keys.
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
        QCoreApplication::sendEvent(scene(), event);
        const QGraphicsItem* restored = scene()->focusItem();
        if (restored && restored->type() == QGraphicsProxyWidget::Type)
            return;
    }
    if (focused && focused->type() == AbstractThumbnailItem::Type)
        return;
    AbstractThumbnailItem* item = getFirstSelectedItem();
    if (item) {
        item->setFocus(Qt::OtherFocusReason);
    } else {
        item = firstOrLastListed(true);
        if (!item)
            return;
        if (item->isSelectable()) {
            currentItem = item;
            item->setSelected(true);
        }
        item->setFocus(Qt::OtherFocusReason);
    }
    if (!item->isVisibleToView() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
        ensureVisible(item, 0, 0);
}
