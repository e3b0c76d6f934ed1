#pragma once

#include "ThumbnailItem.h"

#include <QTimeLine>

// One swatch of the style editor: a full-width row of its view with a small picture
// (a colour, or a tile of a pattern) and a name beside it. The hover background fades
// in and out. What the swatch stands for is kept in its graphics-item data by the
// editor; the swatch itself knows nothing of styles.
class StyleItem : public ThumbnailItem
{
    Q_OBJECT

public:
    explicit StyleItem(QGraphicsItem* parent = nullptr);
    ~StyleItem() override;

    // Off, the hover background shows at once and a running fade stops.
    void enableHoverAnimation(bool on);
    bool isHoverAnimationEnabled() const { return hoverAnimation; }
    void setAnimHoverDuration(int ms);
    void setAnimHoverCurveShape(QTimeLine::CurveShape shape);
    QTimeLine* hoverTimeLine() const { return timeLine; }
    qreal hoverValue() const { return hover; }

    QPoint getGroundPos() const override;
    // A swatch has no drag picture.
    QPixmap getDragImage(bool full) const override;
    // Empty outside a view or a scene, so the swatch is never drawn there.
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // The look state of a paint: hover while the fade runs, selected-hover likewise.
    int paintStateFor(const QStyleOptionGraphicsItem* option) const;

public slots:
    void animateHover(qreal value);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    // Runs the fade towards `direction`; a running fade only turns round.
    void fade(QTimeLine::Direction direction);
    bool fading() const { return hoverAnimation && timeLine->state() == QTimeLine::Running; }

    QTimeLine* timeLine;
    qreal hover = 0.0;
    bool hoverAnimation = true;
};
