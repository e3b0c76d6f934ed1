#include "InPlaceEdit.h"

#include "ColorFunctions.h"

#include <QGraphicsItem>
#include <QGraphicsProxyWidget>
#include <QWidget>

InPlaceEdit::InPlaceEdit(QGraphicsItem& item, bool singleLine, bool frameless, int alignment,
                         std::function<void()> commit, std::function<void()> cancel)
    : item(item)
    , singleLine(singleLine)
    , frameless(frameless)
    , alignment(alignment)
    , filter({[this] { return editing; }, std::move(commit), std::move(cancel)})
{
}

InPlaceEdit::~InPlaceEdit()
{
    editing = false;
    destroyed = true;
    if (QWidget* editor = editorProxy ? editorProxy->widget() : nullptr)
        editor->removeEventFilter(&filter);
    QGraphicsProxyWidget* proxy = editorProxy;
    editorProxy = nullptr;
    delete proxy;
}

QGraphicsProxyWidget* InPlaceEdit::proxy() const
{
    if (editorProxy || destroyed)
        return editorProxy;
    QWidget* editor = InPlaceEditor::create(singleLine, frameless, alignment, &filter);
    editorProxy = new QGraphicsProxyWidget(&item);
    editorProxy->setCacheMode(QGraphicsItem::NoCache);
    editorProxy->setWidget(editor);
    editorProxy->setMinimumSize(0.0, 0.0);
    if (editorSize.width() >= 0.0 && editorSize.height() >= 0.0)
        editorProxy->resize(editorSize);
    editorProxy->hide();
    return editorProxy;
}

QWidget* InPlaceEdit::widget() const
{
    QGraphicsProxyWidget* made = proxy();
    return made ? made->widget() : nullptr;
}

bool InPlaceEdit::isBusy() const
{
    return destroyed || (editorProxy && editorProxy->isVisible()) || editing;
}

void InPlaceEdit::setSize(const QSizeF& size)
{
    if (size.width() < 0.0 || size.height() < 0.0)
        return;
    editorSize = size;
    if (editorProxy)
        editorProxy->resize(size);
}

void InPlaceEdit::show(const QString& text, const QFont& font, int alignment, const QColor& color, Palette palette)
{
    QWidget* editor = widget();
    if (!editor)
        return;
    InPlaceEditor::begin(editor, text, font, alignment);
    if (frameless)
        InPlaceEditor::setFramelessColor(editor, color);
    if (frameless || palette == Palette::Always) {
        setPaletteColor(editor, QPalette::WindowText, color);
        setPaletteColor(editor, QPalette::Text, color);
    }
    editorProxy->show();
    editorProxy->setFocus(Qt::OtherFocusReason);
    if (QGraphicsItem* parent = item.parentItem()) {
        parent->setZValue(parent->zValue() + 10.0);
        raisedParent = parent;
    }
}

QString InPlaceEdit::text() const
{
    return editorProxy ? InPlaceEditor::text(editorProxy->widget()).trimmed() : QString();
}

bool InPlaceEdit::close()
{
    if (!editing || !editorProxy)
        return false;
    // Cleared first: hiding the editor takes its focus, which must not commit again.
    editing = false;
    editorProxy->hide();
    if (raisedParent && raisedParent == item.parentItem())
        raisedParent->setZValue(raisedParent->zValue() - 10.0);
    raisedParent = nullptr;
    return true;
}
