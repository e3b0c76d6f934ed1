#pragma once

#include "BackgroundPainter.h"
#include "InPlaceEdit.h"

#include <QFont>
#include <QGraphicsItem>
#include <QObject>
#include <QPen>

class QGraphicsProxyWidget;

// An in-place editor that exists only while the user edits: the text to edit comes
// from the receiver of aboutToEdit(), the result leaves through textEdited(), and the
// item hides itself when the edit ends. An edit ends exactly once, and
// editingFinished() is the last thing it does, so its receiver may dispose of the
// item (with deleteLater()).
class EditorItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    enum { Type = QGraphicsItem::UserType + 5 };

    EditorItem(bool singleLine, bool frameless, QGraphicsItem* parent = nullptr);
    // A new editor with the same look; it starts closed.
    EditorItem(const EditorItem& other);
    ~EditorItem() override;

    EditorItem& operator=(const EditorItem&) = delete;

    void setFont(const QFont& font);
    void setPen(const QPen& pen);
    void setBackground(const BackgroundPainter& background);
    // Reaches the editor at the next startEdit().
    void setAlignment(Qt::Alignment alignment);
    void setContextMenu(bool on) { edit.setContextMenu(on); }
    // Ignored unless both sides are at least 0.
    void setSize(const QSizeF& size);

    bool isEditing() const { return edit.isEditing(); }
    QSizeF getSize() const { return size; }
    QWidget* editorWidget() const;
    QGraphicsProxyWidget* editorProxy() const { return edit.proxy(); }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void aboutToEdit(QString& text);
    void editingStarted();
    void textEdited(QString text);
    void editingFinished();

public slots:
    void startEdit();
    void endEdit();
    void returnPressed();

private:

    Qt::Alignment alignment = Qt::AlignCenter;
    bool singleLine;
    bool frameless;
    QPen pen;
    QFont font;
    BackgroundPainter background;
    QSizeF size = QSizeF(-1.0, -1.0);
    InPlaceEdit edit{*this, singleLine, frameless, int(alignment), [this] { returnPressed(); }, [this] { endEdit(); }};
};
