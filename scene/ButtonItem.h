#pragma once

#include "BackgroundProperty.h"
#include "FontProperty.h"
#include "ImageResource.h"
#include "LeftButtonPress.h"
#include "MarginProperty.h"
#include "PenProperty.h"
#include "VisibilityFade.h"

#include <QGraphicsItem>
#include <QObject>
#include <QPainterPath>
#include <QTimeLine>

class QGraphicsSceneMouseEvent;

// A clickable scene item: a per-state background, an optional icon beside (or over)
// an optional one-line caption, and a fade when it is shown or hidden.
class ButtonItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    enum { Type = QGraphicsItem::UserType + 2 };
    using Alignment = Qt::Alignment;

    explicit ButtonItem(QGraphicsItem* parent = nullptr);
    // A new button with the same look; it starts transparent and not pressed.
    ButtonItem(const ButtonItem& other);
    ~ButtonItem() override;

    ButtonItem& operator=(const ButtonItem&) = delete;

    void setIcon(const ImageResource& icon, const MarginProperty& margin, Alignment alignment);
    void setIcon(const ImageResource& icon);
    void setText(const QString& text);
    void setText(const QString& text, const MarginProperty& margin);
    void setTextFont(const FontProperty& font);
    void setTextPen(const PenProperty& pen);
    void setTextShadow(bool on);
    void setBackground(const BackgroundProperty& background);
    void setShape(const QPainterPath& shape);
    void setAnimVisibleDuration(int ms);
    void setAnimVisibleCurveShape(QTimeLine::CurveShape shape);
    void enableVisibleAnimation(bool on);
    // Fades in or out when the animation is on; a fade-out hides the item at its end.
    void setVisible(bool on);

    ImageResource getIcon() const { return icon; }
    QString getText() const { return text; }
    qreal getVisibleValue() const { return fade.value(); }
    bool isPressed() const { return leftPress.isPressed(); }
    bool isVisibleAnimationEnabled() const { return fade.isAnimated(); }

    int type() const override { return Type; }
    QPainterPath shape() const override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void enabled(ButtonItem* item, bool on);
    void visible(ButtonItem* item, bool on);
    void clicked(ButtonItem* item, QGraphicsSceneMouseEvent* event);

protected slots:
    void animateVisible(qreal value);
    void finishedAnimateVisible();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void connectFade();
    double textWidth() const;
    double textHeight() const;
    double iconWidth() const;
    double iconHeight() const;

    QPainterPath customShape;
    BackgroundProperty background;
    ImageResource icon;
    MarginProperty iconMargin;
    Alignment iconAlignment = Qt::AlignLeft;
    QString text;
    MarginProperty textMargin;
    PenProperty textPen;
    FontProperty textFont;
    bool textShadow = false;
    VisibilityFade fade{*this, true};
    LeftButtonPress leftPress{*this};
};
