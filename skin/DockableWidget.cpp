#include "DockableWidget.h"

#include "HotkeyManager.h"
#include "ObjectEventFilter.h"
#include "ScreenFunctions.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

bool isValid(const QRect& rect, DockableWidget::Mode mode)
{
    QRect probe = rect;
    switch (mode) {
    case DockableWidget::DockedLeft:
        probe.translate(1, 0);
        break;
    case DockableWidget::DockedTop:
        probe.translate(0, 1);
        break;
    case DockableWidget::DockedRight:
        probe.translate(-1, 0);
        break;
    case DockableWidget::DockedBottom:
        probe.translate(0, -1);
        break;
    default:
        break;
    }
    return isVisibleRect(probe, mode != DockableWidget::Undocked);
}

namespace {

bool slidesAlongX(DockableWidget::Mode mode)
{
    return mode == DockableWidget::DockedLeft || mode == DockableWidget::DockedRight;
}

// The screen holding the centre of `rect`, else the one it overlaps most.
QScreen* screenOfRect(const QRect& rect)
{
    if (QScreen* screen = QGuiApplication::screenAt(rect.center()))
        return screen;
    QScreen* best = nullptr;
    int bestArea = 0;
    const auto screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        const QRect common = screen->geometry().intersected(rect);
        const int area = common.isValid() ? common.width() * common.height() : 0;
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// The top-left of a rect of `size` at the mode's edge of `area`, `inside` pixels of it within.
QPoint edgePosition(DockableWidget::Mode mode, const QRect& area, const QRect& frame, int inside)
{
    switch (mode) {
    case DockableWidget::DockedLeft:
        return QPoint(area.left() - frame.width() + inside, frame.y());
    case DockableWidget::DockedTop:
        return QPoint(frame.x(), area.top() - frame.height() + inside);
    case DockableWidget::DockedRight:
        return QPoint(area.right() - inside + 1, frame.y());
    case DockableWidget::DockedBottom:
        return QPoint(frame.x(), area.bottom() - inside + 1);
    default:
        return QPoint(0, 0);
    }
}

} // namespace

DockableWidget::DockableWidget(QWidget* widget, int visibleSize)
    : QObject(widget)
    , widget(widget)
    , visible(qMax(0, visibleSize))
{
    if (!widget)
        return;
    topLevel = widget->isWindow();
    widget->setAttribute(Qt::WA_Hover);

    QObject* watched = topLevel ? static_cast<QObject*>(widget) : widget->parent();
    if (watched) {
        const auto slot = topLevel ? &DockableWidget::widgetResized : &DockableWidget::parentResized;
        resizeFilter = std::make_unique<ObjectEventFilter>(QEvent::Resize, false);
        moveFilter = std::make_unique<ObjectEventFilter>(QEvent::Move, false);
        connect(resizeFilter.get(), &ObjectEventFilter::filterEvent, this, slot);
        connect(moveFilter.get(), &ObjectEventFilter::filterEvent, this, slot);
        watched->installEventFilter(resizeFilter.get());
        watched->installEventFilter(moveFilter.get());
    }
    if (topLevel)
        watchScreens();

    mousePollTimer = new QTimer(this);
    connect(mousePollTimer, &QTimer::timeout, this, &DockableWidget::checkMousePos);
    // One restartable timer each: a leftover never shows or hides at the wrong moment.
    showDelayTimer = new QTimer(this);
    showDelayTimer->setSingleShot(true);
    connect(showDelayTimer, &QTimer::timeout, this, &DockableWidget::readyToShow);
    autoHideTimer = new QTimer(this);
    autoHideTimer->setSingleShot(true);
    connect(autoHideTimer, &QTimer::timeout, this, &DockableWidget::autoHide);

    slideTimeLine = new QTimeLine(defaultSlideDuration, this);
    slideTimeLine->setUpdateInterval(slideUpdateInterval);
    slideTimeLine->setCurveShape(QTimeLine::EaseInOutCurve);
    connect(slideTimeLine, &QTimeLine::frameChanged, this, &DockableWidget::animateWidget);
    connect(slideTimeLine, &QTimeLine::finished, this, &DockableWidget::finishAnimation);
}

DockableWidget::~DockableWidget()
{
    if (widget && topLevel && !showKeys.isEmpty())
        HotkeyManager::disconnect(showKeys, this, SLOT(show()));
    if (slideTimeLine)
        slideTimeLine->stop();
}

void DockableWidget::watchScreens()
{
    const auto changed = [this] { desktopResized(-1); };
    const auto watchScreen = [this, changed](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, changed);
    };
    const auto screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        watchScreen(screen);
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    connect(app, &QGuiApplication::screenAdded, this, [watchScreen, changed](QScreen* screen) {
        watchScreen(screen);
        changed();
    });
    // Queued: the screen list holds the removed screen while the signal runs.
    connect(app, &QGuiApplication::screenRemoved, this, changed, Qt::QueuedConnection);
}

