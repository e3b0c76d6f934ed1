#pragma once

#include "InPlaceEditor.h"

#include <QPointer>
#include <QSizeF>

class QColor;
class QFont;
class QGraphicsItem;
class QGraphicsProxyWidget;
class QWidget;

// One item's editing in place: the editor widget in a hidden proxy over the item, the
// editing state, and the item's parent raised above its siblings while an edit lasts.
// The item keeps its own signals; this holds what every editing item does alike. The
// editor is made when it is first needed: on X each editor widget gets a window of
// its own, which thousands of category headers that are never renamed need not cost.
class InPlaceEdit
{
public:
    // How the editor's text takes the item's colour: through its style sheet when it
    // is frameless, and through its palette only when frameless or always.
    enum class Palette { WhenFrameless, Always };

    // Return, Enter and a focus-out call `commit`, Escape calls `cancel`; both are the
    // item's and may delete it.
    InPlaceEdit(QGraphicsItem& item, bool singleLine, bool frameless, int alignment, std::function<void()> commit,
                std::function<void()> cancel);
    // The editor must not report a focus loss into a half-destroyed item.
    ~InPlaceEdit();

    InPlaceEdit(const InPlaceEdit&) = delete;
    InPlaceEdit& operator=(const InPlaceEdit&) = delete;

    // The editor and its proxy, made on the first call.
    QWidget* widget() const;
    QGraphicsProxyWidget* proxy() const;
    bool isEditing() const { return editing; }
    // An edit is open, or its editor still shows.
    bool isBusy() const;
    void setContextMenu(bool on) { filter.setContextMenu(on); }
    bool hasContextMenu() const { return filter.hasContextMenu(); }
    // The editor takes exactly this size, however small.
    void setSize(const QSizeF& size);

    // Marks the edit open; the item's signals run before show() and may end it again.
    void open() { editing = true; }
    // Fills, colours, shows and focuses the editor, and raises the item's parent.
    void show(const QString& text, const QFont& font, int alignment, const QColor& color, Palette palette);
    // The edited text without the blanks around it.
    QString text() const;
    // Closes the editor and lowers the parent once; false when no edit was open.
    bool close();

private:
    QGraphicsItem& item;
    bool singleLine;
    bool frameless;
    int alignment;
    bool editing = false;
    bool destroyed = false;
    mutable InPlaceEditor::EventFilter filter;
    mutable QGraphicsProxyWidget* editorProxy = nullptr;
    QSizeF editorSize{-1.0, -1.0};
    // The parent raised for this edit; lowered once when it ends.
    QGraphicsItem* raisedParent = nullptr;
};
