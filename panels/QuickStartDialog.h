#pragma once

#include <QWidget>

class VorendaShelf;

// The quick-start panel's entry point: the one panel, made on first use.
class QuickStartDialog : public QWidget
{
    Q_OBJECT

public:
    ~QuickStartDialog() override;

    static QuickStartDialog* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // Selects `shelf` (none for null), then shows, raises and activates the panel.
    void show(VorendaShelf* shelf);

public slots:
    // Refills the cabinet chooser from the cabinet list.
    void onShelvesChanged();

public:
    // The cabinet the panel serves; null for none.
    VorendaShelf* shelf = nullptr;

protected:
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit QuickStartDialog(QWidget* parent = nullptr);
    void showAndRaise();

    static QuickStartDialog* widgetInstance;
};
