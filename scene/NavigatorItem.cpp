#include "NavigatorItem.h"

#include "AbstractThumbnailView.h"
#include "ImageFunctions.h"
#include "ShadowedText.h"
#include "TextFunctions.h"

#include <QFontMetricsF>
#include <QPainter>

NavigatorItem::NavigatorItem(QGraphicsItem* parent)
    : ThumbnailItem(parent)
{
    setObjectName(QStringLiteral("navigatoritem"));
}

void NavigatorItem::itemChanged()
{
    prepareGeometryChange();
    cachedRoom = QSizeF(-2.0, -2.0);
}

QRectF NavigatorItem::measure(double availableWidth, double availableHeight) const
{
    const QFontMetricsF metrics(textFont[FontProperty::Normal]);
    const double horizontal = margin[MarginProperty::Left] + margin[MarginProperty::Right];
    const double vertical = margin[MarginProperty::Top] + margin[MarginProperty::Bottom];
    if (availableWidth < 0.0) {
        const QRectF box = metrics.boundingRect(text);
        return QRectF(0.0, 0.0, box.width() + horizontal, box.height() + vertical);
    }
    const QRectF box = metrics.boundingRect(QRectF(0.0, 0.0, availableWidth, availableHeight),
                                            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return QRectF(box.topLeft(), QSizeF(qMin(availableWidth, box.width() + horizontal), box.height() + vertical));
}

QRectF NavigatorItem::boundingRect() const
{
    if (text.isEmpty())
        return QRectF();
    QSizeF room(-1.0, -1.0);
    if (const AbstractThumbnailView* view = getView()) {
        const MarginProperty viewMargin = view->getMargin();
        const QSize viewport = view->viewport()->size();
        room = QSizeF(viewport.width()
                          - (view->getVerticalSpacing() + viewMargin[MarginProperty::Left]
                             + viewMargin[MarginProperty::Right]),
                      viewport.height()
                          - (view->getHorizontalSpacing() + viewMargin[MarginProperty::Top]
                             + viewMargin[MarginProperty::Bottom]));
    }
    if (room != cachedRoom) {
        cachedRoom = room;
        cachedRect = measure(room.width(), room.height());
    }
    return cachedRect;
}

void NavigatorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF r = boundingRect();
    const int state = paintState(option);
    painter->save();
    background[BackgroundProperty::State(state)].paint(painter, r);
    if (!text.isEmpty()) {
        const QRectF area = r.adjusted(margin[MarginProperty::Left], margin[MarginProperty::Top],
                                       -margin[MarginProperty::Right], -margin[MarginProperty::Bottom]);
        const QFont font = textFont[FontProperty::State(state)];
        const QString shown = getElidedText(text, font, Qt::ElideMiddle, int(area.width()));
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->setFont(font);
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        drawShadowedText(painter, area, flags, shown, true, textPen[PenProperty::State(state)]);
    }
    painter->restore();
}

QPixmap NavigatorItem::getDragImage(bool full) const
{
    const QRectF r = boundingRect();
    const QSize size = r.size().toSize();
    if (size.isEmpty())
        return QPixmap();
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-r.topLeft());
    const_cast<NavigatorItem*>(this)->paint(&painter, nullptr, nullptr);
    painter.end();
    return QPixmap::fromImage(full ? picture : alphaImage(picture, 50));
}
