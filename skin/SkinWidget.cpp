#include "SkinWidget.h"

#include "TextFunctions.h"

#include <QAbstractButton>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int hoverDuration = 700;
constexpr int hoverInterval = 20;

} // namespace

SkinWidget::SkinWidget(QWidget* widget)
    : QObject(widget)
    , widget(widget)
    , timeLine(new QTimeLine(hoverDuration, this))
{
    timeLine->setUpdateInterval(hoverInterval);
    timeLine->setCurveShape(QTimeLine::EaseInOutCurve);
    connect(timeLine, &QTimeLine::valueChanged, this, &SkinWidget::animateHover);
    if (widget)
        widget->installEventFilter(this);
}

SkinWidget::~SkinWidget()
{
    timeLine->stop();
    delete timeLine;
}

void SkinWidget::repaint()
{
    if (widget)
        widget->update();
}

void SkinWidget::settleHover()
{
    timeLine->stop();
    underMouse = isUnderCursor();
    timeLine->setDirection(underMouse ? QTimeLine::Backward : QTimeLine::Forward);
    hoverValue = underMouse ? 1.0 : 0.0;
}

void SkinWidget::runHover(QTimeLine::Direction direction)
{
    // A running fade turns round from where it is.
    timeLine->setDirection(direction);
    if (timeLine->state() != QTimeLine::Running)
        timeLine->start();
}

void SkinWidget::applyNormalFont()
{
    if (widget) {
        widget->setFont(textFont[FontProperty::Normal]);
        repaint();
    }
}

void SkinWidget::setBackground(const BackgroundProperty& background)
{
    this->background = background;
    if (!widget)
        return;
    pressed = false;
    settleHover();
    repaint();
}

void SkinWidget::setMargin(const MarginProperty& margin)
{
    this->margin = margin;
    repaint();
}

void SkinWidget::setSpacing(int spacing)
{
    this->spacing = spacing;
    repaint();
}

void SkinWidget::setTextPen(const PenProperty& pen)
{
    textPen = pen;
    repaint();
}

void SkinWidget::setTextAlignment(Qt::Alignment alignment)
{
    textAlignment = alignment;
    repaint();
}

void SkinWidget::setIconAlignment(Qt::Alignment alignment)
{
    iconAlignment = alignment;
    repaint();
}

void SkinWidget::setPushEffect(bool on)
{
    pushEffect = on;
    repaint();
}

void SkinWidget::setFilterPaint(bool on)
{
    filterPaint = on;
    repaint();
}

void SkinWidget::setTextShadow(bool shadow, bool up)
{
    textShadow = shadow;
    textShadowUp = up;
    repaint();
}

void SkinWidget::setTextFont(const FontProperty& font)
{
    textFont = font;
    applyNormalFont();
}

void SkinWidget::setTextFamily(const QString& family)
{
    for (int state = 0; state < LookState::StateCount; ++state)
        textFont[FontProperty::State(state)].setFamily(family);
    applyNormalFont();
}

void SkinWidget::setTextBold(bool bold)
{
    for (int state = 0; state < LookState::StateCount; ++state)
        textFont[FontProperty::State(state)].setWeight(bold ? QFont::Bold : QFont::Normal);
    applyNormalFont();
}

void SkinWidget::setIcon(const ImageResource& icon)
{
    this->icon = icon;
    if (!widget)
        return;
    const QPixmap normal = icon[ImageResource::Normal];
    const int width = int(normal.width() + margin[MarginProperty::Left] + margin[MarginProperty::Right]);
    const int height = int(normal.height() + margin[MarginProperty::Top] + margin[MarginProperty::Bottom]);
    if (width > widget->minimumWidth())
        widget->setMinimumWidth(width);
    if (height > widget->minimumHeight())
        widget->setMinimumHeight(height);
    repaint();
}

void SkinWidget::setButton(bool on)
{
    button = on;
    if (!widget)
        return;
    widget->setContextMenuPolicy(Qt::PreventContextMenu);
    widget->setAttribute(Qt::WA_Hover, on);
    repaint();
}

void SkinWidget::enableHoverAnimation(bool on)
{
    hoverAnimation = on;
    if (!on) {
        timeLine->stop();
        timeLine->setDirection(QTimeLine::Forward);
        hoverValue = 0.0;
    }
}

void SkinWidget::setAnimHoverDuration(int ms)
{
    timeLine->setDuration(qMax(1, ms));
}

void SkinWidget::setAnimHoverCurveShape(QTimeLine::CurveShape shape)
{
    timeLine->setCurveShape(shape);
}

bool SkinWidget::isUnderCursor() const
{
    return widget && widget->rect().contains(widget->mapFromGlobal(QCursor::pos()));
}

void SkinWidget::animateHover(qreal value)
{
    hoverValue = value;
    repaint();
}

bool SkinWidget::hoverShown() const
{
    // A fade-out still shows the hover look.
    return underMouse || (hoverAnimation && timeLine->state() == QTimeLine::Running);
}

int SkinWidget::paintState() const
{
    if (!widget)
        return LookState::Normal;
    if (widget->testAttribute(Qt::WA_Disabled))
        return LookState::Disabled;
    bool selected;
    if (auto* abstractButton = qobject_cast<QAbstractButton*>(widget))
        selected = abstractButton->isChecked() || abstractButton->isDown();
    else
        selected = button && pressed;
    if (selected)
        return hoverShown() ? LookState::SelectedHover : LookState::Selected;
    return hoverShown() ? LookState::Hover : LookState::Normal;
}

