// Drag and drop of AbstractThumbnailView: starting drags, the internal drag format,
// the drop indicator and carrying out drops.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"
#include "DragImageComposer.h"
#include "DropIndicatorItem.h"
#include "PasteboardUrls.h"
#include "StreamLimits.h"
#include "ThumbnailViewRegistry.h"

#include <QCursor>
#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QHash>
#include <QMimeData>
#include <QTimer>

void AbstractThumbnailView::startDrag(AbstractThumbnailItem* item, QGraphicsSceneMouseEvent* event)
{
    if (!dragsAccepted || !scene() || !item || !event)
        return;
    if (allowItemSelection && !item->isSelected()) {
        scene()->clearSelection();
        item->setFocus(Qt::OtherFocusReason);
        item->setSelected(true);
    }
    QList<AbstractThumbnailItem*> dragged;
    const QList<AbstractThumbnailItem*> all = getAllItems();
    for (AbstractThumbnailItem* candidate : all) {
        if (candidate && candidate->isSelected() && candidate->acceptDrags())
            dragged.append(candidate);
    }
    if (dragged.isEmpty())
        return;

    QWidget* source = event->widget() ? event->widget() : viewport();
    auto* drag = new QDrag(source);
    drag->setMimeData(getDragMimeData(dragged));
    QPixmap pixmap;
    QPoint hotSpot(32, 32);
    if (dragged.count() < 2) {
        pixmap = item->getDragImage(false);
        hotSpot = item->mapToDragImage(event->buttonDownPos(Qt::LeftButton));
    } else {
        pixmap = QPixmap::fromImage(DragImageComposer::compose(dragged, item));
    }
    if (!pixmap.isNull())
        drag->setPixmap(pixmap);
    drag->setHotSpot(hotSpot);
    // The receiving view moves the items itself; the result tells nothing more.
    drag->exec(Qt::CopyAction);
}

QMimeData* AbstractThumbnailView::getDragMimeData(QList<AbstractThumbnailItem*> items)
{
    auto* data = new QMimeData;
    emit setMimeData(items, data);

    // Where each item is filed, found in one pass over the lists.
    QHash<const AbstractThumbnailItem*, QPair<int, int>> places;
    for (const CategoryItem* entry : qAsConst(categories)) {
        if (!entry)
            continue;
        for (int i = 0; i < entry->items.count(); ++i)
            places.insert(entry->items.at(i), qMakePair(entry->key, i));
    }
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << ThumbnailViewRegistry::identity(this) << qint32(items.count());
    for (const AbstractThumbnailItem* item : qAsConst(items)) {
        const QPair<int, int> place = item ? places.value(item, qMakePair(-1, -1)) : qMakePair(-1, -1);
        stream << qint32(place.first) << qint32(place.second);
    }
    data->setData(getDragMimeType(), body);
    return data;
}

bool AbstractThumbnailView::readDragBody(const QByteArray& bytes, DragBody& body)
{
    // Any X11 client can offer this format: the count is checked against the bytes
    // that are really there before anything is read by it.
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    qint64 identity = 0;
    stream >> identity;
    int count = 0;
    if (stream.status() != QDataStream::Ok || !readCount(stream, 8, &count))
        return false;
    QVector<QPair<int, int>> entries;
    for (int i = 0; i < count; ++i) {
        qint32 key = -1;
        qint32 index = -1;
        stream >> key >> index;
        if (stream.status() != QDataStream::Ok)
            return false;
        entries.append(qMakePair(int(key), int(index)));
    }
    body.identity = identity;
    body.entries = entries;
    return true;
}

AbstractThumbnailView* AbstractThumbnailView::dragSource(const QMimeData* data, DragBody& body) const
{
    if (!data || !data->hasFormat(getDragMimeType()))
        return nullptr;
    if (!readDragBody(data->data(getDragMimeType()), body)) {
        qWarning("AbstractThumbnailView: damaged drag data ignored");
        return nullptr;
    }
    // Only a view alive in this process may be used; any other identity counts as none.
    return ThumbnailViewRegistry::find(body.identity);
}

