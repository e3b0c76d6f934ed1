#include "CategoryHeaderItem.h"

#include "AbstractThumbnailView.h"
#include "ButtonItem.h"
#include "PasteboardUrls.h"
#include "SharedBackgrounds.h"
#include "TextItem.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

CategoryHeaderItem::CategoryHeaderItem(QGraphicsItem* parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
{
    setObjectName(QStringLiteral("categoryheaderitem"));
    setAcceptHoverEvents(true);
    setAcceptDrops(true);
}

CategoryHeaderItem::~CategoryHeaderItem()
{
    // Deleted by its owner while still filed: the view must not keep a dangling pointer.
    if (view)
        view->headerDestroyed(this);
}

QRectF CategoryHeaderItem::boundingRect() const
{
    double textHeight = 0.0;
    if (textItem) {
        textHeight = textItem->boundingRect().height() + textMargin[MarginProperty::Top]
            + textMargin[MarginProperty::Bottom];
    }
    double buttonHeight = 0.0;
    if (stateButton) {
        buttonHeight = stateButton->boundingRect().height() + buttonMargin[MarginProperty::Top]
            + buttonMargin[MarginProperty::Bottom];
    }
    return QRectF(0.0, 0.0, width, qMax(textHeight, buttonHeight));
}

void CategoryHeaderItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF r = boundingRect();
    const bool hover = option && (option->state & QStyle::State_MouseOver);
    int paintState = hover ? 2 : 0;
    if (pressed)
        paintState = hover ? 3 : 1;
    adjustBackground(paintState, false);
    const QPixmap cached = backgroundCache[ImageResource::State(paintState)];
    if (!cached.isNull())
        painter->drawPixmap(r.topLeft(), cached);
    if (dropHighlight)
        BackgroundPainter(QColor(0, 0, 0, 50)).paint(painter, r);
}

void CategoryHeaderItem::adjustBackground(int paintState, bool force)
{
    const QRect r = boundingRect().toRect();
    const BackgroundPainter painter = background[BackgroundProperty::State(paintState)];
    if (!painter.painterFlags())
        return;
    if (!force && backgroundCache[ImageResource::State(paintState)].size() == r.size())
        return;
    const QPixmap pixmap = SharedBackgrounds::rendered(painter, r.size());
    if (!pixmap.isNull())
        backgroundCache.setImage(ImageResource::State(paintState), pixmap);
}

void CategoryHeaderItem::setText(const QString& value)
{
    if (view && value != name)
        view->forgetCategoryPaths();
    name = value;
    updateText();
}

// Counts and what the header shows of itself change no other header's text: the
// headers below show the names above them, nothing else.
void CategoryHeaderItem::setItems(int count)
{
    if (items == count)
        return;
    items = count;
    updateOwnText();
}

void CategoryHeaderItem::setMatches(int count)
{
    if (matches == count)
        return;
    matches = count;
    updateOwnText();
}

void CategoryHeaderItem::setShowItems(bool on)
{
    if (showItems == on)
        return;
    showItems = on;
    updateOwnText();
}

void CategoryHeaderItem::setShowMatches(bool on)
{
    if (showMatches == on)
        return;
    showMatches = on;
    updateOwnText();
}

void CategoryHeaderItem::setShowPath(bool on)
{
    if (showPath == on)
        return;
    showPath = on;
    updateOwnText();
}

QString CategoryHeaderItem::textToShow() const
{
    const QString base = showPath && view ? view->getCategoryPath(key) : name;
    const QString m = showMatches && matches != -1 ? QString::number(matches) : QString();
    const QString n = showItems && items != 0 ? QString::number(items) : QString();
    if (m.isEmpty() && n.isEmpty())
        return base;
    const QString count = !m.isEmpty() && !n.isEmpty() ? QStringLiteral("%1/%2").arg(m, n) : m + n;
    return QStringLiteral("%1  (%2)").arg(base, count);
}

void CategoryHeaderItem::updateText()
{
    // A text update walks down the tree; it never walks into itself again.
    if (updatingText)
        return;
    QScopedValueRollback<bool> guard(updatingText, true);
    updateOwnText();
    if (view)
        view->updateChildrenText(key);
}

void CategoryHeaderItem::updateOwnText()
{
    if (textItem)
        textItem->setText(textToShow());
    updateItemsPos();
}

