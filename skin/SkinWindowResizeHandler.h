#pragma once

#include <QObject>
#include <QPoint>

class QKeyEvent;
class QMouseEvent;
class QWidget;
class SkinWindow;

// Moves a frameless window by dragging it with the left button and resizes it from
// eight border zones, showing the matching cursors while the mouse hovers over them.
// During a move or resize started from the keyboard (doMove, doResize) the arrow keys
// nudge the cursor; Return, Enter, Space and Escape end it. An event filter on the
// window; the skin feeds it the mouse events of child widgets too.
class SkinWindowResizeHandler : public QObject
{
    Q_OBJECT

public:
    enum Action { Move = 1, Resize = 2 };
    Q_DECLARE_FLAGS(Actions, Action)

    enum MousePosition {
        Nowhere = 0,
        TopLeft = 1,
        BottomRight = 2,
        BottomLeft = 3,
        TopRight = 4,
        Top = 5,
        Bottom = 6,
        Left = 7,
        Right = 8,
        Center = 9
    };

    // `sizeWidget` bounds a resize by its minimum and maximum size; null: the window.
    SkinWindowResizeHandler(SkinWindow* skinWindow, QWidget* sizeWidget);

    // Border zones `margin` pixels wide, at least 4; off: no zones at all.
    void setResizeEnabled(bool on, int margin);
    int resizeRange() const { return range; }

    void setMovingEnabled(bool on) { movingEnabled = on; }
    bool isMovingEnabled() const { return movingEnabled; }

    // Keeps a child window's drag inside its parent.
    void setSizeProtect(bool on) { sizeProtect = on; }

    void setActive(Actions actions, bool on);
    bool isActive(Actions actions) const;

    MousePosition mousePosition() const { return mode; }
    bool isButtonDown() const { return buttonDown; }
    bool isMoveResizeMode() const { return moveResizeMode; }

    void doMove();
    void doResize();

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void activate();

protected:
    void setMouseCursor(MousePosition position);
    void mouseMoveEvent(QMouseEvent* event);
    void keyPressEvent(QKeyEvent* event);

private:
    // The result of an event the handler took part in: a press in the middle goes on
    // to the widget when dragging is off.
    bool consumes() const { return !(mode == Center && !movingEnabled); }
    void startDrag(const QPoint& globalPos);
    void endDrag();
    QRect draggedGeometry(const QPoint& globalPos) const;

    SkinWindow* skinWindow;
    QWidget* window;
    QWidget* sizeWidget;
    QPoint moveOffset;
    QPoint invertedMoveOffset;
    MousePosition mode = Nowhere;
    int range = -1;
    bool buttonDown = false;
    bool moveResizeMode = false;
    bool activeForResize = true;
    bool sizeProtect = true;
    bool movingEnabled = true;
    bool activeForMove = true;
    ulong lastPressTimestamp = 0;
    QPoint lastPressPos;

    // The arrow keys have chosen the edge of a keyboard resize; doResize clears them.
    static bool resizeVerticalDirectionFixed;
    static bool resizeHorizontalDirectionFixed;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SkinWindowResizeHandler::Actions)
