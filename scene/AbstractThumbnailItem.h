#pragma once

#include "MarginProperty.h"

#include <QGraphicsItem>
#include <QObject>
#include <QPixmap>
#include <QVariant>

class AbstractThumbnailView;
class QDataStream;

// Base of every item a scene view lays out in its categories: a Qt object (for
// slots) and a graphics item that reports its changes and events to its view.
class AbstractThumbnailItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    enum { Type = QGraphicsItem::UserType + 1 };

    explicit AbstractThumbnailItem(QGraphicsItem* parent = nullptr);
    ~AbstractThumbnailItem() override;

    int type() const override;
    virtual bool isEditing() const;
    // Model data; role 32 is the item's user data slot, role 33 its sort key, role 34
    // (ThumbnailItemModel::UtcDateRole) a date cell as the same moment in UTC.
    virtual QVariant getData(int column, int role) const = 0;
    // The kind name that leads the item's block in clipboard and drag data.
    virtual QString getMimeType() const = 0;
    // The point in viewport coordinates on which the item stands.
    virtual QPoint getGroundPos() const = 0;
    virtual QPoint mapToDragImage(const QPointF& point) const = 0;
    virtual QPixmap getDragImage(bool full) const = 0;
    virtual QSize getDragImageSize() const = 0;
    virtual MarginProperty getMargin() const = 0;
    virtual void write(QDataStream& stream) const = 0;
    virtual void read(QDataStream& stream) = 0;

    AbstractThumbnailView* getView() const { return view; }
    bool acceptDrags() const { return dragsAccepted; }
    void setAcceptDrags(bool on) { dragsAccepted = on; }
    int getCategoryKey() const { return categoryKey; }
    // Set before the item is added: the view files the item by its key.
    void setCategoryKey(int key) { categoryKey = key; }

    bool isSelectable() const;
    bool isFocusable() const;
    QRect viewBoundingRect() const;
    QRect screenBoundingRect() const;
    bool isVisibleToView(const QPoint& viewportPoint) const;
    bool isVisibleToView(const QPointF& scenePoint) const;
    bool isVisibleToView() const;

public slots:
    void editingStarted();
    void editingFinished();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    friend class AbstractThumbnailView;

    bool dragsAccepted = true;
    int categoryKey = -1;
    AbstractThumbnailView* view = nullptr;
};
