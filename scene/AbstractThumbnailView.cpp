#include "AbstractThumbnailView.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"
#include "DropIndicatorItem.h"
#include "EditorItem.h"
#include "TextItem.h"
#include "ThumbnailItemModel.h"
#include "ThumbnailViewRegistry.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QGraphicsScene>

namespace {
// Signal arguments must be known by name for queued connections and signal spies.
void registerSceneMetaTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<AbstractThumbnailItem*>("AbstractThumbnailItem*");
        qRegisterMetaType<AbstractThumbnailView*>("AbstractThumbnailView*");
        qRegisterMetaType<CategoryHeaderItem*>("CategoryHeaderItem*");
        qRegisterMetaType<QList<AbstractThumbnailItem*>>("QList<AbstractThumbnailItem*>");
        return true;
    }();
    Q_UNUSED(registered)
}
}

AbstractThumbnailView::AbstractThumbnailView(QWidget* parent)
    : QGraphicsView(parent)
    , gridPen(QBrush(Qt::darkGray), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin)
    , boxPen(gridPen)
    , margin(0.0)
{
    registerSceneMetaTypes();
    setObjectName(QStringLiteral("abstractthumbnailview"));
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDragMode(QGraphicsView::RubberBandDrag);
    setRubberBandSelectionMode(Qt::IntersectsItemBoundingRect);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setCacheMode(QGraphicsView::CacheNone);
    setBackgroundBrush(QBrush(Qt::NoBrush), StretchBackground);
    setForegroundBrush(QBrush(Qt::NoBrush));
    setOptimizationFlag(QGraphicsView::DontSavePainterState);
    setAcceptDrops(true);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);

    dropIndicator = new DropIndicatorItem;
    dropIndicator->hide();

    auto* graphicsScene = new QGraphicsScene(this);
    graphicsScene->setItemIndexMethod(QGraphicsScene::NoIndex);
    graphicsScene->setSceneRect(QRectF(0.0, 0.0, 0.0, 0.0));
    setScene(graphicsScene);
    setSceneRect(graphicsScene->sceneRect());

    itemModel = new ThumbnailItemModel(this);
    ThumbnailViewRegistry::add(this);
}

AbstractThumbnailView::~AbstractThumbnailView()
{
    ThumbnailViewRegistry::remove(this);
    // Items and headers in the scene leave with its clear(), all at once: one by one,
    // the scene looks each up in its lists. The entries delete only what it does not hold.
    const QList<CategoryItem*> entries = categories.values();
    categories.clear();
    rootCategories.clear();
    categoryPaths.clear();
    lastLaidOutCategory = nullptr;
    currentItem = nullptr;
    QGraphicsScene* own = scene();
    for (CategoryItem* entry : entries) {
        for (AbstractThumbnailItem* item : qAsConst(entry->items)) {
            if (!item)
                continue;
            item->view = nullptr;
            if (!own || item->scene() != own)
                delete item;
        }
        entry->items.clear();
        if (own && entry->header && entry->header->scene() == own)
            entry->header = nullptr;
    }
    qDeleteAll(entries);
    if (!own || !dropIndicator || dropIndicator->scene() != own)
        delete dropIndicator;
    if (own)
        own->clear();
}

void AbstractThumbnailView::setGridPen(const QPen& pen)
{
    gridPen = pen;
    viewport()->update();
}

void AbstractThumbnailView::setBoxPen(const QPen& pen)
{
    boxPen = pen;
    viewport()->update();
}

void AbstractThumbnailView::setBackgroundBrush(const QBrush& brush, BackgroundStyle style)
{
    QGraphicsView::setBackgroundBrush(brush);
    backgroundStyle = style;
    // A new picture must not be shown through the old one's fitted copy.
    backgroundPixmap = QPixmap();
    if (brush.style() == Qt::TexturePattern)
        rebuildBackgroundPixmap();
    viewport()->update();
}

void AbstractThumbnailView::setAllowItemSelection(bool on)
{
    allowItemSelection = on;
    if (!on)
        allowMultiSelection = false;
    setDragMode(allowMultiSelection ? QGraphicsView::RubberBandDrag : QGraphicsView::NoDrag);
}

void AbstractThumbnailView::setAllowMultiSelection(bool on)
{
    allowMultiSelection = on;
    setDragMode(on ? QGraphicsView::RubberBandDrag : QGraphicsView::NoDrag);
}

void AbstractThumbnailView::setReadOnly(bool on)
{
    readOnly = on;
    // Every edit in place marks the view while it is open.
    if (!on || !editing || !scene())
        return;
    // Ending an edit without Return drops what was typed. An editor's end may delete
    // it, so each is held by a guard.
    QList<QPointer<QObject>> open;
    const QList<QGraphicsItem*> items = scene()->items();
    for (QGraphicsItem* item : items) {
        if (auto* editor = qgraphicsitem_cast<EditorItem*>(item); editor && editor->isEditing())
            open.append(editor);
        else if (auto* text = qgraphicsitem_cast<TextItem*>(item); text && text->isEditing())
            open.append(text);
    }
    for (const QPointer<QObject>& edit : qAsConst(open)) {
        if (auto* editor = qobject_cast<EditorItem*>(edit.data()))
            editor->endEdit();
        else if (auto* text = qobject_cast<TextItem*>(edit.data()))
            text->endEdit();
    }
}