int DockableWidget::animationDuration() const
{
    return slideTimeLine ? slideTimeLine->duration() : defaultSlideDuration;
}

QTimeLine::CurveShape DockableWidget::animationCurveShape() const
{
    return slideTimeLine ? slideTimeLine->curveShape() : QTimeLine::EaseInOutCurve;
}

// ---- geometry

QRect DockableWidget::screenGeometry(int screen) const
{
    const auto screens = QGuiApplication::screens();
    if (screen >= 0 && screen < screens.size())
        return screens.at(screen)->geometry();
    QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry() : QRect();
}

int DockableWidget::screenNumber() const
{
    if (!widget)
        return -1;
    const auto screens = QGuiApplication::screens();
    if (topLevel) {
        const QRect frame = slideState == Hidden && isDocked() && dockedGeometry.isValid() ? dockedGeometry
                                                                                          : widget->frameGeometry();
        if (visible == 0 && slideState == Hidden && isDocked()) {
            // Hidden wholly outside: the screen is the one just inside the edge.
            QPoint probe;
            switch (dockMode) {
            case DockedLeft:
                probe = QPoint(frame.right() + 1, frame.top());
                break;
            case DockedTop:
                probe = QPoint(frame.left(), frame.bottom() + 1);
                break;
            case DockedRight:
                probe = QPoint(frame.left() - 1, frame.top());
                break;
            default:
                probe = QPoint(frame.left(), frame.top() - 1);
                break;
            }
            if (QScreen* screen = QGuiApplication::screenAt(probe))
                return screens.indexOf(screen);
        }
        if (QScreen* screen = screenOfRect(frame))
            return screens.indexOf(screen);
    }
    const int index = screens.indexOf(widget->screen());
    return index >= 0 ? index : screens.indexOf(QGuiApplication::primaryScreen());
}

bool DockableWidget::isUnderCursor() const
{
    if (!widget)
        return false;
    QPoint cursor = QCursor::pos();
    QWidget* parent = widget->parentWidget();
    if (!topLevel && parent)
        cursor = parent->mapFromGlobal(cursor);

    const bool hiddenAtEdge = topLevel && isDocked() && slideState == Hidden;
    // Hidden, the widget stands where it was put, whatever a window manager reports.
    QRect frame = hiddenAtEdge && dockedGeometry.isValid() ? dockedGeometry : widget->frameGeometry();
    if (hiddenAtEdge && visible == 0) {
        // One pixel onto the screen: the outermost pixel row or column touches it.
        switch (dockMode) {
        case DockedLeft:
            frame.translate(1, 0);
            break;
        case DockedTop:
            frame.translate(0, 1);
            break;
        case DockedRight:
            frame.translate(-1, 0);
            break;
        default:
            frame.translate(0, -1);
            break;
        }
    }
    QRect clip;
    if (topLevel)
        clip = frame.intersected(screenGeometry(screenNumber()));
    else if (parent)
        clip = frame.intersected(parent->rect());
    return clip.isValid() && clip.contains(cursor);
}

QPoint DockableWidget::dockedPosition(const QRect& frame) const
{
    const int screen = screenNumber();
    const QRect screenArea = screenGeometry(screen);
    const auto screens = QGuiApplication::screens();
    // The desktop's outer edge first (a left-docked window sits at the leftmost
    // screen), the widget's own screen when that edge misses every screen.
    const QRect desktop = screen >= 0 && screen < screens.size() ? screens.at(screen)->virtualGeometry() : screenArea;
    QPoint position = edgePosition(dockMode, desktop, frame, visible);
    if (isValid(QRect(position, frame.size()), dockMode))
        return position;
    position = edgePosition(dockMode, screenArea, frame, visible);
    if (!isValid(QRect(position, frame.size()), dockMode) && screenArea.isValid()) {
        // The widget lies beside every screen (one was removed or shrank): bring it
        // along the edge onto the screen that exists.
        if (slidesAlongX(dockMode))
            position.setY(qBound(screenArea.top(), position.y(), qMax(screenArea.top(), screenArea.bottom() - frame.height() + 1)));
        else
            position.setX(qBound(screenArea.left(), position.x(), qMax(screenArea.left(), screenArea.right() - frame.width() + 1)));
    }
    return position;
}

