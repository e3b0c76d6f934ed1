#pragma once

#include "CabinetCommands.h"
#include "CategoryCommands.h"
#include "ItemCommands.h"
#include "MenuType.h"

class QAction;
class VorendaShelf;

// Carries out a cabinet's numbered commands. The dispatcher runs the commands of the
// self-triggering menu entries and of the quick-start panel; the plain entries that a
// menu hands back after it closed run the cabinet-level and category-placing commands.
class ShelfCommandDispatcher {
public:
    explicit ShelfCommandDispatcher(VorendaShelf& shelf);

    // Clears the search first for every number above 52, refreshes the status label last.
    void run(MenuType type, int parameter);
    // `categoryKey` is the category the menu was opened for, -1 for none.
    void runPlain(QAction* action, int categoryKey);

    ItemCommands& items() { return itemCommands; }

private:
    // Whether the command may run while the cabinet is in kiosk mode, which refuses
    // every change to the cabinet's items and categories.
    static bool runsInKiosk(MenuType type);
    bool runPanelCommand(MenuType type, int parameter);

    VorendaShelf& shelf;
    ItemCommands itemCommands;
    CategoryCommands categoryCommands;
    CabinetCommands cabinetCommands;
};
