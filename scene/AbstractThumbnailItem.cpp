#include "AbstractThumbnailItem.h"

#include "AbstractThumbnailView.h"

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
