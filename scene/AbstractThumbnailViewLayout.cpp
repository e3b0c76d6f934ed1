// Flow layout and background of AbstractThumbnailView.
#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

void AbstractThumbnailView::updateLayout()
{
    if (!scene())
        return;
    if (layoutHold > 0) {
        layoutPending = true;
        return;
    }
    layoutPending = false;
    const bool wasEnabled = updatesEnabled();
    setUpdatesEnabled(false);
    const QRect area = viewport()->rect();
    const double height = doLayout(area.width(), false);
    scene()->setSceneRect(0.0, 0.0, area.width(), qMax(double(area.height()), height));
    setSceneRect(scene()->sceneRect());
    setUpdatesEnabled(wasEnabled);
}

double AbstractThumbnailView::heightForWidth(double width)
{
    return doLayout(width, true);
}

bool AbstractThumbnailView::rowIsFull(double next, double width, double tallest) const
{
    // A single item wider than the view still gets a row of its own.
    const double h = horizontalSpacing;
    return next - h > width - (0.5 * h + margin[MarginProperty::Right]) && tallest > 0.0;
}

bool AbstractThumbnailView::isShownByLayout(const AbstractThumbnailItem* item, bool showUnfiltered) const
{
    if (!item)
        return false;
    return filterActive() ? filterSet.contains(item) : showUnfiltered;
}

double AbstractThumbnailView::rowHeight(const QVector<QSizeF>& sizes, int start, double x, double width) const
{
    double tallest = 0.0;
    for (int i = start; i < sizes.size(); ++i) {
        const QSizeF& size = sizes.at(i);
        if (!size.isValid())
            continue;
        const double next = x + size.width() + horizontalSpacing;
        if (rowIsFull(next, width, tallest))
            break;
        tallest = qMax(tallest, size.height());
        x = next;
    }
    return tallest;
}

double AbstractThumbnailView::getMaxLineHeight(const QList<AbstractThumbnailItem*>& items, int start,
                                               double width) const
{
    QVector<QSizeF> sizes(items.size(), QSizeF(-1.0, -1.0));
    for (int i = start; i < items.size(); ++i) {
        if (passesFilter(items.at(i)))
            sizes[i] = items.at(i)->sceneBoundingRect().size();
    }
    return rowHeight(sizes, start, margin[MarginProperty::Left] + 0.5 * horizontalSpacing, width);
}

AbstractThumbnailView::RowEnd AbstractThumbnailView::placeRows(const QList<AbstractThumbnailItem*>& items,
                                                               double firstX, double wrapX, double y, double width,
                                                               bool measureOnly, bool showUnfiltered)
{
    // Sizes are taken once: the row measure and the placement both walk them.
    QVector<QSizeF> sizes(items.size(), QSizeF(-1.0, -1.0));
    for (int i = 0; i < items.size(); ++i) {
        AbstractThumbnailItem* item = items.at(i);
        if (!item)
            continue;
        if (isShownByLayout(item, showUnfiltered))
            sizes[i] = item->sceneBoundingRect().size();
        else if (!measureOnly)
            item->setVisible(false);
    }

    const bool alignTop = itemAlignment == Qt::AlignTop;
    double x = firstX;
    double tallest = 0.0;
    // Each row is measured from where it really starts, so an indented row never
    // takes the height of an item that wraps to the next one.
    double line = rowHeight(sizes, 0, firstX, width);
    for (int i = 0; i < items.size(); ++i) {
        const QSizeF& size = sizes.at(i);
        if (!size.isValid())
            continue;
        double next = x + size.width() + horizontalSpacing;
        if (rowIsFull(next, width, tallest)) {
            x = wrapX;
            y += line + verticalSpacing;
            tallest = 0.0;
            next = x + size.width() + horizontalSpacing;
            line = rowHeight(sizes, i, x, width);
        }
        AbstractThumbnailItem* item = items.at(i);
        if (!measureOnly)
            item->setPos(x, alignTop ? y : y + line - size.height());
        tallest = qMax(tallest, size.height());
        x = next;
        if (!measureOnly)
            item->setVisible(true);
    }
    return RowEnd{y, line};
}

