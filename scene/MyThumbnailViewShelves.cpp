// Cabinet body and shelf boards of MyThumbnailView.
#include "MyThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"
#include "ThumbnailItem.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
QPen edgePen()
{
    return QPen(QBrush(QColor(0, 0, 0, 180)), 0.0, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
}

// Black from `from` alpha to `to` alpha, top to bottom or left to right.
GradientPainter shade(Qt::Orientation orientation, const GradientPainter::Stops& stops)
{
    GradientPainter gradient(Qt::black, Qt::black, orientation, QGradient::LinearGradient);
    gradient.setStops(stops);
    return gradient;
}

QTransform quadTransform(const QPolygonF& from, const QPolygonF& to)
{
    QTransform transform;
    QTransform::quadToQuad(from, to, transform);
    return transform;
}

double reflectionOf(const AbstractThumbnailItem* item)
{
    // Items of other kinds moved into the cabinet stand without a reflection.
    const auto* thumbnail = qobject_cast<const ThumbnailItem*>(item);
    return thumbnail ? thumbnail->getReflectionSize() : 0.0;
}
}

void MyThumbnailView::drawBackground(QPainter* painter, const QRectF& rect)
{
    // Items coming into view get their contents before the scene walks them.
    if (!shelfRowsValid || !culling.isGathered())
        rebuildShelfRows();
    culling.show(mapToScene(viewport()->rect()).boundingRect());

    ThumbnailView::drawBackground(painter, rect);
    adjustBackground(false);
    adjustShelf(false);
    if (shelfPixmap.isNull() || cabinetPixmap.isNull())
        return;
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing);
    // The body stays in place while the items scroll.
    painter->drawPixmap(QPointF(0.0, verticalScrollBar()->value()), cabinetPixmap);
    paintShelves(painter, rect);
    painter->restore();
}

void MyThumbnailView::paintShelves(QPainter* painter, const QRectF& exposed) const
{
    if (!shelfRowsValid || !culling.isGathered())
        rebuildShelfRows();
    const int boardHeight = shelfPixmap.height();
    const double x = sceneRect().left() + shelfMargin;
    // Only the boards the exposed area reaches are drawn.
    const int first = int(exposed.top()) - boardHeight;
    const int last = int(exposed.bottom()) + 1;
    for (const int y : qAsConst(shelfRows)) {
        if (y < first || y > last)
            continue;
        painter->drawPixmap(QPointF(x, y), shelfPixmap);
    }
}

QVector<int> MyThumbnailView::getShelfRows() const
{
    if (!shelfRowsValid || !culling.isGathered())
        rebuildShelfRows();
    return shelfRows;
}

void MyThumbnailView::rebuildShelfRows() const
{
    shelfRows.clear();
    culling.startGathering();
    if (showCategories) {
        if (const CategoryItem* loose = categories.value(-1))
            collectShelfRows(loose->items, shelfRows);
        for (const CategoryItem* root : rootCategories)
            collectShelfRows(root, shelfRows);
    } else {
        collectShelfRows(getAllItems(), shelfRows);
    }
    shelfRowsValid = true;
    culling.finishGathering();
}

void MyThumbnailView::collectShelfRows(const CategoryItem* category, QVector<int>& rows) const
{
    if (!category || !category->header || !category->header->isExpanded())
        return;
    if (!category->items.isEmpty())
        collectShelfRows(category->items, rows);
    for (const CategoryItem* child : category->children)
        collectShelfRows(child, rows);
}

void MyThumbnailView::collectShelfRows(const QList<AbstractThumbnailItem*>& items, QVector<int>& rows) const
{
    double lastGround = 0.0;
    for (AbstractThumbnailItem* item : items) {
        if (!item || !passesFilter(item))
            continue;
        const QRectF place = item->sceneBoundingRect();
        culling.place(item, place);
        const double ground = place.bottom() - item->getMargin()[MarginProperty::Bottom];
        if (ground == lastGround)
            continue;
        lastGround = ground;
        rows.append(int(ground - reflectionOf(item) - shelfHeight / 3 + 1.0));
    }
}

