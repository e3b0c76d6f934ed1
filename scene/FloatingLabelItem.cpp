#include "FloatingLabelItem.h"

#include "InfoBoxPainter.h"
#include "MyThumbnailItem.h"
#include "ShadowedText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr int TextFlags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextWrapAnywhere;
// The room a label may take before the view has told it the viewport's size.
constexpr int UnboundedSide = 32767;
}

FloatingLabelItem::FloatingLabelItem(QGraphicsItem* parent)
    : QGraphicsItem(parent)
{
    setAcceptedMouseButtons(Qt::NoButton);
}

void FloatingLabelItem::setItem(MyThumbnailItem* value)
{
    prepareGeometryChange();
    item = value;
    update();
}

void FloatingLabelItem::setMaxSize(const QSize& size)
{
    prepareGeometryChange();
    maxSize = size;
    update();
}

void FloatingLabelItem::setMargin(const MarginProperty& value)
{
    prepareGeometryChange();
    margin = value;
    update();
}

void FloatingLabelItem::setInverted(bool on)
{
    inverted = on;
    update();
}

QRectF FloatingLabelItem::boundingRect() const
{
    if (!item)
        return QRectF();
    const int maxWidth = maxSize.width() >= 0 ? maxSize.width() : UnboundedSide;
    const int maxHeight = maxSize.height() >= 0 ? maxSize.height() : UnboundedSide;
    const int limit = qMin(maxWidth, int(2.0 * item->boundingRect().width()));
    const QFontMetricsF metrics(item->getTextFont()[FontProperty::Normal]);
    const QRectF box = metrics.boundingRect(QRectF(0.0, 0.0, limit, maxHeight), TextFlags, item->getText());
    // The text is cut at the largest area, so the label never outgrows the viewport.
    const double textHeight = qMin(box.height(), double(maxHeight));
    return QRectF(0.0, 0.0, box.width() + margin[MarginProperty::Left] + margin[MarginProperty::Right],
                  textHeight + arrowHeight + margin[MarginProperty::Top] + margin[MarginProperty::Bottom]);
}

void FloatingLabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!item || item->getText().isEmpty())
        return;
    painter->save();
    const QRectF bounds = boundingRect();
    const QRectF box = inverted ? bounds.adjusted(0.0, 0.0, 0.0, -arrowHeight)
                                : bounds.adjusted(0.0, arrowHeight, 0.0, 0.0);
    const QRectF textArea = box.adjusted(margin[MarginProperty::Left], margin[MarginProperty::Top],
                                         -margin[MarginProperty::Right], -margin[MarginProperty::Bottom]);
    const QColor color = item->getInfoColor();
    infoBoxPainter(color).paint(painter, box);

    const double centre = mapFromScene(item->sceneBoundingRect().center()).x();
    const double edge = inverted ? box.bottom() : box.top();
    const double tip = inverted ? box.bottom() + arrowHeight : box.top() - arrowHeight;
    const QPointF arrow[3] = {QPointF(centre - arrowHalfWidth, edge), QPointF(centre, tip),
                              QPointF(centre + arrowHalfWidth, edge)};
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawPolygon(arrow, 3);

    painter->setBrush(Qt::NoBrush);
    painter->setFont(item->getTextFont()[FontProperty::Normal]);
    drawShadowedText(painter, textArea, TextFlags, item->getText(), item->getTextShadow(),
                     item->getTextPen()[PenProperty::Normal]);
    painter->restore();
}
