#include "AbstractThumbnailItem.h"

#include "AbstractThumbnailView.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>

AbstractThumbnailItem::AbstractThumbnailItem(QGraphicsItem* parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
{
    setObjectName(QStringLiteral("abstractthumbnailitem"));
    setFlags(ItemIsSelectable | ItemIsFocusable);
    setAcceptHoverEvents(true);
    setAcceptDrops(false);
    setCacheMode(NoCache, QSize(-1, -1));
}

AbstractThumbnailItem::~AbstractThumbnailItem()
{
    // Deleted while still filed: the view must not keep a dangling pointer.
    if (view)
        view->itemDestroyed(this);
}

int AbstractThumbnailItem::type() const
{
    return Type;
}

bool AbstractThumbnailItem::isEditing() const
{
    return false;
}

bool AbstractThumbnailItem::isSelectable() const
{
    return (flags() & ItemIsSelectable) && (!view || view->getAllowItemSelection());
}

bool AbstractThumbnailItem::isFocusable() const
{
    return isSelectable() && (flags() & ItemIsFocusable);
}

QRect AbstractThumbnailItem::viewBoundingRect() const
{
    if (!view)
        return QRect();
    const QRectF r = sceneBoundingRect();
    const QPoint topLeft = view->mapFromScene(r.topLeft());
    const QPoint bottomRight = view->mapFromScene(QPointF(r.x() + r.width(), r.y() + r.height()));
    return QRect(topLeft, bottomRight);
}

QRect AbstractThumbnailItem::screenBoundingRect() const
{
    if (!view)
        return QRect();
    const QRect r = viewBoundingRect();
    return QRect(view->mapToGlobal(r.topLeft()), view->mapToGlobal(r.bottomRight()));
}

bool AbstractThumbnailItem::isVisibleToView(const QPoint& viewportPoint) const
{
    return view && view->viewport()->rect().contains(viewportPoint, true);
}

bool AbstractThumbnailItem::isVisibleToView(const QPointF& scenePoint) const
{
    return view && isVisibleToView(view->mapFromScene(scenePoint));
}

bool AbstractThumbnailItem::isVisibleToView() const
{
    return view && view->viewport()->rect().contains(viewBoundingRect(), true);
}

void AbstractThumbnailItem::editingStarted()
{
    if (view)
        view->setEditing(true);
}

void AbstractThumbnailItem::editingFinished()
{
    if (view)
        view->setEditing(false);
}

QVariant AbstractThumbnailItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (view) {
        switch (change) {
        case ItemEnabledChange:
            emit view->itemEnabled(this, value.toBool());
            break;
        case ItemSelectedChange:
            emit view->itemSelected(this, value.toBool());
            break;
        case ItemVisibleChange:
            emit view->itemVisible(this, value.toBool());
            break;
        default:
            break;
        }
    }
    return value;
}

void AbstractThumbnailItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (view)
        emit view->itemDoubleClicked(this, event->modifiers());
}

void AbstractThumbnailItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (!view || !scene())
        return;
    if (!isSelectable()) {
        emit view->itemClicked(this, event->modifiers());
        return;
    }
    if (event->button() == Qt::LeftButton && view->getAllowMultiSelection()) {
        if (event->modifiers() & Qt::ShiftModifier) {
            // A range from the view's current item (the first one without it) to this one.
            scene()->clearSelection();
            const QList<AbstractThumbnailItem*> all = view->getAllItems();
            const int anchor = qMax(0, all.indexOf(view->getCurrentItem()));
            const int index = all.indexOf(this);
            if (index >= 0) {
                view->selectRange(all, anchor, index);
                setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        if (event->modifiers() & Qt::ControlModifier) {
            setSelected(!isSelected());
            if (!isSelected()) {
                clearFocus();
                return;
            }
            setFocus(Qt::OtherFocusReason);
            if (view->getSelectedItems().count() == 1)
                view->setCurrentItem(this);
            return;
        }
    }
    // A press on a selected item keeps the selection, so a drag or a context menu
    // takes all selected items.
    if (isSelected())
        return;
    scene()->clearSelection();
    setSelected(true);
    setFocus(Qt::OtherFocusReason);
    view->setCurrentItem(this);
}

void AbstractThumbnailItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (!view || !scene() || !isSelectable() || !isSelected() || event->button() != Qt::LeftButton)
        return;
    if (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))
        return;
    if (scene()->selectedItems().count() > 1) {
        scene()->clearSelection();
        setSelected(true);
        setFocus(Qt::OtherFocusReason);
    }
    view->setCurrentItem(this);
    emit view->itemClicked(this, event->modifiers());
}

void AbstractThumbnailItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!view || !scene() || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint moved = event->screenPos() - event->buttonDownScreenPos(Qt::LeftButton);
    if (moved.manhattanLength() < QApplication::startDragDistance() || !dragsAccepted)
        return;
    view->startDrag(this, event);
}

void AbstractThumbnailItem::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QGraphicsItem::contextMenuEvent(event);
    if (!isSelected()) {
        if (scene())
            scene()->clearSelection();
        setSelected(true);
        setFocus(Qt::OtherFocusReason);
        if (view)
            view->setCurrentItem(this);
    }
    if (!view)
        return;
    event->accept();
    emit view->showItemContextMenu(view->getSelectedItems(), event);
}

void AbstractThumbnailItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsItem::hoverEnterEvent(event);
    if (view)
        view->hoverEnterEvent(this, event);
}

void AbstractThumbnailItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsItem::hoverLeaveEvent(event);
    if (view)
        view->hoverLeaveEvent(this, event);
}
