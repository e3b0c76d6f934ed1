#pragma once

#include "BackgroundPainter.h"
#include "InPlaceEdit.h"
#include "LeftButtonPress.h"
#include "MarginProperty.h"
#include "VisibilityFade.h"

#include <QFont>
#include <QGraphicsItem>
#include <QObject>
#include <QPen>
#include <QTimeLine>

class QGraphicsProxyWidget;
class QGraphicsSceneMouseEvent;

// A piece of text in the scene that can be edited in place. The new text leaves
// through textEdited(); the receiver decides whether to store it with setText().
// An edit ends exactly once: Return, Enter or focus loss commit, Escape cancels.
class TextItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    enum { Type = QGraphicsItem::UserType + 4 };

    TextItem(bool singleLine, bool frameless, QGraphicsItem* parent = nullptr);
    // A new item with the same text and look; it starts transparent, not editing.
    TextItem(const TextItem& other);
    ~TextItem() override;

    TextItem& operator=(const TextItem&) = delete;

    void setText(const QString& text);
    void setMargin(const MarginProperty& margin);
    void setFont(const QFont& font);
    void setPen(const QPen& pen);
    void setTextBackground(const BackgroundPainter& background);
    // Text alignment and flags for drawing (not the graphics-item flags).
    void setFlags(int flags);
    void setShadow(bool shadow, bool shadowUp);
    void setEditorBackground(const BackgroundPainter& background);
    // A size with a negative side is kept, but the bounds then follow the text.
    void setSize(const QSizeF& size);
    void setEditable(bool on) { editable = on; }
    void setContextMenu(bool on) { edit.setContextMenu(on); }
    void setAnimVisible(bool on);
    void setAnimVisibleDuration(int ms);
    void setAnimVisibleCurveShape(QTimeLine::CurveShape shape);
    // Fades when the animation is on; a fade-out hides the item at its end.
    void setVisible(bool on);

    QString getText() const { return text; }
    int getFlags() const { return textFlags; }
    QFont getFont() const { return font; }
    QPen getPen() const { return pen; }
    MarginProperty getMargin() const { return margin; }
    QSizeF getSize() const { return size; }
    bool isEditable() const { return editable; }
    bool isEditing() const { return edit.isEditing(); }
    bool isSingleLine() const { return singleLine; }
    QWidget* editorWidget() const;
    QGraphicsProxyWidget* editorProxy() const { return edit.proxy(); }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    // The size boundingRect() has without a set size, but no wider than `maxWidth`: a
    // long text (a deep category path) is measured only as far as it fits.
    QSizeF naturalSize(double maxWidth) const;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void aboutToEdit(QString& text);
    void editingStarted();
    void textEdited(QString& text);
    void editingFinished();
    void enabled(TextItem* item, bool on);
    void visible(TextItem* item, bool on);
    void clicked(TextItem* item, QGraphicsSceneMouseEvent* event);
    void doubleClicked(TextItem* item, QGraphicsSceneMouseEvent* event);

public slots:
    void startEdit();
    void endEdit();
    void returnPressed();
    void resetCache();

protected slots:
    void animateVisible(qreal value);
    void animateVisibleFinished();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void build();
    void changed();

    QString text;
    // The last naturalSize() and what it was measured for.
    struct Measure
    {
        bool valid = false;
        double maxWidth = 0.0;
        QString text;
        QFont font;
        MarginProperty margin;
        // The width of the text measured, and whether that was all of it: a whole
        // measure holds for any width the layout offers.
        double width = 0.0;
        bool whole = false;
        QSizeF size;
    };
    mutable Measure measured;
    int textFlags = Qt::AlignCenter | Qt::TextSingleLine;
    bool shadow = false;
    bool shadowUp = false;
    bool editable = true;
    bool singleLine;
    bool frameless;
    QPen pen;
    QFont font;
    MarginProperty margin;
    BackgroundPainter textBackground;
    BackgroundPainter editorBackground;
    QSizeF size = QSizeF(-1.0, -1.0);
    VisibilityFade fade{*this, false};
    LeftButtonPress leftPress{*this};
    InPlaceEdit edit{*this, singleLine, frameless, textFlags & 0xff, [this] { returnPressed(); }, [this] { endEdit(); }};
};