bool SkinWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (!widget)
        return false;
    if (watched != widget)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // Qt hands a disabled widget's mouse events to its filters too; it does not click.
        if (!widget->isEnabled())
            return false;
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            settleHover();
            pressed = true;
            repaint();
        }
        return button;
    }
    case QEvent::MouseButtonRelease: {
        if (!widget->isEnabled())
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            // One click: a left press and a left release, both on the widget.
            const bool click = pressed && widget->rect().contains(mouse->pos());
            settleHover();
            pressed = false;
            repaint();
            if (click)
                emit clicked();
        }
        return button;
    }
    case QEvent::FocusOut:
        if (underMouse && widget->isEnabled()) {
            underMouse = false;
            if (hoverAnimation)
                runHover(QTimeLine::Backward);
            repaint();
        }
        return false;
    case QEvent::Paint:
        paintEvent(static_cast<QPaintEvent*>(event));
        return filterPaint;
    case QEvent::EnabledChange:
        if (timeLine->state() == QTimeLine::Running) {
            timeLine->stop();
            timeLine->setDirection(QTimeLine::Forward);
            hoverValue = 0.0;
        }
        // Hover events were ignored while disabled, so where the mouse is must be read again.
        underMouse = widget->isEnabled() && isUnderCursor();
        pressed = false;
        return false;
    case QEvent::HoverEnter:
        if (widget->isEnabled() && isUnderCursor()) {
            underMouse = true;
            if (hoverAnimation)
                runHover(QTimeLine::Forward);
            repaint();
        }
        return false;
    case QEvent::HoverLeave:
        if (widget->isEnabled() && underMouse) {
            underMouse = false;
            if (hoverAnimation)
                runHover(QTimeLine::Backward);
            repaint();
        }
        return false;
    default:
        return static_cast<QObject*>(widget)->eventFilter(watched, event);
    }
}

void SkinWidget::paintEvent(QPaintEvent*)
{
    if (!widget)
        return;
    const int state = paintState();
    const auto lookState = LookState::State(state);
    QRect r = widget->rect();
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);

    // The layer the hover look fades in over.
    if (state == LookState::Hover)
        background[LookState::Normal].paint(&painter, QRectF(r));
    else if (state == LookState::SelectedHover)
        background[LookState::Selected].paint(&painter, QRectF(r));
    const bool fading = hoverAnimation && timeLine->state() == QTimeLine::Running;
    if (fading)
        painter.setOpacity(hoverValue);
    background[lookState].paint(&painter, QRectF(r));
    painter.setOpacity(1.0);

    if (pushEffect && (state == LookState::Selected || state == LookState::SelectedHover))
        r.translate(1, 1);

    const QPixmap stateIcon = icon[lookState];
    if (!stateIcon.isNull()) {
        const QPixmap normal = icon[ImageResource::Normal];
        const int iw = normal.width();
        const int ih = normal.height();
        const double left = margin[MarginProperty::Left];
        const double top = margin[MarginProperty::Top];
        const double right = margin[MarginProperty::Right];
        const double bottom = margin[MarginProperty::Bottom];
        const double centreX = r.left() + (r.width() - iw) / 2.0;
        const double centreY = r.top() + (r.height() - ih) / 2.0;
        if (iconAlignment == Qt::AlignLeft) {
            painter.drawPixmap(QPointF(r.left() + left, centreY), stateIcon);
            r.setLeft(r.left() + iw + spacing);
        } else if (iconAlignment == Qt::AlignRight) {
            painter.drawPixmap(QPointF(r.right() - right - iw, centreY), stateIcon);
            r.setRight(r.right() - iw - spacing);
        } else if (iconAlignment == Qt::AlignTop) {
            painter.drawPixmap(QPointF(centreX, r.top() + top), stateIcon);
            r.setTop(r.top() + ih + spacing);
        } else if (iconAlignment == Qt::AlignBottom) {
            painter.drawPixmap(QPointF(centreX, r.bottom() - bottom - ih), stateIcon);
            r.setBottom(r.bottom() - ih - spacing);
        } else if (iconAlignment == Qt::AlignCenter) {
            painter.drawPixmap(QPointF(centreX, centreY), stateIcon);
        }
    }

    QString text;
    int mnemonicFlag = 0;
    if (auto* abstractButton = qobject_cast<QAbstractButton*>(widget)) {
        text = abstractButton->text();
        mnemonicFlag = Qt::TextHideMnemonic;
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    }
    if (text.isEmpty())
        return;

    painter.setRenderHint(QPainter::TextAntialiasing);
    r.adjust(int(margin[MarginProperty::Left]), int(margin[MarginProperty::Top]),
             -int(margin[MarginProperty::Right]), -int(margin[MarginProperty::Bottom]));
    const QFont font = textFont[lookState];
    const QString elided = getElidedText(text, font, Qt::ElideRight, r.width());
    const int flags = int(textAlignment) | Qt::TextSingleLine | mnemonicFlag;
    painter.setFont(font);
    if (textShadow) {
        painter.setPen(QColor(0, 0, 0, 150));
        const int offset = textShadowUp ? -1 : 1;
        painter.drawText(r.translated(offset, offset), flags, elided);
    }
    painter.setPen(textPen[lookState]);
    painter.drawText(r, flags, elided);
}
