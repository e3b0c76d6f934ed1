#pragma once

#include <QWidget>

// The help window's entry point: the one window, made on first use.
class HelpWidget : public QWidget
{
    Q_OBJECT

public:
    ~HelpWidget() override;

    static HelpWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

public slots:
    // Shows, raises and activates the window.
    void show();

protected:
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit HelpWidget(QWidget* parent = nullptr);
    void showAndRaise();

    static HelpWidget* widgetInstance;
};