void DockableWidget::widgetResized(QEvent* event)
{
    if (!widget || !topLevel || !isDocked() || slides())
        return;
    const QRect frame = widget->frameGeometry();
    const QPoint position = dockedPosition(frame);
    if (event && event->type() == QEvent::Move && slideState == Hidden && visible > 0 && widget->isVisible()) {
        const bool moved = slidesAlongX(dockMode) ? frame.x() != position.x() : frame.y() != position.y();
        if (moved) {
            // A window manager that keeps windows on the screen put it back inside:
            // take it away wholly rather than leave more of it in sight.
            widget->setVisible(false);
        }
    }
    updateRects(position.x(), position.y());
}

void DockableWidget::parentResized(QEvent* event)
{
    Q_UNUSED(event)
    if (!widget || topLevel || !widget->parentWidget() || !isDocked() || slides())
        return;
    const QRect frame = widget->frameGeometry();
    const QPoint position = edgePosition(dockMode, widget->parentWidget()->rect(), frame, visible);
    updateRects(position.x(), position.y());
    widget->move(slideState == Hidden ? dockedGeometry.topLeft() : shownGeometry.topLeft());
}

void DockableWidget::desktopResized(int screen)
{
    Q_UNUSED(screen)
    if (!widget || !topLevel || !isDocked() || slides())
        return;
    if (stretched && !maximized)
        applyStretch();
    widgetResized(nullptr);
    setFrameGeometry(slideState == Hidden ? dockedGeometry : shownGeometry);
}

void DockableWidget::updateRects(int x, int y)
{
    if (!widget)
        return;
    const QSize size = widget->frameGeometry().size();
    dockedGeometry = QRect(QPoint(x, y), size);
    shownGeometry = dockedGeometry;
    switch (dockMode) {
    case DockedLeft:
        shownGeometry.translate(size.width() - visible, 0);
        break;
    case DockedTop:
        shownGeometry.translate(0, size.height() - visible);
        break;
    case DockedRight:
        shownGeometry.translate(-(size.width() - visible), 0);
        break;
    case DockedBottom:
        shownGeometry.translate(0, -(size.height() - visible));
        break;
    default:
        break;
    }
    updateFrameRange();
}

void DockableWidget::updateFrameRange()
{
    if (!slideTimeLine || !isDocked())
        return;
    if (slidesAlongX(dockMode))
        slideTimeLine->setFrameRange(dockedGeometry.left(), shownGeometry.left());
    else
        slideTimeLine->setFrameRange(dockedGeometry.top(), shownGeometry.top());
}

// By value: the resize below recomputes the rects that callers pass in.
void DockableWidget::setFrameGeometry(QRect frame)
{
    if (!frame.isValid())
        return;
    const QSize margins = widget->frameGeometry().size() - widget->geometry().size();
    widget->resize(frame.size() - margins);
    widget->move(frame.topLeft());
}

void DockableWidget::applyStretch()
{
    // Only the size along the edge and the position across it: where the frame
    // stands on the sliding axis stays for widgetResized() to decide.
    const QRect area = screenGeometry(screenNumber());
    const QRect frame = widget->frameGeometry();
    if (slidesAlongX(dockMode))
        setFrameGeometry(QRect(QPoint(frame.x(), area.top()), QSize(frame.width(), area.height())));
    else if (dockMode != Undocked)
        setFrameGeometry(QRect(QPoint(area.left(), frame.y()), QSize(area.width(), frame.height())));
}

void DockableWidget::undoStretch()
{
    if (stretched && sizeBeforeStretch.isValid())
        widget->resize(sizeBeforeStretch);
    stretched = false;
}

// ---- modes

void DockableWidget::setMode(Mode mode, bool stretch)
{
    if (!widget || mode < Undocked || mode > DockedBottom)
        return;
    stretch = stretch && mode != Undocked && topLevel;
    if (mode == dockMode && stretch == stretched)
        return;
    if (dockMode == Undocked && !maximized)
        undockedGeometry = widget->geometry();
    stopTimers();
    if (topLevel && !maximized)
        undoStretch();
    stretched = false;
    dockMode = mode;

    if (mode == Undocked) {
        slideState = Hidden;
        if (topLevel) {
            if (!undockedGeometry.isValid())
                undockedGeometry = widget->geometry();
            if (!isValid(undockedGeometry, Undocked))
                ::centerOnScreen(undockedGeometry);
        }
        if (maximized) {
            showNormal();
            return;
        }
        widget->setGeometry(undockedGeometry);
        show();
        return;
    }

    slideState = Shown;
    if (topLevel) {
        // A maximised widget keeps the stretch for showNormal().
        stretched = stretch;
        if (stretch && !maximized) {
            sizeBeforeStretch = widget->size();
            applyStretch();
        }
        widgetResized(nullptr);
        setFrameGeometry(shownGeometry);
    } else {
        parentResized(nullptr);
    }
    widget->setVisible(true);
    widget->raise();
    if (topLevel)
        widget->activateWindow();
    updateFrameRange();
    autoHideTimer->start(hideDelay);
    mousePollTimer->start(mousePollInterval);
}

