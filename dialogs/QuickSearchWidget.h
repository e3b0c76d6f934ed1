#pragma once

#include <QWidget>

// The quick search's entry point: the one window, made on first use.
class QuickSearchWidget : public QWidget
{
    Q_OBJECT

public:
    ~QuickSearchWidget() override;

    static QuickSearchWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // True when the quick search looks through the cabinets' own items.
    bool searchingVorenda() const { return false; }

public slots:
    // Shows, raises and activates the window.
    void show();
    // Stores the window's state on the program's quit.
    void quit();

signals:
    // The text every cabinet filters its items by; empty clears the filters.
    void search(const QString& text);

protected:
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit QuickSearchWidget(QWidget* parent = nullptr);
    void showAndRaise();

    static QuickSearchWidget* widgetInstance;
};