void CategoryHeaderItem::setTextItem(TextItem* item, const MarginProperty& marginValue)
{
    prepareGeometryChange();
    if (textItem && textItem != item) {
        textItem->disconnect(this);
        delete textItem;
    }
    textItem = item;
    textMargin = marginValue;
    if (textItem) {
        textItem->setText(textToShow());
        textItem->setParentItem(this);
        textItem->setVisible(true);
        textItem->setZValue(10.0);
        updateItemsPos();
        connect(textItem, &TextItem::clicked, this, &CategoryHeaderItem::textItemClicked, Qt::UniqueConnection);
        connect(textItem, &TextItem::doubleClicked, this, &CategoryHeaderItem::textItemDoubleClicked,
                Qt::UniqueConnection);
        connect(textItem, &TextItem::editingStarted, this, &CategoryHeaderItem::editingStarted, Qt::UniqueConnection);
        connect(textItem, &TextItem::editingFinished, this, &CategoryHeaderItem::editingFinished,
                Qt::UniqueConnection);
        connect(textItem, &TextItem::aboutToEdit, this, &CategoryHeaderItem::aboutToEditText, Qt::UniqueConnection);
        connect(textItem, &TextItem::textEdited, this, &CategoryHeaderItem::textEdited, Qt::UniqueConnection);
    }
    update();
}

ImageResource CategoryHeaderItem::currentStateIcon() const
{
    return state == 1 ? expandedIcon : collapsedIcon;
}

void CategoryHeaderItem::setStateButton(ButtonItem* button, const ImageResource& collapsed,
                                        const ImageResource& expanded, const MarginProperty& marginValue,
                                        Alignment alignment)
{
    prepareGeometryChange();
    if (stateButton && stateButton != button) {
        stateButton->disconnect(this);
        delete stateButton;
    }
    stateButton = button;
    collapsedIcon = collapsed;
    expandedIcon = expanded;
    buttonMargin = marginValue;
    buttonAlignment = alignment;
    if (stateButton) {
        stateButton->setParentItem(this);
        stateButton->setVisible(!buttonOnHover);
        stateButton->setIcon(currentStateIcon());
        updateItemsPos();
        connect(stateButton, &ButtonItem::clicked, this, &CategoryHeaderItem::stateButtonClicked,
                Qt::UniqueConnection);
    }
    update();
}

void CategoryHeaderItem::setStateButtonIcon(const ImageResource& collapsed, const ImageResource& expanded)
{
    collapsedIcon = collapsed;
    expandedIcon = expanded;
    if (!stateButton)
        return;
    stateButton->setIcon(currentStateIcon());
    updateItemsPos();
}

void CategoryHeaderItem::setButtonOnHover(bool on)
{
    buttonOnHover = on;
    if (stateButton)
        stateButton->setVisible(on ? false : toggleable);
}

void CategoryHeaderItem::canBeToggled(bool on)
{
    toggleable = on;
    if (stateButton)
        stateButton->setVisible(buttonOnHover ? false : on);
}

void CategoryHeaderItem::setHideIfEmpty(bool on)
{
    hideIfEmpty = on;
    if (view)
        view->updateLayout();
}

void CategoryHeaderItem::setMargin(const MarginProperty& value)
{
    margin = value;
    if (view)
        view->updateLayout();
}

void CategoryHeaderItem::setWidth(double value)
{
    if (value == width)
        return;
    prepareGeometryChange();
    width = value;
    updateItemsPos();
}

void CategoryHeaderItem::setBackground(const BackgroundProperty& value)
{
    // Painted when a state is first shown: most headers of a large cabinet never are.
    background = value;
    backgroundCache = ImageResource();
    update();
}

void CategoryHeaderItem::setExpanded(bool on)
{
    if (!toggleable || on == (state == 1))
        return;
    state = on ? 1 : 0;
    if (view) {
        view->updateLayout();
        emit view->categoryExpanded(this, state == 1);
    }
    if (stateButton) {
        stateButton->setIcon(currentStateIcon());
        updateItemsPos();
    }
}

void CategoryHeaderItem::toggle()
{
    setExpanded(state != 1);
}

void CategoryHeaderItem::editText()
{
    if (textItem && editable && textItem->isEditable() && !(view && view->isReadOnly()))
        textItem->startEdit();
}

bool CategoryHeaderItem::isEditing() const
{
    return textItem && textItem->isEditing();
}