void DockableWidget::stopTimers()
{
    if (!mousePollTimer)
        return;
    mousePollTimer->stop();
    showDelayTimer->stop();
    autoHideTimer->stop();
    slideTimeLine->stop();
}

void DockableWidget::setAnimationParams(int duration, QTimeLine::CurveShape shape)
{
    if (!slideTimeLine)
        return;
    slideTimeLine->setDuration(qMax(minimumSlideDuration, duration));
    if (shape >= QTimeLine::EaseInCurve && shape <= QTimeLine::CosineCurve)
        slideTimeLine->setCurveShape(shape);
}

void DockableWidget::setShowDelay(int ms)
{
    revealDelay = qMax(0, ms);
}

void DockableWidget::setAutoHideDelay(int ms)
{
    hideDelay = qMax(minimumAutoHideDelay, ms);
}

void DockableWidget::setShowModifiers(Qt::KeyboardModifiers modifiers)
{
    revealModifiers = modifiers & Qt::KeyboardModifierMask;
}

void DockableWidget::setShowByMouse(bool on)
{
    showByMouse = on;
}

// ---- showing and hiding

void DockableWidget::bringToFront()
{
    widget->setVisible(true);
    widget->raise();
    if (topLevel)
        widget->activateWindow();
    else
        widget->updateGeometry();
}

void DockableWidget::checkMousePos()
{
    const bool wanted = widget && isDocked() && slideState == Hidden && showByMouse && isUnderCursor()
                        && (!revealModifiers || (getKeyboardModifiers() & revealModifiers));
    if (!wanted) {
        // The cursor left the edge before the delay ran out: a brief touch shows nothing.
        showDelayTimer->stop();
        return;
    }
    if (!showDelayTimer->isActive())
        showDelayTimer->start(revealDelay);
}

void DockableWidget::readyToShow()
{
    if (widget && isDocked() && slideState == Hidden && isUnderCursor())
        show();
}

void DockableWidget::show()
{
    if (!widget)
        return;
    bringToFront();
    if (!isDocked()) {
        emit shown();
        return;
    }
    if (slideState != Hidden && slideState != Hiding)
        return;
    showDelayTimer->stop();
    autoHideTimer->stop();
    slideState = Showing;
    slideTimeLine->setDirection(QTimeLine::Forward);
    if (slideTimeLine->state() != QTimeLine::Running)
        slideTimeLine->start();
}

void DockableWidget::hide()
{
    if (!widget)
        return;
    if (!isDocked()) {
        widget->setVisible(false);
        emit hidden();
        return;
    }
    if ((slideState == Shown || slideState == Showing) && widget->isVisible())
        startHiding();
}

void DockableWidget::startHiding()
{
    autoHideTimer->stop();
    slideState = Hiding;
    slideTimeLine->setDirection(QTimeLine::Backward);
    if (slideTimeLine->state() != QTimeLine::Running)
        slideTimeLine->start();
}

void DockableWidget::animateWidget(int value)
{
    if (!widget || !isDocked() || !slides())
        return;
    if (slidesAlongX(dockMode))
        widget->move(value, widget->y());
    else
        widget->move(widget->x(), value);
}

void DockableWidget::finishAnimation()
{
    if (!widget || !isDocked())
        return;
    if (slideState == Hiding) {
        widget->move(dockedGeometry.topLeft());
        if (visible == 0 && topLevel)
            widget->setVisible(false);
        slideState = Hidden;
        emit hidden();
    } else if (slideState == Showing) {
        widget->move(shownGeometry.topLeft());
        slideState = Shown;
        emit shown();
        autoHideTimer->start(hideDelay);
    }
}

void DockableWidget::autoHide()
{
    if (!widget || !isDocked() || !autoHideOn || slideState != Shown)
        return;
    bool ok = true;
    emit autoHideRequest(&ok);
    if (slideState != Shown || !autoHideOn)
        return; // a receiver changed the frame meanwhile
    if (ok && !isUnderCursor())
        startHiding();
    else
        autoHideTimer->start(hideDelay);
}

