#include "SkinWindow.h"

#include "ObjectEventFilter.h"
#include "SaveFileCommit.h"
#include "SkinWindowResizeHandler.h"

#include <QAbstractScrollArea>
#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QSaveFile>
#include <QWidget>
#include <QX11Info>
#include <QtDebug>

namespace {

QList<QWidget*> directChildWidgets(const QWidget* parent)
{
    return parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

SkinWindow::SkinWindow(QWidget* window, QObject* parent)
    : QObject(parent)
    , window(window)
    , effectTimeLine(new QTimeLine(1000, this))
{
    connect(effectTimeLine, &QTimeLine::valueChanged, this, &SkinWindow::animate);
    connect(effectTimeLine, &QTimeLine::finished, this, &SkinWindow::finished);
}

SkinWindow::~SkinWindow()
{
    // The window may be half destroyed when its children go, so only own objects are touched.
    effectTimeLine->stop();
    deleteFilters();
    delete effectTimeLine;
}

void SkinWindow::deleteFilters()
{
    delete resizeHandler;
    resizeHandler = nullptr;
    delete mouseMoveFilter;
    mouseMoveFilter = nullptr;
    delete mousePressFilter;
    mousePressFilter = nullptr;
    delete mouseReleaseFilter;
    mouseReleaseFilter = nullptr;
}

bool SkinWindow::isCompositingAvailable()
{
    if (QX11Info::isPlatformX11())
        return QX11Info::isCompositingManagerRunning();
    // Wayland always composes; the offscreen platform keeps the alpha in its backing store.
    return true;
}

void SkinWindow::start(const BackgroundPainter& skin, const MarginProperty& margins, bool alphaBlend,
                       bool fixedSize, bool noDragMove, bool translucent)
{
    if (started || !window)
        return;
    this->skin = skin;
    ++skinGeneration;
    this->alphaBlend = alphaBlend;
    this->translucent = translucent;
    started = true;
    painting = false;
    const QRect frame = window->frameGeometry();
    const bool wasVisible = window->isVisible();
    savedWindowFlags = window->windowFlags();
    savedMargins = window->contentsMargins();

    childrenContainer = window->findChild<QFrame*>(QStringLiteral("childrenContainer"));

    // WA_PaintOnScreen is never used: it leaves a raster widget unpainted in Qt 5.
    if (alphaBlend) {
        if (translucent) {
            window->setWindowFlags(savedWindowFlags | Qt::FramelessWindowHint);
            window->setAttribute(Qt::WA_TranslucentBackground);
        } else {
            window->setAttribute(Qt::WA_NoSystemBackground);
        }
    }
    if ((savedWindowFlags & Qt::WindowType_Mask) != Qt::ToolTip) {
        // A window with a parent would become a child widget without the window type.
        Qt::WindowFlags flags = Qt::FramelessWindowHint | (savedWindowFlags & Qt::WindowStaysOnTopHint);
        if (window->isWindow())
            flags |= Qt::Window;
        window->setWindowFlags(flags);
    }

    window->setAttribute(Qt::WA_MouseTracking);
    window->setContentsMargins(int(margins[MarginProperty::Left]), int(margins[MarginProperty::Top]),
                               int(margins[MarginProperty::Right]), int(margins[MarginProperty::Bottom]));
    window->installEventFilter(this);

    resizeHandler = new SkinWindowResizeHandler(this, nullptr);
    resizeHandler->setResizeEnabled(!fixedSize, 0);
    resizeHandler->setMovingEnabled(!noDragMove);

    mouseMoveFilter = new ObjectEventFilter(QEvent::MouseMove, false);
    mousePressFilter = new ObjectEventFilter(QEvent::MouseButtonPress, false);
    mouseReleaseFilter = new ObjectEventFilter(QEvent::MouseButtonRelease, false);
    for (ObjectEventFilter* filter : {mouseMoveFilter, mousePressFilter, mouseReleaseFilter})
        connect(filter, &ObjectEventFilter::filterEvent, this, &SkinWindow::mouseEvent);
    installChildrenMouseFilter(true);

    if (alphaBlend && !translucent)
        installChildrenFilter(window, true);

    // The flag changes may have moved the window and hidden it.
    if (translucent) {
        window->setGeometry(frame);
        update(false);
    } else {
        update(false);
        window->setGeometry(frame);
    }
    if (wasVisible)
        window->setVisible(true);
}

void SkinWindow::stop()
{
    if (!started || !window)
        return;
    if (isEffectRunning())
        abortEffect(!effectHiding);
    started = false;
    const bool wasVisible = window->isVisible();
    if (alphaBlend && !translucent)
        window->setAttribute(Qt::WA_NoSystemBackground, false);
    window->setWindowFlags(savedWindowFlags);
    window->setAttribute(Qt::WA_MouseTracking, false);
    window->setContentsMargins(savedMargins);
    window->removeEventFilter(this);
    if (resizeHandler)
        window->removeEventFilter(resizeHandler);
    installChildrenMouseFilter(false);
    if (alphaBlend && !translucent)
        installChildrenFilter(window, false);
    window->clearMask();
    // Nulled here, so the destructor does not delete them again.
    deleteFilters();
    if (wasVisible)
        window->setVisible(true);
}

void SkinWindow::setSkin(const BackgroundPainter& skin, bool update)
{
    if (!window)
        return;
    this->skin = skin;
    ++skinGeneration;
    if (update) {
        this->update(false);
        window->update();
    }
}

void SkinWindow::setAlphaBlend(bool on)
{
    if (!window || on == alphaBlend)
        return;
    alphaBlend = on;
    if (on) {
        if (translucent) {
            window->setWindowFlags(savedWindowFlags | Qt::FramelessWindowHint);
            window->setAttribute(Qt::WA_TranslucentBackground);
        } else {
            window->setAttribute(Qt::WA_NoSystemBackground);
            installChildrenFilter(window, true);
        }
    } else {
        if (translucent) {
            window->setAttribute(Qt::WA_TranslucentBackground, false);
        } else {
            window->setAttribute(Qt::WA_NoSystemBackground, false);
            installChildrenFilter(window, false);
        }
    }
    window->clearMask();
    update(false);
    window->update();
}

bool SkinWindow::isEffectRunning() const
{
    return effectTimeLine->state() == QTimeLine::Running;
}

bool SkinWindow::effectInUse() const
{
    return isEffectRunning();
}

void SkinWindow::setChildrenVisible(bool visible)
{
    if (!window)
        return;
    const QList<QWidget*> children = directChildWidgets(window);
    for (QWidget* child : children)
        child->setVisible(visible);
}

QPixmap SkinWindow::renderChildren(const QSize& size) const
{
    QPixmap children(size);
    children.fill(Qt::transparent);
    const QList<QWidget*> widgets = directChildWidgets(window);
    for (QWidget* child : widgets) {
        if (child->isVisible())
            child->render(&children, child->pos(), QRegion(), QWidget::DrawChildren | QWidget::IgnoreMask);
    }
    return children;
}

QPixmap SkinWindow::grabWindow()
{
    if (!window || window->size().isEmpty())
        return QPixmap();
    QPixmap image(window->size());
    image.fill(Qt::transparent);
    BackgroundPainter painter = skin;
    painter.setImagePainter(ImagePainter(renderChildren(window->size()), ImagePainter::TopLeft));
    QPainter p(&image);
    painter.paint(&p, QRectF(image.rect()));
    return image;
}

void SkinWindow::update(bool effect)
{
    if (!window)
        return;
    const bool fromEffect = effect || isEffectRunning();
    pictureGeneration = skinGeneration;
    pictureFromEffect = fromEffect;
    if (window->size().isEmpty()) {
        picture = QPixmap();
        window->clearMask();
        return;
    }
    picture = QPixmap(window->size());
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        (fromEffect ? effectPainter : skin).paint(&painter, QRectF(picture.rect()));
    }
    window->setMask(picture.mask());
}

void SkinWindow::ensurePicture()
{
    const bool fromEffect = effectInUse();
    if (picture.size() != window->size() || pictureGeneration != skinGeneration || pictureFromEffect != fromEffect)
        update(fromEffect);
}

bool SkinWindow::needsOpaqueBase() const
{
    // Without a compositor the X server ignores the alpha: the mask gives the shape and
    // the translucent skin is laid over a solid colour.
    return alphaBlend && (!translucent || !isCompositingAvailable());
}

QColor SkinWindow::opaqueBase() const
{
    if (skin.painterFlags().testFlag(BackgroundPainter::FillColor) && skin.fillColor().isValid()) {
        QColor base = skin.fillColor();
        base.setAlpha(255);
        return base;
    }
    return Qt::black;
}

bool SkinWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window || !window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
        return false;
    case QEvent::Paint:
        // The window's own paint handler never runs.
        if (!painting)
            paintEvent(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Resize:
        resizeEvent(static_cast<QResizeEvent*>(event));
        return false;
    default:
        return static_cast<QObject*>(window.data())->eventFilter(watched, event);
    }
}

