#include "StyleItem.h"

#include "AbstractThumbnailView.h"
#include "TextFunctions.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// Room between the picture and the name.
const double pictureSpacing = 10.0;

} // namespace

StyleItem::StyleItem(QGraphicsItem* parent)
    : ThumbnailItem(parent)
    , timeLine(new QTimeLine(150, this))
{
    timeLine->setUpdateInterval(20);
    timeLine->setCurveShape(QTimeLine::EaseInOutCurve);
    connect(timeLine, &QTimeLine::valueChanged, this, &StyleItem::animateHover);
}

StyleItem::~StyleItem()
{
    timeLine->stop();
    delete timeLine;
}

void StyleItem::enableHoverAnimation(bool on)
{
    hoverAnimation = on;
    if (on)
        return;
    hover = 0.0;
    if (timeLine->state() == QTimeLine::Running) {
        timeLine->stop();
        update();
    }
}

void StyleItem::setAnimHoverDuration(int ms)
{
    timeLine->setDuration(ms);
}

void StyleItem::setAnimHoverCurveShape(QTimeLine::CurveShape shape)
{
    timeLine->setCurveShape(shape);
}

void StyleItem::animateHover(qreal value)
{
    hover = value;
    update();
}

void StyleItem::fade(QTimeLine::Direction direction)
{
    if (!hoverAnimation)
        return;
    timeLine->setDirection(direction);
    if (timeLine->state() != QTimeLine::Running)
        timeLine->start();
}

void StyleItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    ThumbnailItem::hoverEnterEvent(event);
    fade(QTimeLine::Forward);
}

void StyleItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    ThumbnailItem::hoverLeaveEvent(event);
    fade(QTimeLine::Backward);
}

QPoint StyleItem::getGroundPos() const
{
    return viewBoundingRect().center();
}

QPixmap StyleItem::getDragImage(bool) const
{
    return QPixmap();
}

QRectF StyleItem::boundingRect() const
{
    AbstractThumbnailView* owner = getView();
    if (!owner || !scene())
        return QRectF();
    const double line = text.isEmpty() ? 0.0 : QFontMetricsF(textFont[FontProperty::Normal]).lineSpacing();
    const double height = qMax(line, double(imageSize.height()));
    const MarginProperty viewMargin = owner->getMargin();
    const double width = owner->viewport()->width() - viewMargin[MarginProperty::Left]
        - viewMargin[MarginProperty::Right];
    return QRectF(0.0, 0.0, width - margin[MarginProperty::Left] - margin[MarginProperty::Right],
                  height + margin[MarginProperty::Top] + margin[MarginProperty::Bottom]);
}

int StyleItem::paintStateFor(const QStyleOptionGraphicsItem* option) const
{
    const bool mouseOver = option && (option->state & QStyle::State_MouseOver);
    const bool hovering = mouseOver || fading();
    if (option && (option->state & QStyle::State_Selected))
        return hovering ? LookState::SelectedHover : LookState::Selected;
    return hovering ? LookState::Hover : LookState::Normal;
}

void StyleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF frame = boundingRect();
    const auto state = BackgroundProperty::State(paintStateFor(option));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);

    if (scaledImageDirty) {
        scaledImageDirty = false;
        if (imageSize.width() >= 0 && imageSize.height() >= 0 && !image.isNull())
            scaledImage = image.scaled(imageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        else
            scaledImage = image;
    }

    // The hover looks fade in over the look they leave.
    if (state == LookState::Hover)
        background[LookState::Normal].paint(painter, frame);
    else if (state == LookState::SelectedHover)
        background[LookState::Selected].paint(painter, frame);
    if (fading())
        painter->setOpacity(hover);
    background[state].paint(painter, frame);
    painter->setOpacity(1.0);

    if (text.isEmpty())
        return;
    QRectF content = frame.adjusted(margin[MarginProperty::Left], margin[MarginProperty::Top],
                                    -margin[MarginProperty::Right], -margin[MarginProperty::Bottom]);
    QRectF picture(QPointF(0.0, 0.0), QSizeF(imageSize));
    picture.moveCenter(content.center());
    picture.moveLeft(content.left());
    painter->drawPixmap(picture.topLeft(), scaledImage);
    content.setLeft(content.left() + imageSize.width() + pictureSpacing);

    const QFont font = textFont[state];
    const QString shown = getElidedText(text, font, Qt::ElideRight, int(content.width()));
    painter->setFont(font);
    painter->setPen(textPen[state]);
    painter->drawText(content, Qt::AlignLeft | Qt::AlignVCenter, shown);
}