AbstractThumbnailView::DropTarget AbstractThumbnailView::findDropTarget(const QPoint& pos, bool whileMoving)
{
    DropTarget target;
    target.header = locateCategoryHeaderAt(pos);
    if (!target.header)
        target.item = getTargetItem(pos);
    // The space below the rows belongs to the last category.
    if (!target.header && !target.item && lastLaidOutCategory)
        target.header = lastLaidOutCategory->header;
    target.key = target.item ? target.item->getCategoryKey() : target.header ? target.header->getKey() : -1;
    const QList<AbstractThumbnailItem*>& list = getList(target.key);
    if (!target.item && !list.isEmpty() && (!whileMoving || !target.header || target.header->isExpanded()))
        target.item = getFirstFilteredItem(list);
    if (target.item) {
        const QPointF local = target.item->mapFromScene(mapToScene(pos));
        target.before = target.header || local.x() <= target.item->sceneBoundingRect().width() * 0.5;
    }
    return target;
}

AbstractThumbnailItem* AbstractThumbnailView::rowNeighbour(const DropTarget& target, int direction)
{
    // The nearest item shown beside the target in its category, when it stands in the same row.
    const QList<AbstractThumbnailItem*>& list = getList(target.key);
    const QRect r = target.item->sceneBoundingRect().toRect();
    for (int i = list.indexOf(target.item) + direction; i >= 0 && i < list.count(); i += direction) {
        AbstractThumbnailItem* item = list.at(i);
        if (!item || !item->isVisible())
            continue;
        const QRect n = item->sceneBoundingRect().toRect();
        if (!n.isEmpty() && n.y() + n.height() == r.y() + r.height())
            return item;
        return nullptr;
    }
    return nullptr;
}

void AbstractThumbnailView::placeDropIndicator(const DropTarget& target, const QPoint& pos)
{
    if (dropIndicator->scene() != scene())
        scene()->addItem(dropIndicator);
    dropIndicator->hide();
    const QRect r = target.item->sceneBoundingRect().toRect();
    const double hs = horizontalSpacing;
    const QRect area = viewport()->rect();
    if (target.before) {
        dropIndicator->setHeight(target.item);
        if (AbstractThumbnailItem* previous = rowNeighbour(target, -1)) {
            const QRect p = previous->sceneBoundingRect().toRect();
            const double right = p.x() + p.width();
            dropIndicator->setPos(qRound(right + (r.x() - right) * 0.5), r.y(), target.item);
        } else {
            double x = r.x() - hs * 0.5;
            dropIndicator->setPos(qRound(x), r.y(), target.item);
            const QRectF bounds = dropIndicator->boundingRect();
            if (!area.contains(mapFromScene(dropIndicator->mapToScene(bounds.topLeft())))) {
                x += qAbs(bounds.x());
                dropIndicator->setPos(qRound(x), r.y(), target.item);
            }
        }
    } else if (AbstractThumbnailItem* next = rowNeighbour(target, 1)) {
        dropIndicator->setHeight(next);
        const QRect s = next->sceneBoundingRect().toRect();
        const double right = r.x() + r.width();
        dropIndicator->setPos(qRound(right + (s.x() - right) * 0.5), s.y(), next);
    } else {
        dropIndicator->setHeight(target.item);
        double x = r.x() + r.width() + hs * 0.5;
        dropIndicator->setPos(qRound(x), r.y(), target.item);
        const QRectF bounds = dropIndicator->boundingRect();
        if (!area.contains(mapFromScene(dropIndicator->mapToScene(bounds.topRight())))) {
            x -= qAbs(bounds.x() + bounds.width());
            dropIndicator->setPos(qRound(x), r.y(), target.item);
        }
    }
    dropIndicator->setZValue(10.0);
    dropIndicator->show();
    if (!area.contains(pos))
        dropIndicator->hide();
}

void AbstractThumbnailView::dragEnterEvent(QDragEnterEvent* event)
{
    QGraphicsView::dragEnterEvent(event);
    dragCarriesLinks = false;
    const QMimeData* data = event->mimeData();
    if (!data)
        return;
    QList<QUrl> urls;
    QStringList names;
    const bool links = getUrlsWithNames(data, urls, names);
    dragCarriesLinks = links;
    for (int i = 0; i < urls.count(); ++i) {
        bool ok = false;
        emit acceptDropUrl(urls.at(i), names.at(i), &ok);
        if (ok) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
            return;
        }
    }
    if (data->hasFormat(getDragMimeType()))
        event->acceptProposedAction();
    else if (links)
        // The scene takes every drag on entry; links the owner refuses all must not drop.
        event->ignore();
}

