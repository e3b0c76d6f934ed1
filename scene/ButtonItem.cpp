#include "ButtonItem.h"

#include "ItemStateSignals.h"
#include "ShadowedText.h"
#include "TextFunctions.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

ButtonItem::ButtonItem(QGraphicsItem* parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
{
    setObjectName(QStringLiteral("buttonitem"));
    setAcceptHoverEvents(true);
    connectFade();
}

ButtonItem::ButtonItem(const ButtonItem& other)
    : QObject(nullptr)
    , QGraphicsItem(other.parentItem())
    , customShape(other.customShape)
    , background(other.background)
    , icon(other.icon)
    , iconMargin(other.iconMargin)
    , iconAlignment(other.iconAlignment)
    , text(other.text)
    , textMargin(other.textMargin)
    , textPen(other.textPen)
    , textFont(other.textFont)
    , textShadow(other.textShadow)
    , fade(*this, other.fade)
{
    setObjectName(QStringLiteral("buttonitem"));
    setAcceptHoverEvents(other.acceptHoverEvents());
    connectFade();
}

ButtonItem::~ButtonItem() = default;

void ButtonItem::connectFade()
{
    connect(fade.timeLine(), &QTimeLine::valueChanged, this, &ButtonItem::animateVisible);
    connect(fade.timeLine(), &QTimeLine::finished, this, &ButtonItem::finishedAnimateVisible);
}

void ButtonItem::setIcon(const ImageResource& value, const MarginProperty& margin, Alignment alignment)
{
    prepareGeometryChange();
    icon = value;
    iconMargin = margin;
    iconAlignment = alignment;
    update();
}

void ButtonItem::setIcon(const ImageResource& value)
{
    prepareGeometryChange();
    icon = value;
    update();
}

void ButtonItem::setText(const QString& value)
{
    prepareGeometryChange();
    text = value;
    update();
}

void ButtonItem::setText(const QString& value, const MarginProperty& margin)
{
    prepareGeometryChange();
    text = value;
    textMargin = margin;
    update();
}

void ButtonItem::setTextFont(const FontProperty& font)
{
    prepareGeometryChange();
    textFont = font;
    update();
}

void ButtonItem::setTextPen(const PenProperty& pen)
{
    textPen = pen;
    update();
}

void ButtonItem::setTextShadow(bool on)
{
    textShadow = on;
    update();
}

void ButtonItem::setBackground(const BackgroundProperty& value)
{
    background = value;
    update();
}

void ButtonItem::setShape(const QPainterPath& value)
{
    prepareGeometryChange();
    customShape = value;
}

void ButtonItem::setAnimVisibleDuration(int ms)
{
    fade.setDuration(ms);
}

void ButtonItem::setAnimVisibleCurveShape(QTimeLine::CurveShape shape)
{
    fade.setCurveShape(shape);
}

void ButtonItem::enableVisibleAnimation(bool on)
{
    fade.setAnimated(on);
}

void ButtonItem::setVisible(bool on)
{
    fade.setVisible(on);
}

void ButtonItem::animateVisible(qreal value)
{
    fade.setValue(value);
}

void ButtonItem::finishedAnimateVisible()
{
    fade.finish();
}

QPainterPath ButtonItem::shape() const
{
    return customShape.isEmpty() ? QGraphicsItem::shape() : customShape;
}

double ButtonItem::textWidth() const
{
    if (text.isEmpty())
        return 0.0;
    return QFontMetricsF(textFont[FontProperty::Normal]).horizontalAdvance(text) + textMargin[MarginProperty::Left]
        + textMargin[MarginProperty::Right];
}

double ButtonItem::textHeight() const
{
    if (text.isEmpty())
        return 0.0;
    return QFontMetricsF(textFont[FontProperty::Normal]).lineSpacing() + textMargin[MarginProperty::Top]
        + textMargin[MarginProperty::Bottom];
}

double ButtonItem::iconWidth() const
{
    return icon[ImageResource::Normal].width() + iconMargin[MarginProperty::Left] + iconMargin[MarginProperty::Right];
}

double ButtonItem::iconHeight() const
{
    return icon[ImageResource::Normal].height() + iconMargin[MarginProperty::Top]
        + iconMargin[MarginProperty::Bottom];
}

QRectF ButtonItem::boundingRect() const
{
    if (!customShape.isEmpty())
        return customShape.boundingRect();
    const int alignment = int(iconAlignment);
    if (alignment == Qt::AlignLeft || alignment == Qt::AlignRight)
        return QRectF(0.0, 0.0, iconWidth() + textWidth(), qMax(iconHeight(), textHeight()));
    return QRectF(0.0, 0.0, qMax(textWidth(), iconWidth()), iconHeight() + textHeight());
}

void ButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    QRectF r = boundingRect();
    const bool hover = option && (option->state & QStyle::State_MouseOver);
    int state = hover ? 2 : 0;
    if (leftPress.isPressed())
        state = hover ? 3 : 1;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setOpacity(fade.isAnimated() ? fade.value() : 1.0);

    background[BackgroundProperty::State(state)].paint(painter, r);

    const QPixmap stateIcon = icon[ImageResource::State(state)];
    if (!stateIcon.isNull()) {
        const QSize size = icon[ImageResource::Normal].size();
        const double w = size.width();
        const double h = size.height();
        const double iw = iconWidth();
        const double ih = iconHeight();
        bool drawn = true;
        QPointF at;
        switch (int(iconAlignment)) {
        case Qt::AlignLeft:
            at = QPointF(iconMargin[MarginProperty::Left], (r.height() - h) * 0.5);
            r.setLeft(r.left() + iw);
            break;
        case Qt::AlignRight:
            at = QPointF(iconMargin[MarginProperty::Left] + textWidth(), (r.height() - h) * 0.5);
            r.setRight(r.right() - iw);
            break;
        case Qt::AlignTop:
            at = QPointF((r.width() - w) * 0.5, iconMargin[MarginProperty::Top]);
            r.setTop(r.top() + ih);
            break;
        case Qt::AlignBottom:
            at = QPointF((r.width() - w) * 0.5, iconMargin[MarginProperty::Top] + textHeight());
            r.setBottom(r.bottom() - ih);
            break;
        case Qt::AlignCenter:
            at = QPointF((r.width() - w) * 0.5, (r.height() - h) * 0.5);
            break;
        default:
            drawn = false;
            break;
        }
        if (drawn)
            painter->drawPixmap(at, stateIcon);
    }

    if (!text.isEmpty()) {
        r.adjust(textMargin[MarginProperty::Left], textMargin[MarginProperty::Top], -textMargin[MarginProperty::Right],
                 -textMargin[MarginProperty::Bottom]);
        const QFont font = textFont[FontProperty::State(state)];
        const QString caption = getElidedText(text, font, Qt::ElideMiddle, int(r.width()));
        const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
        painter->setFont(font);
        drawShadowedText(painter, r, flags, caption, textShadow, textPen[PenProperty::State(state)]);
    }
    painter->restore();
}

QVariant ButtonItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    return reportStateChange(this, change, value);
}

void ButtonItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    leftPress.press(event);
}

void ButtonItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (leftPress.release(event))
        emit clicked(this, event);
}