void MyThumbnailView::adjustShelf(bool force)
{
    const int width = int(sceneRect().width()) - 2 * shelfMargin;
    if (!shelfPainter.painterFlags())
        return;
    if (!force && !shelfPixmap.isNull() && shelfPixmap.width() == width)
        return;
    if (width <= 0 || shelfHeight + shelfThickness <= 0) {
        shelfPixmap = QPixmap();
        return;
    }

    // The top surface, flat, darkest at its back edge.
    QPixmap top(width, qMax(0, shelfAngle / 2 + shelfHeight));
    if (!top.isNull()) {
        top.fill(Qt::transparent);
        QPainter painter(&top);
        const QRectF r = top.rect();
        shelfPainter.paint(&painter, r);
        BackgroundPainter shading(shade(Qt::Vertical, {{0.0, QColor(0, 0, 0, qMax(backDarknessLevel, 80))},
                                                       {0.8, QColor(0, 0, 0, 0)},
                                                       {1.0, QColor(0, 0, 0, 0)}}));
        shading.setBorderPainter(BorderPainter(0.0, 0.0, QColor(0, 0, 0, 180)));
        shading.paint(&painter, r);
    }

    const int boardHeight = shelfHeight + shelfThickness;
    QImage board(width, boardHeight, QImage::Format_ARGB32_Premultiplied);
    board.fill(Qt::transparent);
    QPainter painter(&board);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const QRectF front(0.0, shelfHeight, width, shelfThickness);
    if (shelfThickness > 0) {
        shelfPainter.paint(&painter, front);
        shade(Qt::Vertical, {{0.0, QColor(0, 0, 0, 0)},
                             {0.2, QColor(0, 0, 0, 0)},
                             {0.8, QColor(0, 0, 0, 80)},
                             {1.0, QColor(0, 0, 0, 120)}})
            .paint(&painter, front);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(edgePen());
    if (top.isNull())
        painter.drawLine(QPointF(1.0, shelfHeight), QPointF(width - 1.0, shelfHeight));
    painter.drawLine(QPointF(0.0, shelfHeight), QPointF(0.0, boardHeight));
    painter.drawLine(QPointF(width, shelfHeight), QPointF(width, boardHeight));
    painter.drawLine(QPointF(1.0, boardHeight), QPointF(width - 1.0, boardHeight));

    if (!top.isNull()) {
        const double w = top.width();
        const double h = top.height();
        painter.setTransform(quadTransform(
            QPolygonF({QPointF(0.0, 0.0), QPointF(0.0, h), QPointF(w, h), QPointF(w, 0.0)}),
            QPolygonF({QPointF(shelfAngle, 0.0), QPointF(0.0, shelfHeight), QPointF(width, shelfHeight),
                       QPointF(width - shelfAngle, 0.0)})));
        painter.drawPixmap(0, 0, top);
    }
    painter.end();
    shelfPixmap = QPixmap::fromImage(board);
}

QPixmap MyThumbnailView::sidePanel(const QRect& area, int depth) const
{
    // The source, darkening towards the inner edge.
    const int sourceWidth = shelfMargin + shelfAngle + depth / 2;
    const int sourceHeight = area.height() + sidePanelOffset + depth;
    QPixmap source(qMax(0, sourceWidth), qMax(0, sourceHeight));
    if (!source.isNull()) {
        source.fill(Qt::transparent);
        QPainter painter(&source);
        cabinetPainter.paint(&painter, source.rect());
        shade(Qt::Horizontal, {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, qMax(backDarknessLevel, 80))}})
            .paint(&painter, source.rect());
        painter.setPen(edgePen());
        painter.drawLine(QPointF(sourceWidth, 1.0), QPointF(sourceWidth, sourceHeight - 1.0));
    }

    // Seen in perspective: the inner edge reaches higher than the outer one.
    const int width = shelfAngle + shelfMargin;
    const int height = area.height() + 2 * depth + sidePanelOffset;
    if (width <= 0 || height <= 0)
        return QPixmap();
    QImage panel(width, height, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    if (!source.isNull()) {
        QPainter painter(&panel);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const double w = sourceWidth;
        const double h = sourceHeight;
        painter.setTransform(quadTransform(
            QPolygonF({QPointF(w, 0.0), QPointF(0.0, 0.0), QPointF(0.0, h), QPointF(w, h)}),
            QPolygonF({QPointF(width, 0.0), QPointF(0.0, depth), QPointF(0.0, height),
                       QPointF(width, area.height() + depth + sidePanelOffset)})));
        painter.drawPixmap(0, 0, source);
    }
    return QPixmap::fromImage(panel.copy(0, depth, width, area.height() + sidePanelOffset));
}

void MyThumbnailView::adjustBackground(bool force)
{
    const QRect area(QPoint(0, 0), viewport()->size());
    if (!cabinetPainter.painterFlags())
        return;
    if (!force && !cabinetPixmap.isNull() && cabinetPixmap.rect() == area)
        return;
    if (area.isEmpty()) {
        cabinetPixmap = QPixmap();
        return;
    }

    const int depth = shelfHeight + (shelfHeight * shelfMargin) / shelfAngle;
    const QPixmap left = sidePanel(area, depth);
    const QPixmap right = left.isNull() ? QPixmap() : QPixmap::fromImage(left.toImage().mirrored(true, false));

    QImage body(area.size(), QImage::Format_ARGB32_Premultiplied);
    body.fill(Qt::transparent);
    QPainter painter(&body);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!transparent) {
        const int backWidth = area.width() - left.width() - right.width();
        cabinetPainter.paint(&painter, QRectF(left.width(), -backPanelOffset, backWidth,
                                              area.height() + backPanelOffset));
        painter.fillRect(QRectF(left.width(), 0, backWidth, area.height()), QColor(0, 0, 0, backDarknessLevel));
    }
    if (!left.isNull())
        painter.drawPixmap(0, -sidePanelOffset, left);
    if (!right.isNull())
        painter.drawPixmap(area.width() - right.width(), -sidePanelOffset, right);
    painter.end();
    cabinetPixmap = QPixmap::fromImage(body);
}
