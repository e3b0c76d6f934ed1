#pragma once

#include <QPointer>
#include <QWidget>

class QEventLoop;

// A window that asks one question. exec-style callers show it and wait in an event
// loop of its own while the rest of the program keeps running; the answer ends the
// wait exactly once, however many ways of ending it arrive. Escape rejects, Return
// and Enter accept, and the window system's close request answers 0.
//
// `parent` is the window the question is modal to, not an owner: callers keep
// question windows on their stack. Losing that window while waiting answers 0.
class ModalWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ModalWindow(QWidget* parent = nullptr);
    ~ModalWindow() override;

    QWidget* modalParent() const { return modalTo; }
    bool isWaiting() const { return loop != nullptr; }
    bool hasEnded() const { return ended; }
    int answer() const { return code; }

protected:
    // Shows the window and waits for the answer. Once answered, returns that answer
    // at once; a call from inside its own wait returns 0 without waiting again.
    // Nothing of the object may be touched after it returns: the window may have
    // been deleted while it waited.
    int run();
    // Ends the wait with `answer` and hides the window; ignored after the first end.
    void finish(int answer);

    void keyPressEvent(QKeyEvent* event) override;
    // Hides the window and ignores the event, so the caller keeps the object.
    void closeEvent(QCloseEvent* event) override;

protected slots:
    virtual void accept();
    virtual void reject();

private:
    void attachToModalParent();

    QPointer<QWidget> modalTo;
    // The loop lives on run()'s stack, so deleting the window mid-wait cannot pull it
    // from under its own exec().
    QPointer<QEventLoop> loop;
    bool ended = false;
    int code = 0;
};
