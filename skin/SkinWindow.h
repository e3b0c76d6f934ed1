#pragma once

#include "BackgroundPainter.h"
#include "MarginProperty.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QTimeLine>
#include <QWidget>

class ObjectEventFilter;
class QEvent;
class QFrame;
class QPaintEvent;
class QResizeEvent;
class SkinWindowResizeHandler;

// Turns a top-level widget into a frameless window painted with a skin: the skin is
// rendered into a picture of the window's size, whose transparent pixels cut the
// window's shape through a mask. The window is moved by dragging (also from child
// widgets) and resized from its border, and shown and hidden with animated effects
// made from a grabbed image of the window. Lives as the window's event filter.
class SkinWindow : public QObject
{
    Q_OBJECT

public:
    enum Effect { NoEffect = 0, GeometryEffect = 1, FadeEffect = 2 };
    Q_ENUM(Effect)

    SkinWindow(QWidget* window, QObject* parent);
    ~SkinWindow() override;

    // Skins the window once; later calls do nothing until stop().
    void start(const BackgroundPainter& skin, const MarginProperty& margins, bool alphaBlend, bool fixedSize,
               bool noDragMove, bool translucent);
    void stop();
    bool isStarted() const { return started; }

    void setSkin(const BackgroundPainter& skin, bool update);
    const BackgroundPainter& getSkin() const { return skin; }
    void setAlphaBlend(bool on);
    bool isAlphaBlend() const { return alphaBlend; }
    bool isTranslucent() const { return translucent; }

    QWidget* getWindow() const { return window; }
    // Null until start() and after stop().
    SkinWindowResizeHandler* getResizeHandler() const { return resizeHandler; }

    void setCaptureFolder(const QString& folder) { captureFolder = folder; }
    QString getCaptureFolder() const { return captureFolder; }

    // `rect` is where a GeometryEffect starts (show) or ends (hide); `duration` and
    // `interval` are the time line's, in milliseconds. Effects need alpha blending.
    void show(Effect effect, const QRect& rect, int duration, int interval, QTimeLine::CurveShape shape);
    void hide(Effect effect, const QRect& rect, int duration, int interval, QTimeLine::CurveShape shape);
    bool isEffectRunning() const;
    bool isEffectHiding() const { return effectHiding; }

    void setChildrenVisible(bool visible);
    // The window's current image: the skin with the children drawn into it.
    QPixmap grabWindow();
    // Rebuilds the picture and the window mask, from the effect image when `effect`
    // is true or an effect runs.
    void update(bool effect);
    const QPixmap& getPicture() const { return picture; }

    // No opaque base is needed where a compositor blends translucent windows.
    static bool isCompositingAvailable();

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void captureWindow();

protected:
    void paintEvent(QPaintEvent* event);
    void resizeEvent(QResizeEvent* event);
    void installChildrenFilter(QWidget* parent, bool on);
    void installChildrenMouseFilter(bool on);

protected slots:
    void mouseEvent(QEvent* event);

private slots:
    void animate(qreal value);
    void finished();

private:
    bool effectInUse() const;
    // Rebuilds the picture only when the size, the skin or the effect image changed.
    void ensurePicture();
    QPixmap fadedPicture() const;
    QPixmap composedPicture();
    QPixmap renderChildren(const QSize& size) const;
    QColor opaqueBase() const;
    bool needsOpaqueBase() const;
    void startEffect(Effect effect, const QRect& rect, int duration, int interval, QTimeLine::CurveShape shape,
                     bool hiding);
    // Ends a running effect at once, leaving the window shown or hidden.
    void abortEffect(bool visible);
    void deleteFilters();

    SkinWindowResizeHandler* resizeHandler = nullptr;
    ObjectEventFilter* mouseMoveFilter = nullptr;
    ObjectEventFilter* mousePressFilter = nullptr;
    ObjectEventFilter* mouseReleaseFilter = nullptr;
    QPointer<QWidget> window;
    QTimeLine* effectTimeLine;
    QPointer<QFrame> childrenContainer;
    bool effectHiding = false;
    Effect effect = NoEffect;
    QRect effectFromRect;
    QRect effectToRect;
    QString captureFolder;
    QPixmap picture;
    BackgroundPainter skin;
    BackgroundPainter effectPainter;
    QMargins savedMargins;
    bool painting = false;
    bool started = false;
    bool alphaBlend = false;
    bool translucent = false;
    Qt::WindowFlags savedWindowFlags;

    // What the picture was built from; a paint rebuilds it only when this changes.
    int skinGeneration = 0;
    int pictureGeneration = -1;
    bool pictureFromEffect = false;
};
