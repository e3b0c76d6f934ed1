#include "ShelfCommandDispatcher.h"

#include "MenuCommand.h"
#include "ShelfParts.h"
#include "StyleElement.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QPointer>

namespace {

// Every command above this number adds to the cabinet, so the search is cleared first
// and the new entries show.
constexpr int LAST_KEEPING_SEARCH = LocateSelectedItems;

} // namespace

ShelfCommandDispatcher::ShelfCommandDispatcher(VorendaShelf& shelf)
    : shelf(shelf)
    , itemCommands(shelf)
    , categoryCommands(shelf)
    , cabinetCommands(shelf)
{
}

bool ShelfCommandDispatcher::runsInKiosk(MenuType type)
{
    switch (type) {
    case ExpandAllCategories:
    case CollapseAllCategories:
    case ToggleCategory:
    case SelectCategoryItems:
    case SelectCategoryItemsWithSubcategories:
    case OpenSelectedItems:
        return true;
    default:
        return false;
    }
}

void ShelfCommandDispatcher::run(MenuType type, int parameter)
{
    const QPointer<VorendaShelf> self(&shelf);
    if (type > LAST_KEEPING_SEARCH)
        shelf.onClearSearch();
    if (!shelf.kiosk || runsInKiosk(type)) {
        if (!itemCommands.run(type, parameter) && !categoryCommands.run(type, parameter)
            && !runPanelCommand(type, parameter))
            ShelfParts::of(shelf).walks.runCommand(type, parameter);
    }
    // A command may wait for an answer, and the cabinet may be gone by then.
    if (self)
        shelf.updateStatusLabel();
}

bool ShelfCommandDispatcher::runPanelCommand(MenuType type, int parameter)
{
    switch (type) {
    case PersonalizeGeneral:
        shelf.onPersonalize(0, StyleElement(parameter));
        return true;
    case PersonalizeAppearance:
        shelf.onPersonalize(1, StyleElement(parameter));
        return true;
    case PersonalizeStyle:
        shelf.onPersonalize(2, StyleElement(parameter));
        return true;
    case ShowPreferences:
        shelf.onPreferences();
        return true;
    default:
        return false;
    }
}

void ShelfCommandDispatcher::runPlain(QAction* action, int categoryKey)
{
    if (!action)
        return;
    const MenuCommand command = MenuCommand::unpack(action->data());
    if (!command.valid)
        return;
    if (command.type > LAST_KEEPING_SEARCH)
        shelf.onClearSearch();
    switch (command.type) {
    case DeleteShelf:
        cabinetCommands.deleteCabinet();
        return;
    case NewShelf:
        cabinetCommands.newCabinet(command.parameter);
        return;
    case HideShelf:
        cabinetCommands.hideCabinet();
        return;
    case ChangeStyle:
        cabinetCommands.changeStyle(command.parameter);
        return;
    case MoveCategoryBefore:
    case MoveCategoryAfter:
    case MoveCategoryInto:
        if (!shelf.kiosk)
            categoryCommands.moveCategory(command.type, categoryKey, command.parameter);
        return;
    case NewCategoryBefore:
    case NewCategoryAfter:
    case NewCategoryInside:
        if (!shelf.kiosk)
            categoryCommands.newCategoryAt(command.type, command.parameter);
        return;
    default:
        // Every other command is a self-triggering entry's, and has run already.
        return;
    }
}

// ---- The cabinet's entry points

void VorendaShelf::doMenuAction(MenuType type, int parameter)
{
    ShelfParts::of(*this).commands.run(type, parameter);
}

void VorendaShelf::doMenuAction(QAction* action, int categoryKey)
{
    ShelfParts::of(*this).commands.runPlain(action, categoryKey);
}

void VorendaShelf::onDelayedAction(QVariant data, bool)
{
    const MenuCommand command = MenuCommand::unpack(data);
    if (command.valid)
        doMenuAction(command.type, command.parameter);
}
