#include "NavigatorView.h"

#include "AbstractThumbnailItem.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

NavigatorView::NavigatorView(QWidget* parent)
    : ThumbnailView(parent)
{
    setObjectName(QStringLiteral("navigatorview"));
}

void NavigatorView::setBackgroundPainter(const BackgroundPainter& painter)
{
    backgroundPainter = painter;
    stripPixmap = QPixmap();
    adjustBackground(true);
    viewport()->update();
}

void NavigatorView::updateLayout()
{
    ThumbnailView::updateLayout();
}

void NavigatorView::hoverEnterEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event)
{
    ThumbnailView::hoverEnterEvent(item, event);
    pointedItem = item;
}

void NavigatorView::hoverLeaveEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event)
{
    ThumbnailView::hoverLeaveEvent(item, event);
    if (pointedItem == item)
        pointedItem = nullptr;
}

void NavigatorView::keyPressEvent(QKeyEvent* event)
{
    // Every other key belongs to the cabinet.
    if (event->key() != Qt::Key_Space) {
        event->ignore();
        return;
    }
    event->accept();
    AbstractThumbnailItem* chosen = getFirstSelectedItem();
    if (!chosen && pointedItem && pointedItem->getView() == this)
        chosen = pointedItem;
    if (chosen)
        emit showItemInfo(chosen);
}

void NavigatorView::adjustBackground(bool force)
{
    const QRect area(QPoint(0, 0), viewport()->size());
    if (!backgroundPainter.painterFlags())
        return;
    if (!force && !stripPixmap.isNull() && stripPixmap.rect() == area)
        return;
    if (area.isEmpty()) {
        stripPixmap = QPixmap();
        return;
    }
    QPixmap pixmap(area.size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    backgroundPainter.paint(&painter, area);
    painter.end();
    stripPixmap = pixmap;
}

void NavigatorView::drawBackground(QPainter* painter, const QRectF& rect)
{
    ThumbnailView::drawBackground(painter, rect);
    adjustBackground(false);
    if (stripPixmap.isNull())
        return;
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing);
    // The background stays in place while the entries scroll.
    painter->drawPixmap(QPointF(0.0, verticalScrollBar()->value()), stripPixmap);
    painter->restore();
}
