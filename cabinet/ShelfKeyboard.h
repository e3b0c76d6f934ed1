#pragma once

class QKeyEvent;
class VorendaShelf;

// The keys the view and the other children of a cabinet leave over: typing starts a
// search, Escape hides the cabinet and Return opens the selection (Shift reveals it,
// Alt asks for a maximized window); the last two run their commands of the command table.
class ShelfKeyboard
{
public:
    explicit ShelfKeyboard(VorendaShelf& shelf);

    // False for a key the cabinet leaves to its base class.
    bool keyPressed(QKeyEvent* event);

private:
    VorendaShelf& shelf;
};
