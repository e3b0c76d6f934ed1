#include "ModalWindow.h"

#include "AnswerKeys.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QWindow>

ModalWindow::ModalWindow(QWidget* parent)
    : QWidget(nullptr)
    , modalTo(parent)
{
    setWindowIcon(QIcon());
    // A question about one window is that window's dialog, so the window manager keeps
    // it with its owner (WM_TRANSIENT_FOR); a free-standing question is a plain window.
    setWindowFlags(parent ? Qt::Dialog | Qt::WindowStaysOnTopHint : Qt::WindowStaysOnTopHint);
    if (parent)
        connect(parent, &QObject::destroyed, this, [this] { finish(0); });
}

ModalWindow::~ModalWindow()
{
    if (loop)
        loop->exit(0);
}

int ModalWindow::run()
{
    if (ended)
        return code;
    if (loop)
        return 0;
    attachToModalParent();
    QEventLoop waiting;
    loop = &waiting;
    QPointer<ModalWindow> self(this);
    show();
    raise();
    activateWindow();
    waiting.exec(QEventLoop::AllEvents);
    if (!self)
        return 0;
    loop = nullptr;
    // The application's exit ends every loop; that is no answer, so it counts as a cancel.
    finish(0);
    return code;
}

void ModalWindow::finish(int answer)
{
    if (ended)
        return;
    ended = true;
    code = answer;
    if (loop)
        loop->exit(answer);
    close();
}

void ModalWindow::attachToModalParent()
{
    if (!modalTo)
        return;
    QWidget* parentWindow = modalTo->window();
    parentWindow->winId();
    winId();
    setWindowModality(Qt::WindowModal);
    if (windowHandle())
        windowHandle()->setTransientParent(parentWindow->windowHandle());
}

void ModalWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleAnswerKey(event, [this] { accept(); }, [this] { reject(); }))
        QWidget::keyPressEvent(event);
}

void ModalWindow::closeEvent(QCloseEvent* event)
{
    // A close that no answer made (the title bar's button) is a cancel.
    if (!ended)
        finish(0);
    hide();
    event->ignore();
}

void ModalWindow::accept()
{
    finish(1);
}

void ModalWindow::reject()
{
    finish(0);
}
