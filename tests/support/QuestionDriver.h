#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

// Plays the user's part while a question window waits in its own event loop: polls
// until `find` returns the window, then runs `step` on it once. When no window shows
// up in time, or the window still waits long after the step, closes the windows so
// that a broken wait cannot hang the test.
class QuestionDriver : public QObject
{
public:
    using Finder = std::function<QWidget*()>;
    using Step = std::function<void(QWidget*)>;

    QuestionDriver(Finder find, Step step, int timeoutMs = 5000)
        : find(std::move(find))
        , step(std::move(step))
    {
        connect(&poll, &QTimer::timeout, this, &QuestionDriver::tick);
        poll.start(5);
        deadline.start();
        limit = timeoutMs;
    }

    bool ran() const { return done; }
    bool timedOut() const { return gaveUp; }

    // The first visible top-level window of type T.
    template <typename T>
    static Finder visible()
    {
        return [] () -> QWidget* {
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget* window : windows) {
                if (window->isVisible() && qobject_cast<T*>(window))
                    return window;
            }
            return nullptr;
        };
    }

private:
    void tick()
    {
        if (done || gaveUp)
            return;
        if (QWidget* window = find()) {
            done = true;
            poll.stop();
            // A step that fails halfway leaves the window waiting; end it so the test goes on.
            QPointer<QWidget> asked(window);
            QTimer::singleShot(limit, this, [asked] {
                if (asked && asked->isVisible())
                    asked->close();
            });
            step(window);
            return;
        }
        if (deadline.elapsed() > limit) {
            gaveUp = true;
            poll.stop();
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget* window : windows) {
                if (window->isVisible())
                    window->close();
            }
        }
    }

    Finder find;
    Step step;
    QTimer poll;
    QElapsedTimer deadline;
    int limit = 5000;
    bool done = false;
    bool gaveUp = false;
};

// A question window of ours (a ModalWindow) once it shows and waits for its answer.
template <typename Window>
QuestionDriver::Finder waiting(Window* window)
{
    return [window]() -> QWidget* { return window->isVisible() && window->isWaiting() ? window : nullptr; };
}

template <typename Window>
QuestionDriver::Finder waiting(const QPointer<Window>& window)
{
    return waiting(window.data());
}

// The answer to a password question: `typed` and OK, or Cancel when `typed` is empty.
template <typename Dialog>
QuestionDriver::Step answerPassword(const QString& typed)
{
    return [typed](QWidget* window) {
        auto* dialog = static_cast<Dialog*>(window);
        if (typed.isEmpty()) {
            dialog->cancelButton->click();
            return;
        }
        dialog->passwordLineEdit->setText(typed);
        dialog->okButton->click();
    };
}

// A key typed by the user: it goes to the widget with the keyboard focus, so keys
// that the focus widget passes on reach the window the way they do in real use.
inline void typeKey(QWidget* window, Qt::Key key, const QString& text = QString())
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    if (text.isEmpty())
        QTest::keyClick(target, key);
    else
        QTest::keyClicks(target, text);
}

// The window system's close request, as the title bar's close button makes it.
inline void closeFromTitleBar(QWidget* window)
{
    if (window->windowHandle())
        window->windowHandle()->close();
}

// A mouse click through the window system, so that window modality applies.
inline void clickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    const QPoint pos = widget->mapTo(top, widget->rect().center());
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
}

// A click on a radio button's indicator, where the button takes it whatever its text's length.
inline void chooseOption(QAbstractButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2));
}

// A plain top-level window that stays on top: no dialog, tool or frameless kind,
// the platform's usual decorations.
inline bool isStayOnTopWindow(const QWidget* window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return window->isWindow() && window->windowType() == Qt::Window && flags.testFlag(Qt::WindowStaysOnTopHint)
        && !flags.testFlag(Qt::FramelessWindowHint) && !flags.testFlag(Qt::CustomizeWindowHint);
}

// Typing text of any script into the focus widget, one character at a time.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
