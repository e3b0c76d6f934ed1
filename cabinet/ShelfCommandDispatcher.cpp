#include "ShelfCommandDispatcher.h"

#include "MenuCommand.h"
#include "MyThumbnailView.h"
#include "ShelfParts.h"
#include "ShelfStatusBar.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QPointer>

ShelfCommandDispatcher::ShelfCommandDispatcher(VorendaShelf& shelf)
    : shelf(shelf)
{
}

ShelfCommandDispatcher::Outcome ShelfCommandDispatcher::carryOut(CommandRow::Route route, MenuType type,
                                                                 CommandCall call)
{
    const CommandRow* row = CommandTable::find(type);
    if (!row)
        return NoSuchCommand;
    if (row->clearsSearch())
        ShelfParts::of(shelf).search.clear();
    if (!row->runsFrom(route))
        return OtherRoute;
    if (row->needsSelection()) {
        if (route != CommandRow::ItemMenu)
            call.items = shelf.view->getSelectedItems();
        if (call.items.isEmpty())
            return NoSelection;
    }
    if (shelf.kiosk && !row->allowedInKiosk())
        return Locked;
    row->run(call);
    return Ran;
}

void ShelfCommandDispatcher::run(MenuType type, int parameter)
{
    const QPointer<VorendaShelf> self(&shelf);
    carryOut(CommandRow::Dispatcher, type, CommandCall(shelf, parameter));
    // A command may wait for an answer, and the cabinet may be gone by then.
    if (self)
        ShelfStatusBar(shelf).update();
}

void ShelfCommandDispatcher::runPlain(QAction* action, int categoryKey)
{
    const MenuCommand command = MenuCommand::unpack(action ? action->data() : QVariant());
    if (command.valid)
        carryOut(CommandRow::PlainEntry, command.type, CommandCall(shelf, command.parameter, categoryKey));
}

void ShelfCommandDispatcher::runOnItems(QAction* action, const QList<AbstractThumbnailItem*>& items)
{
    const MenuCommand command = MenuCommand::unpack(action ? action->data() : QVariant());
    if (!command.valid)
        return;
    CommandCall call(shelf, command.parameter);
    call.items = items;
    carryOut(CommandRow::ItemMenu, command.type, call);
}

ShelfCommandDispatcher::Outcome ShelfCommandDispatcher::runKey(MenuType type, bool maximized)
{
    CommandCall call(shelf);
    call.maximized = maximized;
    return carryOut(CommandRow::Keys, type, call);
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
        ShelfParts::of(*this).commands.run(command.type, command.parameter);
}
