#include "HelpWidget.h"

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
    // Platforms that know the frame before the window is shown tell it once the window exists.
    winId();
    QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = frameGeometry();
    const int frameExtra = frame.height() - height();
    frame.moveTopRight(available.topRight());
    frame.setHeight(available.height());
    move(frame.topLeft());
    resize(frame.width() - (frameGeometry().width() - width()), available.height() - frameExtra);
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
