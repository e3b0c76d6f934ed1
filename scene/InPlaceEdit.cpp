#include "InPlaceEdit.h"

#include "ColorFunctions.h"

#include <QGraphicsItem>
#include <QGraphicsProxyWidget>
#include <QWidget>

InPlaceEdit::InPlaceEdit(QGraphicsItem& item, bool singleLine, bool frameless, int alignment,
                         std::function<void()> commit, std::function<void()> cancel)
    : item(item)
    , frameless(frameless)
    , filter({[this] { return editing; }, std::move(commit), std::move(cancel)})
{
    QWidget* editor = InPlaceEditor::create(singleLine, frameless, alignment, &filter);
    editorProxy = new QGraphicsProxyWidget(&item);
    editorProxy->setCacheMode(QGraphicsItem::NoCache);
    editorProxy->setWidget(editor);
    editorProxy->setMinimumSize(0.0, 0.0);
    editorProxy->hide();
}

InPlaceEdit::~InPlaceEdit()
{
    editing = false;
    if (QWidget* editor = widget())
        editor->removeEventFilter(&filter);
    QGraphicsProxyWidget* proxy = editorProxy;
    editorProxy = nullptr;
    delete proxy;
}

QWidget* InPlaceEdit::widget() const
{
    return editorProxy ? editorProxy->widget() : nullptr;
}

bool InPlaceEdit::isBusy() const
{
    return !editorProxy || editorProxy->isVisible() || editing;
}

void InPlaceEdit::setSize(const QSizeF& size)
{
    if (editorProxy && size.width() >= 0.0 && size.height() >= 0.0)
        editorProxy->resize(size);
}

void InPlaceEdit::show(const QString& text, const QFont& font, int alignment, const QColor& color, Palette palette)
{
    QWidget* editor = widget();
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
    return InPlaceEditor::text(widget()).trimmed();
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
