#pragma once

#include "ui_AddProgressWidget.h"

#include <QWidget>

class VorendaShelf;

// The one small window that shows what a folder walk has just added to a cabinet,
// with Pause/Continue and Abort. It keeps no count of its own: the cabinet that shows
// it fills the labels for every item and reads `paused` before it lets its walker go on.
//
// ready() and aborted() are meant for the walkers of the cabinet in `shelf` only: each
// cabinet connects itself and acts only while the window is shown for it, so a Continue
// or an Abort never reaches another cabinet's walk. Do not wire them to walkers directly.
class AddProgressWidget : public QWidget, public Ui_AddProgressWidgetClass
{
    Q_OBJECT

public:
    explicit AddProgressWidget(QWidget* parent = nullptr);
    ~AddProgressWidget() override;

    // The single window, created without parent on the first call.
    static AddProgressWidget* instance();
    static bool visible();

    // Shows the window for `shelf`; the paused state stays as it is.
    void show(VorendaShelf* shelf);
    using QWidget::show;

    // The cabinet the window is shown for; null while it is closed.
    VorendaShelf* shelf = nullptr;
    // Adding waits for Continue; cleared by every close.
    bool paused = false;

signals:
    // Adding may go on (Continue after a pause).
    void ready();
    // The user stopped the adding.
    void aborted();

public slots:
    // Pause/Continue: toggles `paused`; resuming emits ready().
    void pause();
    // Emits aborted(), then closes the window.
    void abort();

protected:
    // Return and Enter do nothing, not even on the focused Pause button.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Every close only hides the window and forgets its cabinet and pause.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updatePauseButton();

    static AddProgressWidget* widgetInstance;
};
