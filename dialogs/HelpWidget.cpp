#include "HelpWidget.h"

#include "WindowFrameExtents.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

HelpWidget* HelpWidget::widgetInstance = nullptr;

HelpWidget::HelpWidget(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(textBrowser, &QTextBrowser::anchorClicked, this, &HelpWidget::anchorClicked);
    // The native window exists from here on, so the window manager can be asked for the
    // frame it will draw before the window is first shown.
    winId();
    WindowFrameExtents::request(windowHandle());
    placeAlongRightEdge();
    loadGuide();
    textBrowser->setOpenLinks(false);
    setWindowIcon(QIcon());
}

HelpWidget::~HelpWidget()
{
    if (widgetInstance == this)
        widgetInstance = nullptr;
}

HelpWidget* HelpWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new HelpWidget();
    return widgetInstance;
}

bool HelpWidget::visible()
{
    return instance()->isVisible();
}

QString HelpWidget::guidePath()
{
    return tr(":/Resources/Help/mac/en/gettingstarted.txt");
}

void HelpWidget::show()
{
    QWidget::show();
    raise();
    activateWindow();
}

void HelpWidget::anchorClicked(const QUrl& link)
{
    if (link.toString() == QLatin1String("#close"))
        close();
    else
        textBrowser->setSource(link);
}

void HelpWidget::placeAlongRightEdge()
{
    QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The client area is placed; the window manager draws the frame around it where it
    // stands, so the frame's own extents are kept free on every side.
    const QRect available = screen->availableGeometry();
    const QMargins frame = expectedFrame();
    setGeometry(available.right() - frame.right() - width() + 1, available.top() + frame.top(), width(),
                available.height() - frame.top() - frame.bottom());
}

QMargins HelpWidget::expectedFrame() const
{
    if (const std::optional<QMargins> known = WindowFrameExtents::of(windowHandle()))
        return *known;
    // Until the window manager says, room for a common title bar and borders: a window
    // that comes out a little short beats a title bar above the screen.
    if (WindowFrameExtents::windowManagerRuns())
        return QMargins(8, 32, 8, 8);
    return QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                    frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
}

bool HelpWidget::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
    // The first word of the window manager on the frame places the window anew: the
    // reader cannot have moved it yet.
    if (!frameAnswered && WindowFrameExtents::isChange(eventType, message)
        && WindowFrameExtents::of(windowHandle())) {
        frameAnswered = true;
        QMetaObject::invokeMethod(this, &HelpWidget::placeAlongRightEdge, Qt::QueuedConnection);
    }
    return QWidget::nativeEvent(eventType, message, result);
}

void HelpWidget::loadGuide()
{
    const QString path = guidePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("HelpWidget: cannot read the guide %s", qPrintable(path));
        return;
    }
    // The guide's pictures lie beside it.
    textBrowser->setSearchPaths({QFileInfo(path).path()});
    textBrowser->setHtml(QString::fromUtf8(file.readAll()));
}

void HelpWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWidget::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}
