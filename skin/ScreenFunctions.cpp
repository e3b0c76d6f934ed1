#include "ScreenFunctions.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QRect primaryGeometry()
{
    QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry() : QRect();
}

QRect screenGeometryAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    const QRect geometry = screen ? screen->geometry() : QRect();
    return geometry.isNull() ? primaryGeometry() : geometry;
}

QRect screenGeometryOf(const QWidget* widget)
{
    QScreen* screen = widget->screen();
    const QRect geometry = screen ? screen->geometry() : QRect();
    return geometry.isNull() ? primaryGeometry() : geometry;
}

QPoint centredTopLeft(const QRect& screen, const QSize& size)
{
    return QPoint(screen.left() + (screen.width() - size.width()) / 2,
                  screen.top() + (screen.height() - size.height()) / 2);
}

} // namespace

bool isVisibleRect(const QRect& rect, bool partly)
{
    if (!rect.isValid())
        return false;
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const QRect geometry = screen->geometry();
        if (partly ? geometry.intersects(rect) : geometry.contains(rect))
            return true;
    }
    return false;
}

void centerOnScreen(QWidget* widget)
{
    if (!widget)
        return;
    const QRect screen = screenGeometryOf(widget);
    widget->move(centredTopLeft(screen, widget->frameGeometry().size()));
}

void centerOnScreen(QRect& rect)
{
    const QRect screen = screenGeometryAt(rect.topLeft());
    rect.moveTopLeft(centredTopLeft(screen, rect.size()));
}

void resizeOnScreen(QWidget* widget, int widthPercent, int heightPercent)
{
    if (!widget)
        return;
    const QRect screen = screenGeometryOf(widget);
    const QSize size(screen.width() * widthPercent / 100, screen.height() * heightPercent / 100);
    widget->setGeometry(QRect(centredTopLeft(screen, size), size));
}

void resizeOnScreen(QWidget* widget, int percent)
{
    resizeOnScreen(widget, percent, percent);
}

QSize sizeFromText(const QString& text)
{
    const int x = text.indexOf(QLatin1Char('x'));
    if (x < 0)
        return QSize();
    bool widthOk = false;
    bool heightOk = false;
    const int width = text.left(x).trimmed().toInt(&widthOk);
    const int height = text.mid(x + 1).trimmed().toInt(&heightOk);
    if (!widthOk || !heightOk || width <= 0 || height <= 0)
        return QSize();
    return QSize(width, height);
}
