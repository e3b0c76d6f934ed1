#include "AddProgressWidget.h"

#include "ScreenFunctions.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>

AddProgressWidget* AddProgressWidget::widgetInstance = nullptr;

AddProgressWidget::AddProgressWidget(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    setWindowIcon(QIcon());
    setWindowFlags(Qt::WindowStaysOnTopHint);
    connect(pauseButton, &QPushButton::clicked, this, &AddProgressWidget::pause);
    connect(abortButton, &QPushButton::clicked, this, &AddProgressWidget::abort);
    pauseButton->installEventFilter(this);
    abortButton->installEventFilter(this);
    updatePauseButton();
    centerOnScreen(this);
}

AddProgressWidget::~AddProgressWidget()
{
    if (widgetInstance == this)
        widgetInstance = nullptr;
}

AddProgressWidget* AddProgressWidget::instance()
{
    if (!widgetInstance)
        widgetInstance = new AddProgressWidget;
    return widgetInstance;
}

bool AddProgressWidget::visible()
{
    return instance()->isVisible();
}

void AddProgressWidget::show(VorendaShelf* forShelf)
{
    shelf = forShelf;
    QWidget::show();
}

void AddProgressWidget::pause()
{
    paused = !paused;
    updatePauseButton();
    if (!paused)
        emit ready();
}

void AddProgressWidget::abort()
{
    // The walk ends here; the close that follows must not let it go on.
    paused = false;
    emit aborted();
    close();
}

bool AddProgressWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AddProgressWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        abort();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AddProgressWidget::closeEvent(QCloseEvent* event)
{
    // Closed from the title bar while paused: the walk must not stay blocked with
    // nobody left to continue it, so it goes on and shows the window again.
    const bool resume = paused && shelf;
    paused = false;
    updatePauseButton();
    if (resume)
        emit ready();
    shelf = nullptr;
    hide();
    event->ignore();
}

void AddProgressWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFixedSize(size());
}

void AddProgressWidget::updatePauseButton()
{
    pauseButton->setText(paused ? tr("Continue") : tr("Pause"));
}