void CategoryHeaderItem::updateItemsPos()
{
    prepareGeometryChange();
    const QRectF r = boundingRect();
    QPointF buttonPos;
    QRectF buttonRect;
    const int alignment = int(buttonAlignment);
    if (stateButton) {
        buttonRect = stateButton->boundingRect();
        const double x = alignment == Qt::AlignRight
            ? r.x() + r.width() - buttonRect.width() - buttonMargin[MarginProperty::Right]
            : buttonMargin[MarginProperty::Left];
        const double y = int((r.height() - buttonRect.height()) * 0.5);
        buttonPos = QPointF(x, y);
        stateButton->setPos(buttonPos);
    }
    if (!textItem)
        return;

    const double left = r.x() + textMargin[MarginProperty::Left];
    const double top = r.y() + textMargin[MarginProperty::Top];
    const double areaWidth = r.width() - textMargin[MarginProperty::Left] - textMargin[MarginProperty::Right];
    const double areaHeight = r.height() - textMargin[MarginProperty::Top] - textMargin[MarginProperty::Bottom];
    textItem->setSize(QSizeF(-1.0, -1.0));
    const QSizeF natural = textItem->naturalSize(qMax(0.0, areaWidth));
    double w = qMin(natural.width(), areaWidth);
    double h = natural.height();
    if (textItem->isEditing()) {
        w = areaWidth;
        h = qMax(natural.height(), 21.0);
    }
    QRectF placed(0.0, 0.0, w, h);
    placed.moveCenter(QPointF(left + areaWidth * 0.5, top + areaHeight * 0.5));
    // Whole pixels, the extent rounded up: a text one fraction of a pixel short of its width would be elided.
    placed = QRectF(qRound(placed.x()), qRound(placed.y()), qCeil(placed.width()), qCeil(placed.height()));

    if (stateButton) {
        if (alignment == Qt::AlignRight) {
            const double limit = buttonPos.x() - buttonMargin[MarginProperty::Left];
            if (limit < placed.right())
                placed.setWidth(limit - placed.x());
        } else if (alignment == Qt::AlignLeft) {
            const double start = buttonPos.x() + buttonRect.width() + buttonMargin[MarginProperty::Right];
            if (placed.x() < start)
                placed.setLeft(start);
        }
    }
    textItem->setSize(QSizeF(qMax(0.0, placed.width()), placed.height()));
    textItem->setPos(placed.topLeft());
}

void CategoryHeaderItem::textItemClicked(TextItem*, QGraphicsSceneMouseEvent* event)
{
    mouseReleaseEvent(event);
}

void CategoryHeaderItem::textItemDoubleClicked(TextItem*, QGraphicsSceneMouseEvent* event)
{
    if (!textItem)
        return;
    if (textItem->isEditable())
        editText();
    else
        mouseDoubleClickEvent(event);
}

void CategoryHeaderItem::stateButtonClicked(ButtonItem*, QGraphicsSceneMouseEvent*)
{
    toggle();
}

void CategoryHeaderItem::aboutToEditText(QString& text)
{
    // The editor opens on the bare name, never the path or the counts.
    text = name;
}

void CategoryHeaderItem::textEdited(QString& text)
{
    if (!text.isEmpty() && !(view && view->isReadOnly()))
        setText(text);
}

void CategoryHeaderItem::editingStarted()
{
    updateItemsPos();
    if (view)
        view->setEditing(true);
}

void CategoryHeaderItem::editingFinished()
{
    updateItemsPos();
    if (view)
        view->setEditing(false);
}

QVariant CategoryHeaderItem::itemChange(GraphicsItemChange, const QVariant& value)
{
    return value;
}

void CategoryHeaderItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (isEditing())
        textItem->endEdit();
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed = true;
    update();
}

void CategoryHeaderItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed = false;
    update();
    if (discardClick)
        return;
    toggle();
    if (view)
        emit view->categoryClicked(this);
}

void CategoryHeaderItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed = true;
    update();
    if (!discardClick || discardDoubleClick)
        return;
    toggle();
    if (view)
        emit view->categoryDoubleClicked(this);
}

void CategoryHeaderItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsItem::hoverEnterEvent(event);
    if (buttonOnHover && toggleable && !isEditing() && stateButton && stateButton->isEnabled())
        stateButton->setVisible(true);
    if (view)
        view->hoverEnterEvent(this, event);
}

void CategoryHeaderItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsItem::hoverLeaveEvent(event);
    if (buttonOnHover && stateButton && !isEditing())
        stateButton->setVisible(false);
    if (view)
        view->hoverLeaveEvent(this, event);
}

void CategoryHeaderItem::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    QGraphicsItem::dragEnterEvent(event);
    const QMimeData* data = event->mimeData();
    if (!data || !view)
        return;
    bool accepted = false;
    QList<QUrl> urls;
    QStringList names;
    if (getUrlsWithNames(data, urls, names)) {
        for (int i = 0; i < urls.count(); ++i) {
            bool ok = false;
            emit view->acceptDropUrl(urls.at(i), names.value(i), &ok);
            if (ok) {
                accepted = true;
                break;
            }
        }
    }
    if (accepted || data->hasFormat(view->getDragMimeType())) {
        event->acceptProposedAction();
        dropHighlight = true;
        update();
    }
}

void CategoryHeaderItem::dragLeaveEvent(QGraphicsSceneDragDropEvent* event)
{
    QGraphicsItem::dragLeaveEvent(event);
    dropHighlight = false;
    update();
}

void CategoryHeaderItem::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    QGraphicsItem::dropEvent(event);
    dropHighlight = false;
    update();
}

void CategoryHeaderItem::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QGraphicsItem::contextMenuEvent(event);
    if (!view)
        return;
    event->accept();
    emit view->showCategoryContextMenu(this, event);
}