void SkinWindow::resizeEvent(QResizeEvent*)
{
    ensurePicture();
    if (!translucent)
        window->update();
}

void SkinWindow::paintEvent(QPaintEvent*)
{
    if (!window)
        return;
    painting = true;
    ensurePicture();
    QPainter painter(window);
    painter.setRenderHint(QPainter::Antialiasing);
    if (needsOpaqueBase()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(window->rect(), opaqueBase());
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (alphaBlend && isEffectRunning())
        painter.setOpacity(effectTimeLine->currentValue());
    painter.drawPixmap(0, 0, picture);
    painting = false;
}

QPixmap SkinWindow::composedPicture()
{
    ensurePicture();
    if (picture.isNull())
        return QPixmap();
    QPixmap composed = picture;
    // The skin's border lies over the children.
    BackgroundPainter overlay;
    overlay.setImagePainter(ImagePainter(renderChildren(composed.size()), ImagePainter::TopLeft));
    overlay.setBorderPainter(skin.borderPainter());
    QPainter painter(&composed);
    overlay.paint(&painter, QRectF(composed.rect()));
    return composed;
}

void SkinWindow::captureWindow()
{
    if (!window)
        return;
    const QPixmap composed = composedPicture();
    if (composed.isNull() || captureFolder.isEmpty())
        return;
    const QString folder = QFileInfo(captureFolder).absoluteFilePath();
    if (!QDir().mkpath(folder))
        return;
    QSaveFile file(QDir(folder).filePath(window->objectName() + QStringLiteral(".png")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    QImageWriter writer(&file, "PNG");
    if (!writer.write(composed.toImage()) || !commitSaveFile(file))
        qWarning() << "SkinWindow: could not save" << file.fileName();
}

void SkinWindow::installChildrenFilter(QWidget* parent, bool on)
{
    if (!parent || !on)
        return;
    // Children paint themselves over the skin, so none may cover it with a background.
    const QList<QWidget*> children = parent->findChildren<QWidget*>();
    for (QWidget* child : children)
        child->setAutoFillBackground(false);
}

void SkinWindow::installChildrenMouseFilter(bool on)
{
    if (!window || !mouseMoveFilter)
        return;
    const QList<QWidget*> children = directChildWidgets(window);
    for (QWidget* child : children) {
        if (qobject_cast<QGraphicsView*>(child))
            continue;
        QWidget* target = child;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(child))
            target = area->viewport();
        for (ObjectEventFilter* filter : {mouseMoveFilter, mousePressFilter, mouseReleaseFilter}) {
            if (on)
                target->installEventFilter(filter);
            else
                target->removeEventFilter(filter);
        }
    }
}

void SkinWindow::mouseEvent(QEvent* event)
{
    // A child's mouse event counts as the window's own: a press on a label drags the window.
    if (resizeHandler && window)
        resizeHandler->eventFilter(window, event);
}

void SkinWindow::startEffect(Effect effect, const QRect& rect, int duration, int interval,
                             QTimeLine::CurveShape shape, bool hiding)
{
    effectHiding = hiding;
    effectTimeLine->setDirection(hiding ? QTimeLine::Backward : QTimeLine::Forward);
    if (isEffectRunning())
        return; // the running effect simply turns round
    this->effect = effect;
    effectTimeLine->setDuration(qMax(1, duration));
    effectTimeLine->setUpdateInterval(qMax(1, interval));
    effectTimeLine->setCurveShape(shape);
    effectFromRect = effect == GeometryEffect ? rect : window->geometry();
    effectPainter = BackgroundPainter(ImagePainter(grabWindow(), ImagePainter::Fit));
    effectToRect = window->geometry();
    update(true);
    if (childrenContainer)
        childrenContainer->hide();
    effectTimeLine->start();
}

void SkinWindow::abortEffect(bool visible)
{
    effectTimeLine->stop();
    if (effect == GeometryEffect && effectToRect.isValid())
        window->setGeometry(effectToRect);
    effectHiding = false;
    if (childrenContainer)
        childrenContainer->show();
    update(false);
    window->setVisible(visible);
    if (visible) {
        window->raise();
        window->activateWindow();
    }
}

void SkinWindow::show(Effect effect, const QRect& rect, int duration, int interval, QTimeLine::CurveShape shape)
{
    if (!window)
        return;
    const bool animated = effect != NoEffect && alphaBlend;
    // A show during a hide effect turns it round (or ends it at once), never gets lost.
    if (isEffectRunning() && effectHiding) {
        if (animated)
            startEffect(effect, rect, duration, interval, shape, false);
        else
            abortEffect(true);
        return;
    }
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (animated) {
        startEffect(effect, rect, duration, interval, shape, false);
        return;
    }
    window->setVisible(true);
    window->raise();
    window->activateWindow();
}

void SkinWindow::hide(Effect effect, const QRect& rect, int duration, int interval, QTimeLine::CurveShape shape)
{
    if (!window)
        return;
    const bool animated = effect != NoEffect && alphaBlend;
    if (isEffectRunning()) {
        if (!animated)
            abortEffect(false);
        else if (!effectHiding)
            startEffect(effect, rect, duration, interval, shape, true);
        return;
    }
    if (!window->isVisible())
        return;
    if (animated)
        startEffect(effect, rect, duration, interval, shape, true);
    else
        window->setVisible(false);
}

void SkinWindow::animate(qreal value)
{
    if (!window)
        return;
    if (effect == GeometryEffect) {
        const QRect& from = effectFromRect;
        const QRect& to = effectToRect;
        const QRect step(int(from.left() + (to.left() - from.left()) * value),
                         int(from.top() + (to.top() - from.top()) * value),
                         int(from.width() + (to.width() - from.width()) * value),
                         int(from.height() + (to.height() - from.height()) * value));
        if (step == window->geometry())
            window->update();
        else
            window->setGeometry(step);
    } else {
        window->update();
    }
    window->setVisible(true);
}

void SkinWindow::finished()
{
    if (!window)
        return;
    if (effectHiding) {
        // The geometry first: set on a hidden window it could be overtaken by the
        // platform's late report of the last animation step.
        window->setGeometry(effectToRect);
        window->setVisible(false);
    } else {
        window->raise();
        window->activateWindow();
    }
    effectHiding = false;
    if (childrenContainer)
        childrenContainer->show();
    update(false);
}