void AbstractThumbnailView::hideAllHeaders()
{
    for (CategoryItem* entry : qAsConst(categories)) {
        if (entry && entry->header)
            entry->header->setVisible(false);
    }
}

double AbstractThumbnailView::doLayout(double width, bool measureOnly)
{
    const QList<AbstractThumbnailItem*> list = showCategories ? getItems(-1) : getAllItems();
    const double top = margin[MarginProperty::Top];
    const double start = margin[MarginProperty::Left] + 0.5 * horizontalSpacing;
    double bottom = 0.0;
    if (!list.isEmpty()) {
        const RowEnd end = placeRows(list, start, start, top, width, measureOnly, true);
        bottom = end.y + end.lineHeight + margin[MarginProperty::Bottom];
    }
    if (!showCategories) {
        // Headers shown before the categories were switched off must not linger.
        if (!measureOnly)
            hideAllHeaders();
        return bottom;
    }
    const QList<CategoryItem*> roots = rootCategories;
    for (CategoryItem* root : roots)
        bottom = doLayout(root, 0.0, bottom, width, measureOnly);
    return bottom;
}

double AbstractThumbnailView::doLayout(CategoryItem* category, double x, double y, double width, bool measureOnly)
{
    if (!category)
        return y;
    lastLaidOutCategory = category;
    const bool empty = category->isEmpty();
    const bool none = isFilteredListEmpty(category->items);
    double cursor = y;

    CategoryHeaderItem* header = category->header;
    if (header) {
        const bool hidden = (filterActive() && none) || (header->getHideIfEmpty() && empty);
        if (hidden) {
            if (!measureOnly)
                header->setVisible(false);
        } else {
            const double headerY = y != 0.0 ? y + categorySpacing : y;
            if (!measureOnly) {
                if (header->scene() != scene())
                    scene()->addItem(header);
                const MarginProperty headerMargin = header->getMargin();
                header->setWidth(width - (x + headerMargin[MarginProperty::Left]) - headerMargin[MarginProperty::Right]);
                header->setPos(x + headerMargin[MarginProperty::Left], headerY);
                header->setZValue(10.0);
                header->setVisible(true);
            }
            cursor = headerY + header->sceneBoundingRect().height();
        }
    }

    if (header && !header->isExpanded()) {
        if (!measureOnly)
            category->collapse();
        return cursor;
    }

    if (!category->items.isEmpty()) {
        const double rowStart = x + margin[MarginProperty::Left] + 0.5 * horizontalSpacing;
        double firstX = x;
        if (!none && (filterActive() || header)) {
            firstX = rowStart;
            cursor += margin[MarginProperty::Top];
        }
        const RowEnd end = placeRows(category->items, firstX, rowStart, cursor, width, measureOnly, header != nullptr);
        if (!none && (filterActive() || header))
            cursor = end.y + end.lineHeight + margin[MarginProperty::Bottom];
    }

    const QList<CategoryItem*> children = category->children;
    for (CategoryItem* child : children)
        cursor = doLayout(child, x + indentation, cursor, width, measureOnly);
    return cursor;
}

void AbstractThumbnailView::rebuildBackgroundPixmap()
{
    const QBrush brush = backgroundBrush();
    if (brush.style() != Qt::TexturePattern)
        return;
    Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio;
    if (backgroundStyle == FitBackground)
        mode = Qt::KeepAspectRatio;
    else if (backgroundStyle == FillBackground)
        mode = Qt::KeepAspectRatioByExpanding;
    backgroundPixmap = brush.texture().scaled(viewport()->size(), mode, Qt::SmoothTransformation);
}

