#pragma once

#include "ThumbnailItem.h"

// One tag of the program's vocabulary as a rounded chip in the item properties
// dialog. A chip whose tag belongs to the edited item is "tag-selected" and drawn in
// its own colours; that mark is separate from the view's selection, which only picks
// the chip the Delete key acts on.
class TagItem : public ThumbnailItem
{
    Q_OBJECT

public:
    explicit TagItem(QGraphicsItem* parent = nullptr);
    ~TagItem() override;

    // The chip's centre in viewport coordinates.
    QPoint getGroundPos() const override;
    // Chips are not dragged: no picture.
    QPixmap getDragImage(bool full) const override;
    // The text in the normal font plus the margins; with a view, no wider than the
    // view has room for.
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void setTagSelected(bool on);
    void setSelectedTextPen(const PenProperty& pen);
    void setSelectedBackground(const BackgroundProperty& background);

    bool isTagSelected() const { return tagSelected; }
    PenProperty getSelectedTextPen() const { return selectedTextPen; }
    BackgroundProperty getSelectedBackground() const { return selectedBackground; }

private:
    PenProperty selectedTextPen;
    BackgroundProperty selectedBackground;
    bool tagSelected = false;
};
