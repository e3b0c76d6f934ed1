#pragma once

#include <QString>

class VorendaShelf;

// A cabinet's entry in the controller's "Show Cabinet" menu.
class ShowCabinetEntry
{
public:
    // The name ("<No Name>" when empty), a tab, the cabinet's show hotkey.
    static QString text(const VorendaShelf& shelf);
};
