#pragma once

#include "BackgroundPainter.h"
#include "PaintCulling.h"
#include "ThumbnailView.h"

#include <QPixmap>
#include <QVector>

class FloatingLabelItem;
class MyDropIndicatorItem;
class MyThumbnailItem;

// The scene view of a cabinet, drawn as a piece of furniture: a back panel and two
// perspective side panels from the cabinet painter, shaded by a darkness level, a
// perspective shelf board under every row of items, a thin dark frame, the floating
// name label over hovered items and a triangular drop marker.
//
// The cabinet body is built once per viewport size and the board once per scene width;
// painting blits them, one board for each row that the exposed area reaches. Items
// out of view are left out of the scene's paint walk (PaintCulling).
class MyThumbnailView : public ThumbnailView
{
    Q_OBJECT

public:
    explicit MyThumbnailView(QWidget* parent = nullptr);
    ~MyThumbnailView() override;

    void setTransparent(bool on);
    void setShelfPainter(const BackgroundPainter& painter);
    void setCabinetPainter(const BackgroundPainter& painter);
    void setBackDarknessLevel(int level);
    void setBackPanelOffset(int offset);
    void setSidePanelOffset(int offset);
    void setShelfThickness(int thickness, bool rebuild);
    void setShelfMargin(int margin, bool rebuild);
    void setShelfHeight(int height, bool rebuild);
    // 0 is stored as 1: the angle divides.
    void setShelfAngle(int angle, bool rebuild);
    void hideFloatingLabel();

    // The first item of the category's own list with this name and target, both
    // compared without regard to case (targets with native separators); null if none.
    MyThumbnailItem* itemsExists(const QString& name, const QString& target, int categoryKey) const;

    bool isTransparent() const { return transparent; }
    BackgroundPainter getShelfPainter() const { return shelfPainter; }
    BackgroundPainter getCabinetPainter() const { return cabinetPainter; }
    int getBackDarknessLevel() const { return backDarknessLevel; }
    int getBackPanelOffset() const { return backPanelOffset; }
    int getSidePanelOffset() const { return sidePanelOffset; }
    int getShelfThickness() const { return shelfThickness; }
    int getShelfMargin() const { return shelfMargin; }
    int getShelfHeight() const { return shelfHeight; }
    int getShelfAngle() const { return shelfAngle; }
    FloatingLabelItem* getFloatingLabel() const { return floatingLabel; }
    QPixmap getShelfPixmap() const { return shelfPixmap; }
    QPixmap getBackgroundPixmap() const { return cabinetPixmap; }
    // The top of each row's board in scene coordinates, in layout order.
    QVector<int> getShelfRows() const;

    QString categoryPathSeparator() const override;
    int modelColumnCount() const override;
    void hoverEnterEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event) override;
    using AbstractThumbnailView::hoverEnterEvent;
    using AbstractThumbnailView::hoverLeaveEvent;

public slots:
    void updateLayout() override;
    void showItemInfo(bool on);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void adjustShelf(bool force);
    void adjustBackground(bool force);
    QPixmap sidePanel(const QRect& viewportRect, int depth) const;
    void collectShelfRows(const CategoryItem* category, QVector<int>& rows) const;
    void collectShelfRows(const QList<AbstractThumbnailItem*>& items, QVector<int>& rows) const;
    void rebuildShelfRows() const;
    void paintShelves(QPainter* painter, const QRectF& exposed) const;

    FloatingLabelItem* floatingLabel;
    MyDropIndicatorItem* dropMarker;
    // Receives the destruction of labelled items; deleted first, so the base
    // destructor's deletions reach no half-destroyed view.
    QObject* labelWatch;
    const MyThumbnailItem* watchedItem = nullptr;
    BackgroundPainter shelfPainter;
    BackgroundPainter cabinetPainter;
    QPixmap cabinetPixmap;
    QPixmap shelfPixmap;
    int shelfAngle = 40;
    int shelfHeight = 50;
    int shelfMargin = 5;
    int shelfThickness = 5;
    int sidePanelOffset = 0;
    int backPanelOffset = 0;
    int backDarknessLevel = 140;
    bool transparent = false;

    // Board tops of the current layout, found once after each layout, together with
    // the places of the items for the culling.
    mutable QVector<int> shelfRows;
    mutable bool shelfRowsValid = false;
    mutable PaintCulling culling;
};