void AbstractThumbnailView::drawBackground(QPainter* painter, const QRectF& rect)
{
    const QBrush brush = backgroundBrush();
    if (brush.style() == Qt::NoBrush && !showGrid && !showBox)
        return;

    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setPen(Qt::NoPen);
    const QRectF visible(QPointF(0.0, verticalScrollBar()->value()), QSizeF(viewport()->size()));

    switch (brush.style()) {
    case Qt::NoBrush:
        break;
    case Qt::LinearGradientPattern: {
        QLinearGradient gradient(visible.topLeft(), visible.bottomLeft());
        gradient.setStops(brush.gradient()->stops());
        painter->fillRect(visible, gradient);
        break;
    }
    case Qt::RadialGradientPattern: {
        QConicalGradient gradient(visible.bottomLeft(), 270.0);
        gradient.setStops(brush.gradient()->stops());
        painter->fillRect(visible, gradient);
        break;
    }
    case Qt::ConicalGradientPattern: {
        const QPointF centre = visible.center();
        QRadialGradient gradient(centre, int(visible.width()) / 2, centre);
        gradient.setStops(brush.gradient()->stops());
        painter->fillRect(visible, gradient);
        break;
    }
    case Qt::TexturePattern: {
        const QPixmap texture = brush.texture();
        const QSizeF size = texture.size();
        if (backgroundStyle == TileBackground) {
            painter->drawTiledPixmap(visible, texture, QPointF(0.0, 0.0));
        } else if (backgroundStyle == CenterBackground) {
            QRectF target(QPointF(), size);
            target.moveCenter(visible.center());
            painter->drawPixmap(target.topLeft(), texture);
        } else if (backgroundStyle == TopLeftBackground) {
            painter->drawPixmap(visible.topLeft(), texture);
        } else if (backgroundStyle == TopRightBackground) {
            painter->drawPixmap(QPointF(visible.right() - size.width(), visible.top()), texture);
        } else if (backgroundStyle == BottomLeftBackground) {
            painter->drawPixmap(QPointF(visible.left(), visible.bottom() - size.height()), texture);
        } else if (backgroundStyle == BottomRightBackground) {
            painter->drawPixmap(QPointF(visible.right() - size.width(), visible.bottom() - size.height()), texture);
        } else {
            if (backgroundPixmap.isNull())
                rebuildBackgroundPixmap();
            if (backgroundStyle == FitBackground || backgroundStyle == FillBackground) {
                QRectF target(QPointF(), QSizeF(backgroundPixmap.size()));
                target.moveCenter(visible.center());
                painter->drawPixmap(target.topLeft(), backgroundPixmap);
            } else {
                painter->drawPixmap(visible, backgroundPixmap, QRectF(backgroundPixmap.rect()));
            }
        }
        break;
    }
    default:
        painter->fillRect(visible, brush);
        break;
    }

    const QList<QGraphicsItem*> all = (showGrid || showBox) ? items() : QList<QGraphicsItem*>();
    if (!all.isEmpty()) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        const QRectF area = sceneRect().adjusted(margin[MarginProperty::Left], margin[MarginProperty::Top],
                                                 -margin[MarginProperty::Right], -margin[MarginProperty::Bottom]);
        const QRectF cell = all.first()->boundingRect();
        const double cw = cell.width() + horizontalSpacing;
        const double ch = cell.height() + verticalSpacing;
        const int cols = cw > 0.0 ? int(area.width() / cw) : 0;
        const int rowsMax = ch > 0.0 ? int(area.height() / ch) : 0;
        const int rows = cols == 0 ? rowsMax : qMin(int(qCeil(double(all.count()) / cols)), rowsMax);
        if (showGrid) {
            painter->setPen(gridPen);
            int x = int(area.x() + cw);
            for (int i = 0; i < cols - 1; ++i) {
                painter->drawLine(x, int(area.y()), x, int(area.y() + rows * ch));
                x = int(x + cw);
            }
            const int right = cols == 0 ? int(area.x() + cw) : int(area.x() + cols * cw);
            int y = int(area.y() + ch);
            for (int i = 0; i < rows - 1; ++i) {
                painter->drawLine(int(area.x()), y, right, y);
                y = int(y + ch);
            }
        }
        if (showBox) {
            painter->setPen(boxPen);
            painter->drawRect(QRectF(area.x(), area.y(), cols == 0 ? cw : cols * cw, rows * ch));
        }
    }
    painter->restore();
}