void AbstractThumbnailView::dragMoveEvent(QDragMoveEvent* event)
{
    QGraphicsView::dragMoveEvent(event);
    const QMimeData* data = event->mimeData();
    const bool internal = data && data->hasFormat(getDragMimeType());
    const bool links = dragCarriesLinks;
    if (!internal && !links)
        return;
    DragBody body;
    AbstractThumbnailView* source = internal ? dragSource(data, body) : nullptr;
    if (internal && !source && !links) {
        // Names no live view: nothing can be moved from it.
        if (dropIndicator)
            dropIndicator->hide();
        event->ignore();
        return;
    }

    const QPoint pos = event->pos();
    const DropTarget target = findDropTarget(pos, true);
    if (target.item && dropIndicator) {
        bool onDraggedItem = false;
        if (source == this) {
            for (const QPair<int, int>& entry : qAsConst(body.entries)) {
                const CategoryItem* list = categories.value(entry.first);
                if (list && list->items.value(entry.second) == target.item) {
                    onDraggedItem = true;
                    break;
                }
            }
        }
        if (onDraggedItem)
            dropIndicator->hide();
        else
            placeDropIndicator(target, pos);
    } else if (!target.item && target.header && dropIndicator) {
        dropIndicator->hide();
    }
    if (target.item)
        target.item->ensureVisible(QRectF(), 0, 0);
    event->acceptProposedAction();
}

void AbstractThumbnailView::dragLeaveEvent(QDragLeaveEvent* event)
{
    QGraphicsView::dragLeaveEvent(event);
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    const bool inside = cursor.x() >= 0 && cursor.y() >= 0 && viewport()->rect().contains(cursor);
    if (dropIndicator && !inside)
        dropIndicator->hide();
}

void AbstractThumbnailView::dropEvent(QDropEvent* event)
{
    QGraphicsView::dropEvent(event);
    if (dropIndicator)
        dropIndicator->hide();
    const QMimeData* data = event->mimeData();
    DragBody body;
    AbstractThumbnailView* source = dragSource(data, body);
    // Internal data from no live view is treated as absent; its links may still be used.
    const bool links = !source && hasUrlData(data);
    if (!source && !links) {
        event->ignore();
        return;
    }

    const DropTarget target = findDropTarget(event->pos(), false);
    CategoryHeaderItem* header = getCategoryHeader(target.key);
    if (header && !header->isExpanded())
        header->setExpanded(true);

    if (source) {
        // Items neither leave nor enter a read-only view, not even by a drag begun before the lock.
        if (source->isReadOnly() || readOnly) {
            event->ignore();
            return;
        }
        dropItems(body, source, target, event);
        return;
    }

    // The data must be read now, while the drag lasts; the owner is asked once the drop
    // has returned, so a dialog of its own cannot stall the drag session.
    PendingUrlDrop drop;
    getUrlsWithNames(data, drop.urls, drop.names);
    drop.key = target.key;
    drop.target = target.item;
    drop.before = target.before;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (drop.urls.isEmpty())
        return;
    pendingUrlDrops.append(drop);
    QTimer::singleShot(0, this, &AbstractThumbnailView::processPendingUrlDrops);
}

