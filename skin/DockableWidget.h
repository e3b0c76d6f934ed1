#pragma once

#include <QKeySequence>
#include <QObject>
#include <QRect>
#include <QTimeLine>

#include <memory>

class ObjectEventFilter;
class QEvent;
class QSettings;
class QShortcut;
class QTimer;
class QWidget;
class QXmlStreamReader;
class QXmlStreamWriter;

// Docks a widget to an edge (a screen's for a window, its parent's for a child).
// Docked, the widget waits outside the edge with `visibleSize` pixels left inside,
// slides in when the mouse touches the edge or the show hotkey is pressed, and
// slides out again after the auto-hide delay unless the cursor is over it or a
// listener of autoHideRequest() objects. The widget is never subclassed: all is
// done through geometry calls, event filters and timers.
class DockableWidget : public QObject
{
    Q_OBJECT

public:
    enum Mode { Undocked = 0, DockedLeft = 1, DockedTop = 2, DockedRight = 3, DockedBottom = 4 };
    Q_ENUM(Mode)
    enum State { Hidden = 0, Hiding = 1, Showing = 2, Shown = 3 };

    static constexpr int mousePollInterval = 150;
    static constexpr int slideUpdateInterval = 20;
    static constexpr int defaultSlideDuration = 600;
    static constexpr int defaultAutoHideDelay = 2000;
    // Lower bounds that keep a zero read from a file from becoming a busy loop.
    static constexpr int minimumAutoHideDelay = 100;
    static constexpr int minimumSlideDuration = slideUpdateInterval;
    // The longest delay or slide a stored frame keeps, in milliseconds.
    static constexpr int maximumDelay = 600000;

    // A null widget gives an inert frame.
    DockableWidget(QWidget* widget, int visibleSize);
    ~DockableWidget() override;

    QWidget* managedWidget() const { return widget; }
    Mode mode() const { return dockMode; }
    State state() const { return slideState; }
    // Docked along the whole edge ("dock left, stretched").
    bool isStretched() const { return stretched; }
    bool isMaximized() const { return maximized; }
    int visibleSize() const { return visible; }
    int autoHideDelay() const { return hideDelay; }
    int showDelay() const { return revealDelay; }
    bool isAutoHide() const { return autoHideOn; }
    bool showsByMouse() const { return showByMouse; }
    Qt::KeyboardModifiers showModifiers() const { return revealModifiers; }
    QKeySequence showHotkey() const { return showKeys; }
    QKeySequence hideHotkey() const { return hideKeys; }
    QRect dockedRect() const { return dockedGeometry; }
    QRect shownRect() const { return shownGeometry; }
    QRect undockedRect() const { return undockedGeometry; }
    int animationDuration() const;
    QTimeLine::CurveShape animationCurveShape() const;

    // `stretched` docks along the whole edge; the mode and the stretch are compared
    // together, so switching between the two forms of one edge takes effect.
    void setMode(Mode mode, bool stretched = false);
    void setAnimationParams(int duration, QTimeLine::CurveShape shape);
    void setShowDelay(int ms);
    void setAutoHideDelay(int ms);
    void setShowModifiers(Qt::KeyboardModifiers modifiers);
    // A window's show hotkey is bound system-wide: false when the desktop refused
    // it (another program holds it). A child's is local to its window.
    bool setShowHotkey(const QKeySequence& sequence);
    // Always local to the widget's window.
    bool setHideHotkey(const QKeySequence& sequence);

    bool staysOnTop() const;
    int screenNumber() const;
    bool isUnderCursor() const;
    Qt::KeyboardModifiers getKeyboardModifiers() const;
    void centerOnScreen();
    void resizeOnScreen(int widthPercent, int heightPercent);

    // Five elements (Attributes, Shown, Docked, Undocked, Hotkeys) inside the
    // element open in the writer.
    void save(QXmlStreamWriter& writer);
    // Reads up to and including the end of the element the reader stands on,
    // then places the widget. False when the frame could not be placed from it.
    bool restore(QXmlStreamReader& reader);
    void save(QSettings& settings);
    bool restore(QSettings& settings);
    void readUnknownElement(QXmlStreamReader& reader);

signals:
    void shown();
    void hidden();
    // A receiver clears *ok to keep the widget shown.
    void autoHideRequest(bool* ok);

public slots:
    void readyToShow();
    void show();
    void hide();
    void showNormal();
    void showMaximized();
    void stayOnTop(bool on);
    void setAutoHide(bool on);
    void setShowByMouse(bool on);

private slots:
    void parentResized(QEvent* event);
    void widgetResized(QEvent* event);
    void desktopResized(int screen);
    void checkMousePos();
    void autoHide();
    void updateRects(int x, int y);
    void animateWidget(int value);
    void finishAnimation();

private:
    bool isDocked() const { return dockMode != Undocked; }
    bool slides() const { return slideState == Hiding || slideState == Showing; }
    QRect screenGeometry(int screen) const;
    QPoint dockedPosition(const QRect& frame) const;
    void updateFrameRange();
    void setFrameGeometry(QRect frame);
    void applyStretch();
    void undoStretch();
    void startHiding();
    void bringToFront();
    void stopTimers();
    void resetForRestore();
    bool placeRestored(bool rectsRead, bool fromSettings);
    void watchScreens();

    QWidget* widget;
    QTimer* mousePollTimer = nullptr;
    QTimer* showDelayTimer = nullptr;
    QTimer* autoHideTimer = nullptr;
    QTimeLine* slideTimeLine = nullptr;
    QShortcut* showShortcut = nullptr;
    QShortcut* hideShortcut = nullptr;
    std::unique_ptr<ObjectEventFilter> resizeFilter;
    std::unique_ptr<ObjectEventFilter> moveFilter;

    Mode dockMode = Undocked;
    State slideState = Hidden;
    Mode maximizedMode = Undocked;
    QRect savedDockedRect, savedShownRect, savedUndockedRect;
    QRect dockedGeometry, shownGeometry, undockedGeometry;
    QSize sizeBeforeStretch;
    int visible;
    int hideDelay = defaultAutoHideDelay;
    int revealDelay = 0;
    bool autoHideOn = true;
    bool topLevel = false;
    bool maximized = false;
    bool stretched = false;
    bool showByMouse = true;
    Qt::KeyboardModifiers revealModifiers;
    QKeySequence showKeys;
    QKeySequence hideKeys;
};

// Whether a frame rectangle can stand there: one pixel moved onto the screen for a
// docked mode, it must touch a screen; undocked it must lie wholly on one.
bool isValid(const QRect& rect, DockableWidget::Mode mode);
