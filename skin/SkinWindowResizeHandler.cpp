#include "SkinWindowResizeHandler.h"

#include "SkinWindow.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

bool SkinWindowResizeHandler::resizeVerticalDirectionFixed = false;
bool SkinWindowResizeHandler::resizeHorizontalDirectionFixed = false;

namespace {

constexpr int smallestRange = 4;

// The smallest size a layout would give the widget: its own minimum where set, else
// what its size hints and size policy allow.
QSize smartMinimumSize(const QWidget* widget)
{
    const QSizePolicy policy = widget->sizePolicy();
    const QSize hint = widget->sizeHint();
    const QSize minimumHint = widget->minimumSizeHint();
    QSize size(0, 0);
    if (policy.horizontalPolicy() != QSizePolicy::Ignored) {
        size.setWidth(policy.horizontalPolicy() & QSizePolicy::ShrinkFlag
                          ? minimumHint.width()
                          : qMax(hint.width(), minimumHint.width()));
    }
    if (policy.verticalPolicy() != QSizePolicy::Ignored) {
        size.setHeight(policy.verticalPolicy() & QSizePolicy::ShrinkFlag
                           ? minimumHint.height()
                           : qMax(hint.height(), minimumHint.height()));
    }
    size = size.boundedTo(widget->maximumSize());
    if (widget->minimumWidth() > 0)
        size.setWidth(widget->minimumWidth());
    if (widget->minimumHeight() > 0)
        size.setHeight(widget->minimumHeight());
    return size.expandedTo(QSize(0, 0));
}

Qt::CursorShape cursorShape(SkinWindowResizeHandler::MousePosition position)
{
    switch (position) {
    case SkinWindowResizeHandler::TopLeft:
    case SkinWindowResizeHandler::BottomRight:
        return Qt::SizeFDiagCursor;
    case SkinWindowResizeHandler::BottomLeft:
    case SkinWindowResizeHandler::TopRight:
        return Qt::SizeBDiagCursor;
    case SkinWindowResizeHandler::Top:
    case SkinWindowResizeHandler::Bottom:
        return Qt::SizeVerCursor;
    case SkinWindowResizeHandler::Left:
    case SkinWindowResizeHandler::Right:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QRect desktopGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

} // namespace

SkinWindowResizeHandler::SkinWindowResizeHandler(SkinWindow* skinWindow, QWidget* sizeWidget)
    : QObject(skinWindow)
    , skinWindow(skinWindow)
    , window(skinWindow ? skinWindow->getWindow() : nullptr)
    , sizeWidget(sizeWidget ? sizeWidget : window)
{
    if (window) {
        window->setAttribute(Qt::WA_MouseTracking);
        window->installEventFilter(this);
    }
}

void SkinWindowResizeHandler::setResizeEnabled(bool on, int margin)
{
    range = on ? qMax(margin, smallestRange) : -1;
}

void SkinWindowResizeHandler::setActive(Actions actions, bool on)
{
    if (actions.testFlag(Move))
        activeForMove = on;
    if (actions.testFlag(Resize))
        activeForResize = on;
    if (!activeForMove && !activeForResize)
        setMouseCursor(Nowhere);
}

bool SkinWindowResizeHandler::isActive(Actions actions) const
{
    return (actions.testFlag(Move) && activeForMove) || (actions.testFlag(Resize) && activeForResize);
}

void SkinWindowResizeHandler::doMove()
{
    if (!window || !activeForMove)
        return;
    mode = Center;
    moveResizeMode = true;
    moveOffset = window->mapFromGlobal(QCursor::pos());
    invertedMoveOffset = window->rect().bottomRight() - moveOffset;
    window->grabMouse(Qt::SizeAllCursor);
    window->grabKeyboard();
}

void SkinWindowResizeHandler::doResize()
{
    if (!window || !activeForResize)
        return;
    moveResizeMode = true;
    moveOffset = window->mapFromGlobal(QCursor::pos());
    const bool right = moveOffset.x() >= window->width() / 2;
    const bool bottom = moveOffset.y() >= window->height() / 2;
    mode = right ? (bottom ? BottomRight : TopRight) : (bottom ? BottomLeft : TopLeft);
    invertedMoveOffset = window->rect().bottomRight() - moveOffset;
    setMouseCursor(mode);
    window->grabMouse(window->cursor());
    window->grabKeyboard();
    resizeVerticalDirectionFixed = false;
    resizeHorizontalDirectionFixed = false;
}

void SkinWindowResizeHandler::startDrag(const QPoint& globalPos)
{
    buttonDown = true;
    moveOffset = window->mapFromGlobal(globalPos);
    invertedMoveOffset = window->rect().bottomRight() - moveOffset;
}

void SkinWindowResizeHandler::endDrag()
{
    moveResizeMode = false;
    buttonDown = false;
    window->releaseMouse();
    window->releaseKeyboard();
}

bool SkinWindowResizeHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (!window || (!activeForMove && !activeForResize))
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove
        && type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;

    // A popup (a combo box's list, a menu) owns the mouse while it is open.
    if (QApplication::activePopupWidget()) {
        if (type == QEvent::MouseButtonRelease)
            buttonDown = false;
        return false;
    }

    switch (type) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Children's events arrive here too, so the window's own coordinates come from the global point.
        const QPoint pos = window->mapFromGlobal(mouse->globalPos());
        if (window->isMaximized() || !window->rect().contains(pos) || mouse->button() != Qt::LeftButton)
            return false;
        // A child's press reaches the handler twice: forwarded by the skin, then passed up to the window.
        if (buttonDown && mouse->timestamp() == lastPressTimestamp && mouse->globalPos() == lastPressPos)
            return consumes();
        lastPressTimestamp = mouse->timestamp();
        lastPressPos = mouse->globalPos();
        buttonDown = false;
        emit activate();
        const bool moving = movingEnabled;
        movingEnabled = moving && watched == window;
        mouseMoveEvent(mouse);
        movingEnabled = moving;
        startDrag(mouse->globalPos());
        return consumes();
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (window->isMaximized() || mouse->button() != Qt::LeftButton)
            return false;
        endDrag();
        return consumes();
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (window->isMaximized())
            return false;
        buttonDown = buttonDown && mouse->buttons().testFlag(Qt::LeftButton);
        const bool moving = movingEnabled;
        if (buttonDown || moveResizeMode)
            movingEnabled = moving && watched == window;
        mouseMoveEvent(mouse);
        movingEnabled = moving;
        return consumes();
    }
    case QEvent::KeyPress:
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::ShortcutOverride:
        if (buttonDown) {
            event->accept();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void SkinWindowResizeHandler::mouseMoveEvent(QMouseEvent* event)
{
    if (!window)
        return;
    if (!buttonDown && !moveResizeMode) {
        const QPoint pos = window->mapFromGlobal(event->globalPos());
        const int x = pos.x();
        const int y = pos.y();
        const int w = window->width();
        const int h = window->height();
        const int r = range;
        if (window->isMinimized() || !activeForResize || r < 0)
            mode = window->rect().contains(pos) ? Center : Nowhere;
        else if (y <= r && x <= r)
            mode = TopLeft;
        else if (y >= h - r && x >= w - r)
            mode = BottomRight;
        else if (y >= h - r && x <= r)
            mode = BottomLeft;
        else if (y <= r && x >= w - r)
            mode = TopRight;
        else if (y <= r)
            mode = Top;
        else if (y >= h - r)
            mode = Bottom;
        else if (x <= r)
            mode = Left;
        else if (x >= w - r)
            mode = Right;
        else if (window->rect().contains(pos))
            mode = Center;
        else
            mode = Nowhere;
        if (window->isMinimized() || !activeForResize)
            mode = Center;
        setMouseCursor(mode);
        return;
    }

    if ((mode == Center && !movingEnabled) || window->testAttribute(Qt::WA_WState_ConfigPending))
        return;
    const QRect geometry = draggedGeometry(event->globalPos());
    if (geometry == window->geometry())
        return;
    if (!window->isWindow() && !(window->parentWidget() && geometry.intersects(window->parentWidget()->rect())))
        return;
    if (mode == Center)
        window->move(geometry.topLeft());
    else
        window->setGeometry(geometry);
}

QRect SkinWindowResizeHandler::draggedGeometry(const QPoint& globalPos) const
{
    QPoint g = globalPos;
    QWidget* parent = window->parentWidget();
    if (!window->isWindow() && parent) {
        g = parent->mapFromGlobal(g);
        if (!parent->rect().contains(g)) {
            g.setX(qMax(g.x(), 0));
            g.setY(qMax(g.y(), 0));
            if (sizeProtect) {
                g.setX(qMin(g.x(), parent->width()));
                g.setY(qMin(g.y(), parent->height()));
            }
        }
    }
    const QPoint p = g + invertedMoveOffset; // the new bottom-right
    const QPoint pp = g - moveOffset;        // the new top-left

    const QSize minimum = smartMinimumSize(sizeWidget).expandedTo(window->minimumSize());
    const QSize maximum = sizeWidget->maximumSize();
    const QRect geometry = window->geometry();
    const QSize mpsize = QSize(geometry.right() - pp.x() + 1, geometry.bottom() - pp.y() + 1)
                             .expandedTo(minimum)
                             .boundedTo(maximum);
    // How far the top and left edges may go.
    const QPoint mp(geometry.right() - mpsize.width() + 1, geometry.bottom() - mpsize.height() + 1);

    QRect result = geometry;
    switch (mode) {
    case TopLeft:
        result = QRect(mp, geometry.bottomRight());
        break;
    case BottomRight:
        result = QRect(geometry.topLeft(), p);
        break;
    case BottomLeft:
        result = QRect(QPoint(mp.x(), geometry.y()), QPoint(geometry.right(), p.y()));
        break;
    case TopRight:
        result = QRect(QPoint(geometry.x(), mp.y()), QPoint(p.x(), geometry.bottom()));
        break;
    case Top:
        result = QRect(QPoint(geometry.left(), mp.y()), geometry.bottomRight());
        break;
    case Bottom:
        result = QRect(geometry.topLeft(), QPoint(geometry.right(), p.y()));
        break;
    case Left:
        result = QRect(QPoint(mp.x(), geometry.y()), geometry.bottomRight());
        break;
    case Right:
        result = QRect(geometry.topLeft(), QPoint(p.x(), geometry.bottom()));
        break;
    case Center:
        result.moveTopLeft(pp);
        break;
    case Nowhere:
        break;
    }
    result.setSize(result.size().expandedTo(minimum).boundedTo(maximum));
    return result;
}

void SkinWindowResizeHandler::setMouseCursor(MousePosition position)
{
    if (!window)
        return;
    const QList<QWidget*> children = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->testAttribute(Qt::WA_SetCursor) && !child->inherits("QWorkspaceTitleBar"))
            child->setCursor(Qt::ArrowCursor);
    }
    window->setCursor(cursorShape(position));
}

