#pragma once

#include <QWidget>

class VorendaMain;

// The preferences panel's entry point: the one panel, made on first use.
class PreferencesWidget : public QWidget
{
    Q_OBJECT

public:
    ~PreferencesWidget() override;

    static PreferencesWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // Shows the panel for `main`'s settings on page `index`.
    void show(VorendaMain* main, int index);

protected:
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit PreferencesWidget(QWidget* parent = nullptr);
    void showAndRaise();

    static PreferencesWidget* widgetInstance;
};