void AbstractThumbnailView::dropItems(const DragBody& body, AbstractThumbnailView* source, const DropTarget& target,
                                      QDropEvent* event)
{
    QList<AbstractThumbnailItem*> found;
    QSet<AbstractThumbnailItem*> seen;
    for (const QPair<int, int>& entry : body.entries) {
        const CategoryItem* list = source->categories.value(entry.first);
        if (!list || entry.second < 0 || entry.second >= list->items.count())
            continue;
        AbstractThumbnailItem* item = list->items.at(entry.second);
        if (!item)
            continue;
        if (item == target.item) {
            // Dropped onto itself or another dragged item: nothing changes.
            event->ignore();
            return;
        }
        if (!seen.contains(item)) {
            seen.insert(item);
            found.append(item);
        }
    }

    int moved = 0;
    for (AbstractThumbnailItem* item : qAsConst(found)) {
        CategoryItem* from = source->entryHolding(item);
        if (!from)
            continue;
        const int oldKey = item->getCategoryKey();
        const int oldPos = from->items.indexOf(item);
        from->items.removeAt(oldPos);
        source->itemOrderValid = false;
        bool ok = false;
        emit moveItem(item, target.key, this, &ok);
        if (!ok) {
            from->items.insert(oldPos, item);
            continue;
        }
        item->setCategoryKey(target.key);
        if (source != this) {
            source->forgetItem(item);
            if (item->scene())
                item->scene()->removeItem(item);
            item->view = this;
            scene()->addItem(item);
        }
        CategoryItem* to = entryFor(target.key);
        int newPos = to->items.count();
        const int targetIndex = target.item ? to->items.indexOf(target.item) : -1;
        if (targetIndex >= 0)
            newPos = target.before ? targetIndex : targetIndex + 1 + moved;
        newPos = qBound(0, newPos, to->items.count());
        to->items.insert(newPos, item);
        itemOrderValid = false;
        ++moved;
        emit itemMoved(item, oldKey, source, oldPos, target.key, this, newPos);
    }

    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (moved > 0) {
        source->resetModel();
        source->updateLayout();
        if (source != this) {
            resetModel();
            updateLayout();
        }
    }
}

void AbstractThumbnailView::processPendingUrlDrops()
{
    // A dialog of the owner may run an event loop that delivers further drops; the
    // running call takes them in turn.
    if (processingUrlDrops)
        return;
    processingUrlDrops = true;
    QPointer<AbstractThumbnailView> self(this);
    while (!pendingUrlDrops.isEmpty()) {
        const PendingUrlDrop drop = pendingUrlDrops.takeFirst();
        // Many links are added in the background, as a paste of as many.
        if (drop.urls.count() > immediatePasteLimit) {
            startUrlPaste(drop.urls, drop.names, drop.key, drop.target, !drop.before);
            continue;
        }
        int created = 0;
        for (int i = 0; i < drop.urls.count(); ++i) {
            AbstractThumbnailItem* item = pasteUrl(drop.urls.at(i), drop.names.value(i), drop.key, drop.target,
                                                   drop.before ? 0 : 1 + created, true);
            if (!self)
                return;
            if (item)
                ++created;
        }
        if (created > 0) {
            resetModel();
            updateLayout();
        }
    }
    processingUrlDrops = false;
}

bool AbstractThumbnailView::fileNewItem(AbstractThumbnailItem* item, int key, AbstractThumbnailItem* anchor,
                                        int offset, bool update)
{
    item->setCategoryKey(key);
    const QList<AbstractThumbnailItem*>& list = getList(key);
    const int anchorIndex = anchor && anchor->getView() == this ? list.indexOf(anchor) : -1;
    const bool filed = anchorIndex < 0 ? addItem(item, update)
                                       : insertItem(qMin(anchorIndex + offset, list.count()), item, update);
    if (!filed && !item->getView()) {
        // Nobody else holds an item the view refused.
        qWarning("AbstractThumbnailView: new item could not be filed");
        delete item;
    }
    return filed;
}

void AbstractThumbnailView::moveItems(QList<AbstractThumbnailItem*> items, int key, bool update)
{
    int moved = 0;
    for (AbstractThumbnailItem* item : qAsConst(items)) {
        if (!item || item->getCategoryKey() == key)
            continue;
        CategoryItem* from = entryHolding(item);
        if (!from)
            continue;
        const int oldKey = item->getCategoryKey();
        const int oldPos = from->items.indexOf(item);
        from->items.removeAt(oldPos);
        itemOrderValid = false;
        bool ok = false;
        emit moveItem(item, key, this, &ok);
        if (!ok) {
            from->items.insert(oldPos, item);
            continue;
        }
        item->setCategoryKey(key);
        CategoryItem* to = entryFor(key);
        const int newPos = to->items.count();
        to->items.append(item);
        ++moved;
        emit itemMoved(item, oldKey, this, oldPos, key, this, newPos);
    }
    if (moved > 0 && update) {
        resetModel();
        updateLayout();
    }
}
