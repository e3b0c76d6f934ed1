#include "EditorItem.h"


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
    setObjectName(QStringLiteral("editoritem"));
    setCacheMode(NoCache);
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
    edit.setContextMenu(other.edit.hasContextMenu());
    setObjectName(QStringLiteral("editoritem"));
    setCacheMode(NoCache);
    edit.setSize(size);
}

EditorItem::~EditorItem() = default;

QWidget* EditorItem::editorWidget() const
{
    return edit.widget();
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
    edit.setSize(size);
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
    if (edit.isBusy())
        return;
    QString text;
    QPointer<EditorItem> alive(this);
    edit.open();
    emit aboutToEdit(text);
    if (!alive || !edit.isEditing())
        return;
    emit editingStarted();
    if (!alive || !edit.isEditing())
        return;
    QGraphicsItem::setVisible(true);
    edit.show(text, font, int(alignment), pen.color(), InPlaceEdit::Palette::Always);
}

void EditorItem::returnPressed()
{
    if (!edit.isEditing())
        return;
    const QString edited = edit.text();
    QPointer<EditorItem> alive(this);
    emit textEdited(edited);
    if (alive)
        endEdit();
}

void EditorItem::endEdit()
{
    if (!edit.close())
        return;
    QGraphicsItem::setVisible(false);
    // Last: the receiver may dispose of this item.
    emit editingFinished();
}