void DockableWidget::setAutoHide(bool on)
{
    if (on == autoHideOn)
        return;
    autoHideOn = on;
    if (!widget)
        return;
    if (on && slideState == Shown && isDocked())
        autoHideTimer->start(hideDelay);
    else if (!on) {
        autoHideTimer->stop();
        if (slideState == Hiding)
            show();
    }
}

void DockableWidget::showMaximized()
{
    if (!widget || !topLevel || (isDocked() && slideState != Shown))
        return;
    if (!maximized) {
        if (!isDocked())
            undockedGeometry = widget->geometry();
        savedDockedRect = dockedGeometry;
        savedShownRect = shownGeometry;
        savedUndockedRect = undockedGeometry;
        maximizedMode = dockMode;
        maximized = true;
        widget->setGeometry(screenGeometry(screenNumber()));
    }
    bringToFront();
    emit shown();
}

void DockableWidget::showNormal()
{
    if (!widget || !topLevel || (isDocked() && slideState != Shown))
        return;
    if (maximized) {
        maximized = false;
        dockedGeometry = savedDockedRect;
        shownGeometry = savedShownRect;
        undockedGeometry = savedUndockedRect;
        if (!undockedGeometry.isValid())
            undockedGeometry = QRect(QPoint(), screenGeometry(screenNumber()).size() / 2);
        if (!isValid(undockedGeometry, Undocked))
            ::centerOnScreen(undockedGeometry);
        if (isDocked()) {
            if (maximizedMode != dockMode || !shownGeometry.isValid()) {
                // Docked since it was maximised: the saved rects belong to another
                // edge or to none, so take the normal size to this edge.
                widget->resize(undockedGeometry.size());
                if (stretched) {
                    sizeBeforeStretch = widget->size();
                    applyStretch();
                }
                widgetResized(nullptr);
            }
            setFrameGeometry(shownGeometry);
        } else {
            widget->setGeometry(undockedGeometry);
        }
    }
    bringToFront();
    emit shown();
}

bool DockableWidget::staysOnTop() const
{
    return widget && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void DockableWidget::stayOnTop(bool on)
{
    if (!widget || !topLevel || on == staysOnTop())
        return;
    const bool wasVisible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // New window flags hide the window.
    if (wasVisible)
        widget->setVisible(true);
}

Qt::KeyboardModifiers DockableWidget::getKeyboardModifiers() const
{
    // Asks the window system: the modifiers count while another program is in front.
    return QGuiApplication::queryKeyboardModifiers();
}

void DockableWidget::centerOnScreen()
{
    if (!widget || !topLevel)
        return;
    ::centerOnScreen(widget);
    if (widget->isVisible()) {
        widget->raise();
        widget->activateWindow();
    }
}

void DockableWidget::resizeOnScreen(int widthPercent, int heightPercent)
{
    if (!widget || !topLevel)
        return;
    ::resizeOnScreen(widget, widthPercent, heightPercent);
    if (widget->isVisible()) {
        widget->raise();
        widget->activateWindow();
    }
}

// ---- hotkeys

bool DockableWidget::setShowHotkey(const QKeySequence& sequence)
{
    if (!widget)
        return false;
    if (!showShortcut) {
        showShortcut = new QShortcut(widget);
        connect(showShortcut, &QShortcut::activated, this, &DockableWidget::show);
        connect(showShortcut, &QShortcut::activatedAmbiguously, this, &DockableWidget::show);
    }
    if (!showKeys.isEmpty() && topLevel)
        HotkeyManager::disconnect(showKeys, this, SLOT(show()));
    showKeys = sequence;
    showShortcut->setKey(sequence);
    if (sequence.isEmpty())
        return true;
    if (topLevel) {
        // Bound system-wide so it works while another program is in front.
        showShortcut->setEnabled(false);
        return HotkeyManager::connect(sequence, this, SLOT(show()));
    }
    showShortcut->setEnabled(true);
    return true;
}

bool DockableWidget::setHideHotkey(const QKeySequence& sequence)
{
    if (!widget)
        return false;
    if (!hideShortcut) {
        hideShortcut = new QShortcut(widget);
        connect(hideShortcut, &QShortcut::activated, this, &DockableWidget::hide);
        connect(hideShortcut, &QShortcut::activatedAmbiguously, this, &DockableWidget::hide);
    }
    hideKeys = sequence;
    hideShortcut->setKey(sequence);
    if (!sequence.isEmpty())
        hideShortcut->setEnabled(true);
    return true;
}
