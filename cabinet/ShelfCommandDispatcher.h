#pragma once

#include "CommandTable.h"
#include "MenuType.h"

#include <QList>

class AbstractThumbnailItem;
class QAction;
class VorendaShelf;

// Carries a cabinet's numbered commands from every route to their rows of the command
// table, in one frame: the search is cleared first when the row says so, a number runs
// only from the routes its row names, a command that needs a selection runs only with
// one, and in kiosk mode only the commands allowed there run.
class ShelfCommandDispatcher {
public:
    enum Outcome { Ran, NoSuchCommand, OtherRoute, NoSelection, Locked };

    explicit ShelfCommandDispatcher(VorendaShelf& shelf);

    // The self-triggering entries and the quick-start panel; refreshes the status label
    // last, also after a number that did nothing.
    void run(MenuType type, int parameter);
    // A plain entry that a menu handed back; `categoryKey` is the category the menu was
    // opened for, -1 for none.
    void runPlain(QAction* action, int categoryKey);
    // An entry of the item menu, on the items under the pointer that are still there.
    void runOnItems(QAction* action, const QList<AbstractThumbnailItem*>& items);
    // A key's command, on the selection.
    Outcome runKey(MenuType type, bool maximized);

private:
    Outcome carryOut(CommandRow::Route route, MenuType type, CommandCall call);

    VorendaShelf& shelf;
};
