#include "TextItem.h"

#include "ItemStateSignals.h"
#include "TextFunctions.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <limits>

TextItem::TextItem(bool singleLine, bool frameless, QGraphicsItem* parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
    , singleLine(singleLine)
    , frameless(frameless)
{
    setAcceptHoverEvents(true);
    build();
}

TextItem::TextItem(const TextItem& other)
    : QObject(nullptr)
    , QGraphicsItem(other.parentItem())
    , text(other.text)
    , textFlags(other.textFlags)
    , shadow(other.shadow)
    , shadowUp(other.shadowUp)
    , editable(other.editable)
    , singleLine(other.singleLine)
    , frameless(other.frameless)
    , pen(other.pen)
    , font(other.font)
    , margin(other.margin)
    , textBackground(other.textBackground)
    , editorBackground(other.editorBackground)
    , size(other.size)
    , fade(*this, other.fade)
{
    setAcceptHoverEvents(other.acceptHoverEvents());
    edit.setContextMenu(other.edit.hasContextMenu());
    build();
}

void TextItem::build()
{
    setObjectName(QStringLiteral("textitem"));
    setCacheMode(NoCache);
    connect(fade.timeLine(), &QTimeLine::valueChanged, this, &TextItem::animateVisible);
    connect(fade.timeLine(), &QTimeLine::finished, this, &TextItem::animateVisibleFinished);
    edit.setSize(size);
}

TextItem::~TextItem() = default;

QWidget* TextItem::editorWidget() const
{
    return edit.widget();
}

void TextItem::changed()
{
    update();
}

void TextItem::setText(const QString& value)
{
    prepareGeometryChange();
    text = value;
    changed();
}

void TextItem::setMargin(const MarginProperty& value)
{
    prepareGeometryChange();
    margin = value;
    changed();
}

void TextItem::setFont(const QFont& value)
{
    prepareGeometryChange();
    font = value;
    changed();
}

void TextItem::setPen(const QPen& value)
{
    pen = value;
    changed();
}

void TextItem::setTextBackground(const BackgroundPainter& value)
{
    textBackground = value;
    changed();
}

void TextItem::setFlags(int flags)
{
    textFlags = flags;
    changed();
}

void TextItem::setShadow(bool on, bool up)
{
    shadow = on;
    shadowUp = up;
    changed();
}

void TextItem::setEditorBackground(const BackgroundPainter& value)
{
    editorBackground = value;
    if (edit.isEditing())
        update();
}

void TextItem::setSize(const QSizeF& value)
{
    prepareGeometryChange();
    size = value;
    if (size.width() < 0.0 || size.height() < 0.0)
        return;
    edit.setSize(size);
    changed();
}

void TextItem::setAnimVisible(bool on)
{
    fade.setAnimated(on);
}

void TextItem::setAnimVisibleDuration(int ms)
{
    fade.setDuration(ms);
}

void TextItem::setAnimVisibleCurveShape(QTimeLine::CurveShape shape)
{
    fade.setCurveShape(shape);
}

void TextItem::setVisible(bool on)
{
    fade.setVisible(on);
}

void TextItem::resetCache()
{
    update();
}

void TextItem::animateVisible(qreal value)
{
    fade.setValue(value);
}

void TextItem::animateVisibleFinished()
{
    fade.finish();
}

QRectF TextItem::boundingRect() const
{
    if (size.width() >= 0.0 && size.height() >= 0.0)
        return QRectF(QPointF(0.0, 0.0), size);
    // Measured whole, and kept for the layout's next question.
    const double height = naturalSize(std::numeric_limits<double>::max()).height();
    // Whole pixels: the owner rounds the size, and painting elides against it, so a
    // fraction cut off would cost the text letters.
    const double width = margin[MarginProperty::Left] + std::ceil(measured.width) + margin[MarginProperty::Right];
    return QRectF(0.0, 0.0, width, height);
}

QSizeF TextItem::naturalSize(double maxWidth) const
{
    const double margins = margin[MarginProperty::Left] + margin[MarginProperty::Right];
    // Layouts ask again and again for a text that did not change, often offering
    // another width: shaping it anew each time was most of a large cabinet's layout.
    if (measured.valid && measured.text == text && measured.font == font && measured.margin == margin) {
        // The same letters in a string set anew: keep one string, not both.
        measured.text = text;
        if (measured.maxWidth == maxWidth)
            return measured.size;
        // A piece that filled a wider bound fills this one too.
        if (measured.whole || maxWidth <= margins + measured.width) {
            measured.maxWidth = maxWidth;
            measured.size.setWidth(qMin(maxWidth, margins + measured.width));
            return measured.size;
        }
    }
    const QFontMetricsF metrics(font);
    double width = 0.0;
    bool whole = text.isEmpty();
    // Measured in growing pieces from the start until the text ends or fills the width;
    // with no bound, at once; not at all when the margins fill the width.
    const bool unbounded = maxWidth == std::numeric_limits<double>::max();
    for (int length = unbounded ? text.size() : qMin(text.size(), 128); length > 0 && margins < maxWidth;
         length = qMin(text.size(), length * 2)) {
        whole = length == text.size();
        width = metrics.horizontalAdvance(whole ? text : text.left(length));
        if (whole || margins + width >= maxWidth)
            break;
    }
    const double height = metrics.lineSpacing() + margin[MarginProperty::Top] + margin[MarginProperty::Bottom];
    measured = Measure{true, maxWidth, text, font, margin, width, whole,
                       QSizeF(qMin(maxWidth, margins + width), height)};
    return measured.size;
}

void TextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF rect = boundingRect();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setOpacity(!fade.isAnimated() || edit.isEditing() ? 1.0 : fade.value());
    if (edit.isEditing()) {
        editorBackground.paint(painter, rect);
        painter->restore();
        return;
    }
    textBackground.paint(painter, QRectF(rect.toRect()));
    if (text.isEmpty()) {
        painter->restore();
        return;
    }

    const QRect textRect = rect.adjusted(int(margin[MarginProperty::Left]), int(margin[MarginProperty::Top]),
                                         -int(margin[MarginProperty::Right]), -int(margin[MarginProperty::Bottom]))
                               .toRect();
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    const int lines = lineSpacing > 0 ? (textRect.bottom() - textRect.top() + 1) / lineSpacing : 0;
    QString shown = text;
    if (singleLine)
        shown = getElidedText(text, font, Qt::ElideMiddle, textRect.width());
    else if (lines >= 2)
        shown = getElidedText(text, font, Qt::ElideRight, lines * (textRect.right() - textRect.left() - 4));

    painter->setFont(font);
    if (shadow) {
        painter->setPen(QColor(0, 0, 0, 150));
        painter->drawText(shadowUp ? textRect.translated(-1, -1) : textRect.translated(1, 1), textFlags, shown);
    }
    painter->setPen(pen);
    painter->drawText(textRect, textFlags, shown);
    painter->restore();
}

QVariant TextItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    return reportStateChange(this, change, value);
}

void TextItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    leftPress.press(event);
}

void TextItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (leftPress.release(event))
        emit clicked(this, event);
}

void TextItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (leftPress.press(event))
        emit doubleClicked(this, event);
}

void TextItem::startEdit()
{
    if (!editable || edit.isBusy())
        return;
    QString copy = text;
    QPointer<TextItem> alive(this);
    emit aboutToEdit(copy);
    if (!alive)
        return;
    edit.open();
    emit editingStarted();
    if (!alive || !edit.isEditing())
        return;
    edit.show(copy, font, textFlags & 0xff, pen.color(), InPlaceEdit::Palette::WhenFrameless);
}

void TextItem::returnPressed()
{
    if (!edit.isEditing())
        return;
    QString edited = edit.text();
    QPointer<TextItem> alive(this);
    emit textEdited(edited);
    if (!alive)
        return;
    resetCache();
    endEdit();
}

void TextItem::endEdit()
{
    if (!edit.close())
        return;
    update();
    emit editingFinished();
}

