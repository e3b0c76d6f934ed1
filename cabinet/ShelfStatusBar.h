#pragma once

#include <QString>

class VorendaShelf;

// The cabinet's bottom bar: the status label, which counts the categories and items
// (and the search's share of them) or shows a passing confirmation, and the slider
// that resizes the selected items around an item kept in view.
class ShelfStatusBar
{
public:
    explicit ShelfStatusBar(VorendaShelf& shelf);

    void update();
    // On a dark rounded background, until the next update().
    void showMessage(const QString& text);
    // The slider lost the focus: the next resize finds its anchor afresh.
    void sliderLeft();
    // Resizes the selected items to the slider's value.
    void resizeSelection();
    // A locked cabinet's slider stays where it is, whatever moves it (keys, the
    // mouse, a focus kept from before the lock).
    void refuseMoveWhileLocked();

private:
    VorendaShelf& shelf;
};