void AbstractThumbnailView::setItemAlignment(Alignment alignment)
{
    itemAlignment = alignment;
    updateLayout();
}

void AbstractThumbnailView::resetModel()
{
    if (itemModel)
        itemModel->reset();
}

void AbstractThumbnailView::sortModel(int column, Qt::SortOrder order)
{
    if (itemModel)
        itemModel->sort(column, order);
}

void AbstractThumbnailView::setDropIndicator(DropIndicatorItem* indicator)
{
    if (indicator == dropIndicator)
        return;
    delete dropIndicator;
    dropIndicator = indicator;
    if (dropIndicator)
        dropIndicator->hide();
}

QString AbstractThumbnailView::getDragMimeType() const
{
    return QStringLiteral("application/x-abstractthumbnailview-%1").arg(dragFormatName);
}

QString AbstractThumbnailView::categoryPathSeparator() const
{
    return QString(QDir::separator());
}

int AbstractThumbnailView::modelRowCount() const
{
    if (!itemOrderValid)
        getAllItems();
    return itemOrder.count();
}

void AbstractThumbnailView::hoverEnterEvent(CategoryHeaderItem*, QGraphicsSceneHoverEvent*)
{
}

void AbstractThumbnailView::hoverLeaveEvent(CategoryHeaderItem*, QGraphicsSceneHoverEvent*)
{
}

void AbstractThumbnailView::hoverEnterEvent(AbstractThumbnailItem*, QGraphicsSceneHoverEvent*)
{
}

void AbstractThumbnailView::hoverLeaveEvent(AbstractThumbnailItem*, QGraphicsSceneHoverEvent*)
{
}

void AbstractThumbnailView::clear()
{
    removeAll(true);
}

void AbstractThumbnailView::setMargin(const MarginProperty& value, bool update)
{
    margin = value;
    if (update)
        updateLayout();
}

void AbstractThumbnailView::setMargin(const MarginProperty& value)
{
    setMargin(value, true);
}

void AbstractThumbnailView::setMargin(int value, bool update)
{
    setMargin(MarginProperty(value, value, value, value), update);
}

void AbstractThumbnailView::setMargin(int value)
{
    setMargin(value, true);
}

void AbstractThumbnailView::setSpacing(qreal vertical, qreal horizontal, bool update)
{
    verticalSpacing = vertical;
    horizontalSpacing = horizontal;
    if (update)
        updateLayout();
}

void AbstractThumbnailView::setSpacing(qreal vertical, qreal horizontal)
{
    setSpacing(vertical, horizontal, true);
}

void AbstractThumbnailView::setSpacing(int vertical, int horizontal, bool update)
{
    setSpacing(qreal(vertical), qreal(horizontal), update);
}

void AbstractThumbnailView::setSpacing(int vertical, int horizontal)
{
    setSpacing(qreal(vertical), qreal(horizontal), true);
}

void AbstractThumbnailView::setIndentation(qreal value)
{
    indentation = value;
    updateLayout();
}

void AbstractThumbnailView::setIndentation(int value)
{
    setIndentation(qreal(value));
}

void AbstractThumbnailView::clearSelection()
{
    if (scene())
        scene()->clearSelection();
}

void AbstractThumbnailView::setShowGrid(bool on)
{
    showGrid = on;
    viewport()->update();
}

void AbstractThumbnailView::setShowBox(bool on)
{
    showBox = on;
    viewport()->update();
}

void AbstractThumbnailView::setAutoExpandCategories(bool on)
{
    autoExpandCategories = on;
}

void AbstractThumbnailView::setShowCategories(bool on)
{
    showCategories = on;
    itemOrderValid = false;
    updateLayout();
}

void AbstractThumbnailView::setCategorySpacing(qreal spacing)
{
    categorySpacing = spacing;
    updateLayout();
}

void AbstractThumbnailView::selectFirstVisibleItem()
{
    const QList<AbstractThumbnailItem*> candidates = filterActive() ? filterList() : getAllItems();
    for (AbstractThumbnailItem* item : candidates) {
        if (!item || !item->isVisible())
            continue;
        clearSelection();
        if (item->isSelectable()) {
            currentItem = item;
            item->setSelected(true);
        }
        item->setFocus(Qt::OtherFocusReason);
        if (!item->isVisibleToView())
            ensureVisible(item, 0, 0);
        return;
    }
}

void AbstractThumbnailView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    updateLayout();
    rebuildBackgroundPixmap();
}

void AbstractThumbnailView::showEvent(QShowEvent*)
{
    // The base handler would centre the scene; the layout keeps it at the top left.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void AbstractThumbnailView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    // The background is painted relative to the visible area, not the scene.
    resetCachedContent();
    viewport()->update();
}

void AbstractThumbnailView::contextMenuEvent(QContextMenuEvent* event)
{
    event->ignore();
    QGraphicsView::contextMenuEvent(event);
    if (event->isAccepted())
        return;
    event->accept();
    emit showContextMenu(event);
}
