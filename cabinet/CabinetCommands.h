#pragma once

class VorendaShelf;

// The commands on the cabinet as a whole: a new cabinet, hiding, deleting and
// changing the style of this one.
class CabinetCommands {
public:
    explicit CabinetCommands(VorendaShelf& shelf);

    // Asks, then takes the cabinet apart: its walks and thumbnail helpers stop first,
    // its items, cached pictures and data file go, and the controller is told before
    // the cabinet is deleted. Nothing of it is saved afterwards.
    void deleteCabinet();
    // Has the controller make, register and show a new cabinet of that style.
    void newCabinet(int styleKey);
    // Hides the cabinet's frame; the command table keeps it from running while locked.
    void hideCabinet();
    // The known style with that key, or the default style, becomes the cabinet's.
    void changeStyle(int styleKey);

private:
    VorendaShelf& shelf;
};
