#pragma once

class VorendaShelf;

// The single panels and dialogs that work on one cabinet at a time, as a cabinet sees
// them: the quick search, personalization, quick start, item properties and progress.
class CabinetPanels
{
public:
    // Whether one of them is shown and works on `shelf`: the cabinet then stays shown.
    static bool workOn(const VorendaShelf& shelf);
    // Puts the shown ones above the cabinets.
    static void raise();
};