void SkinWindowResizeHandler::keyPressEvent(QKeyEvent* event)
{
    if (!window || !moveResizeMode)
        return;
    const int delta = event->modifiers().testFlag(Qt::ControlModifier) ? 1 : 8;
    const QRect desktop = desktopGeometry();
    QPoint pos = QCursor::pos();
    const bool resizing = mode != Center;

    // The cursor cannot pass the desktop's edge, so the drag point moves inside the window instead.
    auto shiftOffsetsX = [this](int by) {
        moveOffset.rx() += by;
        invertedMoveOffset.rx() += by;
    };
    auto shiftOffsetsY = [this](int by) {
        moveOffset.ry() += by;
        invertedMoveOffset.ry() += by;
    };
    auto chooseEdge = [this](bool& fixed, MousePosition from1, MousePosition to1, MousePosition from2,
                             MousePosition to2) {
        if (fixed)
            return;
        fixed = true;
        if (mode == from1)
            mode = to1;
        else if (mode == from2)
            mode = to2;
        setMouseCursor(mode);
        window->grabMouse(window->cursor());
    };

    switch (event->key()) {
    case Qt::Key_Left:
        pos.rx() -= delta;
        if (pos.x() <= desktop.left())
            shiftOffsetsX(mode == TopLeft || mode == BottomLeft ? delta : -delta);
        if (resizing)
            chooseEdge(resizeHorizontalDirectionFixed, BottomRight, BottomLeft, TopRight, TopLeft);
        break;
    case Qt::Key_Right:
        pos.rx() += delta;
        if (pos.x() >= desktop.right())
            shiftOffsetsX(mode == TopRight || mode == BottomRight ? delta : -delta);
        if (resizing)
            chooseEdge(resizeHorizontalDirectionFixed, BottomLeft, BottomRight, TopLeft, TopRight);
        break;
    case Qt::Key_Up:
        pos.ry() -= delta;
        if (pos.y() <= desktop.top())
            shiftOffsetsY(mode == TopLeft || mode == TopRight ? delta : -delta);
        if (resizing)
            chooseEdge(resizeVerticalDirectionFixed, BottomLeft, TopLeft, BottomRight, TopRight);
        break;
    case Qt::Key_Down:
        pos.ry() += delta;
        if (pos.y() >= desktop.bottom())
            shiftOffsetsY(mode == BottomRight || mode == BottomLeft ? delta : -delta);
        if (resizing)
            chooseEdge(resizeVerticalDirectionFixed, TopLeft, BottomLeft, TopRight, BottomRight);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        endDrag();
        return;
    default:
        return;
    }
    QCursor::setPos(pos);
}
