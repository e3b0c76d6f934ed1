#include "EditorItem.h"

#include "ColorFunctions.h"
#include "InPlaceEditor.h"

#include <QGraphicsProxyWidget>
#include <QPainter>
#include <QPointer>
#include <QWidget>

EditorItem::EditorItem(bool singleLine, bool frameless, QGraphicsItem* parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
    , singleLine(singleLine)
    , frameless(frameless)
{
    setAcceptHoverEvents(false);
    build();
}

EditorItem::EditorItem(const EditorItem& other)
    : QObject(nullptr)
    , QGraphicsItem(other.parentItem())
    , alignment(other.alignment)
    , singleLine(other.singleLine)
    , frameless(other.frameless)
    , pen(other.pen)
    , font(other.font)
    , background(other.background)
    , size(other.size)
{
    setAcceptHoverEvents(other.acceptHoverEvents());
    editFilter.setContextMenu(other.editFilter.hasContextMenu());
    build();
}

void EditorItem::build()
{
    setObjectName(QStringLiteral("editoritem"));
    setCacheMode(NoCache);
    QWidget* editor = InPlaceEditor::create(singleLine, frameless, int(alignment), &editFilter);
    proxy = new QGraphicsProxyWidget(this);
    proxy->setCacheMode(NoCache);
    proxy->setWidget(editor);
    // The editor takes exactly the item's size, however small.
    proxy->setMinimumSize(0.0, 0.0);
    proxy->hide();
    if (size.width() >= 0.0 && size.height() >= 0.0)
        proxy->resize(size);
}

EditorItem::~EditorItem()
{
    // The editor must not report a focus loss into a half-destroyed item.
    editing = false;
    if (QWidget* editor = editorWidget())
        editor->removeEventFilter(&editFilter);
    delete proxy;
}

QWidget* EditorItem::editorWidget() const
{
    return proxy ? proxy->widget() : nullptr;
}

void EditorItem::setFont(const QFont& value)
{
    font = value;
    update();
}

void EditorItem::setPen(const QPen& value)
{
    pen = value;
    update();
}

void EditorItem::setBackground(const BackgroundPainter& value)
{
    background = value;
    update();
}

void EditorItem::setAlignment(Qt::Alignment value)
{
    alignment = value;
    update();
}

void EditorItem::setSize(const QSizeF& value)
{
    if (value.width() < 0.0 || value.height() < 0.0)
        return;
    prepareGeometryChange();
    size = value;
    if (proxy)
        proxy->resize(size);
    update();
}

QRectF EditorItem::boundingRect() const
{
    if (size.width() >= 0.0 && size.height() >= 0.0)
        return QRectF(QPointF(0.0, 0.0), size);
    return QRectF();
}

void EditorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    background.paint(painter, boundingRect());
    painter->restore();
}

void EditorItem::startEdit()
{
    if (!proxy || proxy->isVisible() || editing)
        return;
    QString text;
    QPointer<EditorItem> alive(this);
    editing = true;
    emit aboutToEdit(text);
    if (!alive || !editing)
        return;
    emit editingStarted();
    if (!alive || !editing)
        return;

    QWidget* editor = editorWidget();
    InPlaceEditor::begin(editor, text, font, int(alignment));
    if (frameless)
        InPlaceEditor::setFramelessColor(editor, pen.color());
    setPaletteColor(editor, QPalette::WindowText, pen.color());
    setPaletteColor(editor, QPalette::Text, pen.color());
    QGraphicsItem::setVisible(true);
    proxy->show();
    proxy->setFocus(Qt::OtherFocusReason);
    if (QGraphicsItem* parent = parentItem()) {
        parent->setZValue(parent->zValue() + 10.0);
        raisedParent = parent;
    }
}

void EditorItem::returnPressed()
{
    if (!editing || !proxy)
        return;
    const QString edited = InPlaceEditor::text(editorWidget()).trimmed();
    QPointer<EditorItem> alive(this);
    emit textEdited(edited);
    if (alive)
        endEdit();
}

void EditorItem::endEdit()
{
    if (!editing || !proxy)
        return;
    // Cleared first: hiding the editor takes its focus, which must not commit again.
    editing = false;
    if (raisedParent && raisedParent == parentItem())
        raisedParent->setZValue(raisedParent->zValue() - 10.0);
    raisedParent = nullptr;
    proxy->hide();
    QGraphicsItem::setVisible(false);
    // Last: the receiver may dispose of this item.
    emit editingFinished();
}

