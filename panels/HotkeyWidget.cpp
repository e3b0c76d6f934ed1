#include "HotkeyWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

constexpr int keyMask = ~int(Qt::KeyboardModifierMask);
constexpr int hotkeyModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

QChar lowCharacter(int key)
{
    return QChar(ushort(key & 0xffff));
}

} // namespace

HotkeyWidget::HotkeyWidget(QWidget* parent)
    : QLineEdit(parent)
    , placeholder(tr("None"))
{
}

void HotkeyWidget::setEmptyText(const QString& text)
{
    placeholder = text;
    update();
}

void HotkeyWidget::setText(const QString& text)
{
    sequence = QKeySequence();
    QLineEdit::setText(text);
}

bool HotkeyWidget::isModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Menu:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

bool HotkeyWidget::isValidKey(int key)
{
    return key != 0 && key != -1 && key != Qt::Key_unknown && !isModifier(key);
}

bool HotkeyWidget::isShiftAllowed(int key)
{
    if (lowCharacter(key).isLetter())
        return true;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return true;
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Pause:
    case Qt::Key_Print:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

QKeySequence HotkeyWidget::validate(QKeyEvent* event)
{
    const int key = isValidKey(event->key()) ? event->key() : 0;
    int modifiers = int(event->modifiers()) & hotkeyModifiers;
    if (key != 0 && !isShiftAllowed(key))
        modifiers &= ~int(Qt::ShiftModifier);
    return QKeySequence(modifiers | key);
}

QKeySequence HotkeyWidget::validate(const QKeySequence& sequence)
{
    const int first = sequence.isEmpty() ? 0 : sequence[0];
    const int key = first & keyMask;
    const int modifiers = first & int(Qt::KeyboardModifierMask);
    if (key < 1)
        return QKeySequence();
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Delete:
    case Qt::Key_unknown:
        return QKeySequence();
    default:
        break;
    }
    // A key that types a character needs a modifier besides Shift, or it would
    // swallow that character everywhere.
    if (lowCharacter(key).isPrint() && (modifiers == 0 || modifiers == int(Qt::ShiftModifier)))
        return QKeySequence();
    return sequence;
}

void HotkeyWidget::showSequence()
{
    QLineEdit::setText(sequence.toString(QKeySequence::NativeText));
}

void HotkeyWidget::keyPressEvent(QKeyEvent* event)
{
    sequence = validate(event);
    showSequence();
    event->accept();
}

void HotkeyWidget::keyReleaseEvent(QKeyEvent* event)
{
    sequence = validate(sequence);
    showSequence();
    event->accept();
}

void HotkeyWidget::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Keys still held when the focus went count as released.
    if (!sequence.isEmpty()) {
        sequence = validate(sequence);
        showSequence();
    }
}

void HotkeyWidget::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (placeholder.isEmpty() || !QLineEdit::text().isEmpty() || hasFocus())
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    area = area.marginsRemoved(textMargins());
    area.setLeft(area.left() + 3);
    QPainter painter(this);
    painter.setPen(Qt::gray);
    painter.drawText(area, int(alignment()), placeholder);
}
