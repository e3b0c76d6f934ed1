#pragma once

#include "ThumbnailItem.h"

// An entry of the cabinet's navigator: one line of text on its state's background,
// shortened in the middle when it does not fit the strip.
class NavigatorItem : public ThumbnailItem
{
    Q_OBJECT

public:
    explicit NavigatorItem(QGraphicsItem* parent = nullptr);

    QPixmap getDragImage(bool full) const override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void itemChanged() override;

private:
    QRectF measure(double availableWidth, double availableHeight) const;

    // The size for the last available width; the layout asks for it many times.
    mutable QRectF cachedRect;
    mutable QSizeF cachedRoom = QSizeF(-2.0, -2.0);
};
