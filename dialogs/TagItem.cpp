#include "TagItem.h"

#include "AbstractThumbnailView.h"
#include "TextFunctions.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

TagItem::TagItem(QGraphicsItem* parent)
    : ThumbnailItem(parent)
    , selectedTextPen(QPen())
    , selectedBackground(BackgroundPainter())
{
    setObjectName(QStringLiteral("tagitem"));
}

TagItem::~TagItem() = default;

QPoint TagItem::getGroundPos() const
{
    return viewBoundingRect().center();
}

QPixmap TagItem::getDragImage(bool) const
{
    return QPixmap();
}

QRectF TagItem::boundingRect() const
{
    if (text.isEmpty())
        return QRectF();
    const QFont font = textFont[FontProperty::State(0)];
    const double horizontal = margin[MarginProperty::Left] + margin[MarginProperty::Right];
    const double vertical = margin[MarginProperty::Top] + margin[MarginProperty::Bottom];
    AbstractThumbnailView* view = getView();
    // Whole pixels, as the elision in paint() counts them: a text measured a fraction
    // wider than its rectangle would lose letters.
    const QFontMetrics metrics(font);
    if (!view) {
        const QRect measure = metrics.boundingRect(text);
        return QRectF(0.0, 0.0, measure.width() + horizontal, measure.height() + vertical);
    }
    const QSize viewport = view->viewport()->size();
    const MarginProperty viewMargin = view->getMargin();
    const double availableWidth = viewport.width() - view->getVerticalSpacing() - viewMargin[MarginProperty::Left]
        - viewMargin[MarginProperty::Right];
    const double availableHeight = viewport.height() - view->getHorizontalSpacing()
        - viewMargin[MarginProperty::Top] - viewMargin[MarginProperty::Bottom];
    const QRect measure = metrics.boundingRect(QRect(0, 0, int(availableWidth), int(availableHeight)),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    QRectF bounds(0.0, 0.0, measure.width() + horizontal, measure.height() + vertical);
    if (bounds.width() > availableWidth)
        bounds.setWidth(qMax(0.0, availableWidth));
    return bounds;
}

void TagItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF bounds = boundingRect();
    const auto state = BackgroundProperty::State(paintState(option));
    const BackgroundProperty& look = tagSelected ? selectedBackground : background;
    look[state].paint(painter, bounds);
    if (text.isEmpty())
        return;

    const QRectF textRect = bounds.adjusted(margin[MarginProperty::Left], margin[MarginProperty::Top],
                                            -margin[MarginProperty::Right], -margin[MarginProperty::Bottom]);
    const QFont font = textFont[FontProperty::State(state)];
    const QString shown = getElidedText(text, font, Qt::ElideMiddle, int(textRect.width()));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setFont(font);
    painter->setPen(tagSelected ? selectedTextPen[PenProperty::State(state)] : textPen[PenProperty::State(state)]);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

void TagItem::setTagSelected(bool on)
{
    tagSelected = on;
    itemChanged();
    update();
}

void TagItem::setSelectedTextPen(const PenProperty& pen)
{
    selectedTextPen = pen;
    itemChanged();
    update();
}

void TagItem::setSelectedBackground(const BackgroundProperty& value)
{
    selectedBackground = value;
    itemChanged();
    update();
}
