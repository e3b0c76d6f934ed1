#include "MyThumbnailView.h"

#include "FloatingLabelItem.h"
#include "MyDropIndicatorItem.h"
#include "MyThumbnailItem.h"

#include <QDir>
#include <QGraphicsScene>
#include <QScrollBar>

MyThumbnailView::MyThumbnailView(QWidget* parent)
    : ThumbnailView(parent)
    , floatingLabel(new FloatingLabelItem)
    , dropMarker(new MyDropIndicatorItem(this))
    , labelWatch(new QObject)
{
    setObjectName(QStringLiteral("mythumbnailview"));
    paintCulling = &culling;
    floatingLabel->hide();
    if (scene() && floatingLabel->scene() != scene())
        scene()->addItem(floatingLabel);
    setDropIndicator(dropMarker);
}

MyThumbnailView::~MyThumbnailView()
{
    // Items deleted by the base destructor must not reach the label any more.
    delete labelWatch;
    paintCulling = nullptr;
    delete floatingLabel;
}

void MyThumbnailView::setTransparent(bool on)
{
    transparent = on;
    // The back panel is part of the cached body.
    adjustBackground(true);
    viewport()->update();
}

void MyThumbnailView::setShelfPainter(const BackgroundPainter& painter)
{
    shelfPainter = painter;
    shelfPixmap = QPixmap();
    adjustShelf(true);
    viewport()->update();
}

void MyThumbnailView::setCabinetPainter(const BackgroundPainter& painter)
{
    cabinetPainter = painter;
    cabinetPixmap = QPixmap();
    adjustBackground(true);
    viewport()->update();
}

void MyThumbnailView::setBackDarknessLevel(int level)
{
    backDarknessLevel = level;
    adjustBackground(true);
    adjustShelf(true);
    viewport()->update();
}

void MyThumbnailView::setBackPanelOffset(int offset)
{
    backPanelOffset = offset;
    adjustBackground(true);
    viewport()->update();
}

void MyThumbnailView::setSidePanelOffset(int offset)
{
    sidePanelOffset = offset;
    adjustBackground(true);
    viewport()->update();
}

void MyThumbnailView::setShelfThickness(int thickness, bool rebuild)
{
    shelfThickness = thickness;
    if (!rebuild)
        return;
    adjustBackground(true);
    adjustShelf(true);
    viewport()->update();
}

void MyThumbnailView::setShelfMargin(int value, bool rebuild)
{
    shelfMargin = value;
    if (!rebuild)
        return;
    adjustBackground(true);
    adjustShelf(true);
    viewport()->update();
}

void MyThumbnailView::setShelfHeight(int height, bool rebuild)
{
    shelfHeight = height;
    shelfRowsValid = false;
    if (!rebuild)
        return;
    adjustBackground(true);
    adjustShelf(true);
    viewport()->update();
}

void MyThumbnailView::setShelfAngle(int angle, bool rebuild)
{
    shelfAngle = angle == 0 ? 1 : angle;
    if (!rebuild)
        return;
    adjustBackground(true);
    adjustShelf(true);
    viewport()->update();
}

void MyThumbnailView::hideFloatingLabel()
{
    floatingLabel->hide();
    floatingLabel->setItem(nullptr);
}

MyThumbnailItem* MyThumbnailView::itemsExists(const QString& name, const QString& target, int categoryKey) const
{
    const QString wanted = QDir::toNativeSeparators(target);
    const QList<AbstractThumbnailItem*> list = getItems(categoryKey);
    for (AbstractThumbnailItem* candidate : list) {
        auto* item = qobject_cast<MyThumbnailItem*>(candidate);
        if (item && item->properties.name.compare(name, Qt::CaseInsensitive) == 0
            && QDir::toNativeSeparators(item->properties.target).compare(wanted, Qt::CaseInsensitive) == 0)
            return item;
    }
    return nullptr;
}

QString MyThumbnailView::categoryPathSeparator() const
{
    return QStringLiteral(" %1 ").arg(QDir::separator());
}

int MyThumbnailView::modelColumnCount() const
{
    return _MAX_COLUMNCOUNT;
}

void MyThumbnailView::hoverEnterEvent(AbstractThumbnailItem* hovered, QGraphicsSceneHoverEvent* event)
{
    ThumbnailView::hoverEnterEvent(hovered, event);
    // Items of other kinds that were moved into the cabinet get no label.
    auto* item = qobject_cast<MyThumbnailItem*>(hovered);
    if (!item || item->isInfoShown() || item->isEditing() || (item->isLabelShown() && !item->isLabelElided()))
        return;

    floatingLabel->setItem(item);
    floatingLabel->setMaxSize(viewport()->size());
    floatingLabel->setInverted(false);
    // A label must not outlive its item on screen.
    if (watchedItem != item) {
        watchedItem = item;
        connect(item, &QObject::destroyed, labelWatch, [this] {
            watchedItem = nullptr;
            hideFloatingLabel();
        });
    }

    const QRectF area = sceneRect().adjusted(margin[MarginProperty::Left], margin[MarginProperty::Top],
                                             -margin[MarginProperty::Right], -margin[MarginProperty::Bottom]);
    const double visibleBottom = verticalScrollBar()->value() + viewport()->height() - 1;
    const QRectF label = floatingLabel->boundingRect();
    const QRectF itemRect = item->sceneBoundingRect();
    const MarginProperty itemMargin = item->getMargin();

    double y = itemRect.bottom() - itemMargin[MarginProperty::Bottom] + 1.0;
    double x = itemRect.center().x() - label.width() * 0.5;
    if (x + label.width() > area.right())
        x = area.right() - label.width();
    if (x < area.left())
        x = area.left();
    if (visibleBottom < y + label.height()) {
        y = floatingLabel->getArrowHeight() + itemMargin[MarginProperty::Top] + itemRect.top() - label.height();
        floatingLabel->setInverted(true);
    }
    floatingLabel->setPos(x, y);
    floatingLabel->setZValue(100.0);
    floatingLabel->setVisible(true);
}

void MyThumbnailView::hoverLeaveEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event)
{
    ThumbnailView::hoverLeaveEvent(item, event);
    hideFloatingLabel();
}

void MyThumbnailView::updateLayout()
{
    ThumbnailView::updateLayout();
    shelfRowsValid = false;
    viewport()->update();
}

void MyThumbnailView::showItemInfo(bool on)
{
    const QList<AbstractThumbnailItem*> all = getAllItems();
    for (AbstractThumbnailItem* candidate : all) {
        if (auto* item = qobject_cast<MyThumbnailItem*>(candidate))
            item->showItemInfo(on, false);
    }
    hideFloatingLabel();
    updateLayout();
}

void MyThumbnailView::wheelEvent(QWheelEvent* event)
{
    QGraphicsView::wheelEvent(event);
    setFocus(Qt::OtherFocusReason);
}

void MyThumbnailView::drawForeground(QPainter* painter, const QRectF& rect)
{
    const int top = verticalScrollBar()->value();
    const int left = 0;
    const int right = left + viewport()->width() - 1;
    const int bottom = top + viewport()->height() - 1;
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(QBrush(QColor(0, 0, 0, 120)), 0.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(left, top, right, top);
    painter->drawLine(right, top + 1, right, bottom - 1);
    painter->drawLine(left, bottom, right, bottom);
    painter->drawLine(left, top + 1, left, bottom - 1);
    painter->restore();
}
