#pragma once

#include <QWidget>

class VorendaShelf;

// The personalization panel's entry point: the one panel, made on first use.
class PersonalizationWidget : public QWidget
{
    Q_OBJECT

public:
    ~PersonalizationWidget() override;

    static PersonalizationWidget* instance();
    // Whether the one instance is shown; makes it when there is none yet.
    static bool visible();

    // Shows the panel for `cabinet` on page `panel`.
    void show(VorendaShelf* cabinet, int panel);

    // The cabinet being edited; null while the panel is closed.
    VorendaShelf* shelf = nullptr;

protected:
    // Closing only hides, so the state stays for the next show.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit PersonalizationWidget(QWidget* parent = nullptr);
    void showAndRaise();

    static PersonalizationWidget* widgetInstance;
};
