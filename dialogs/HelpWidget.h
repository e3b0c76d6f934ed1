#pragma once

#include "ui_HelpWidget.h"

#include <QMargins>
#include <QUrl>
#include <QWidget>

// The getting-started guide in the user's language, in an ordinary framed window that
// stands along the right edge of the screen. One window for the whole program, made on
// first use; closing only hides it, so it comes back where the reader left it.
class HelpWidget : public QWidget, public Ui_HelpWidgetClass
{
    Q_OBJECT

public:
    ~HelpWidget() override;

    static HelpWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

public slots:
    // Shows, raises and activates the window, also when it is already shown.
    void show();
    // "#close" hides the window; any other link scrolls the guide to its anchor.
    void anchorClicked(const QUrl& link);

protected:
    // Escape hides the window.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing only hides, so the place and scroll position stay for the next show.
    void closeEvent(QCloseEvent* event) override;
    // Watches for the window manager's word on the frame it draws.
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

private:
    explicit HelpWidget(QWidget* parent = nullptr);
    // The guide's resource in the current language; the English one unless a
    // translation names another.
    static QString guidePath();
    // Full screen height along the right edge at the designed width, frame included.
    void placeAlongRightEdge();
    // The frame the window manager draws, or will draw, around the window.
    QMargins expectedFrame() const;
    void loadGuide();

    static HelpWidget* widgetInstance;
    bool frameAnswered = false;
};
