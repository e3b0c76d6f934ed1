#include "ShelfMenus.h"

#include "CategoryHeaderItem.h"
#include "CategoryTargetMenus.h"
#include "CategoryTreeNode.h"
#include "MyThumbnailView.h"
#include "ShelfMenuEntries.h"
#include "ShelfSubmenus.h"
#include "VorendaShelf.h"

#include <QMenu>

namespace {

// An entry for every item of the cabinet; no text makes a separator.
struct Entry {
    const char* text;
    MenuType type;
};

// The entries that items have in both of their menus, with their keys.
QString openText()
{
    return VorendaShelf::tr("Open\t%1").arg(ShelfMenus::keyText(QKeySequence(Qt::Key_Enter)));
}

QString locateText()
{
    return VorendaShelf::tr("Show in File Manager\t%1")
        .arg(ShelfMenus::keyText(QKeySequence(Qt::SHIFT + Qt::Key_Enter)));
}

QString removeText()
{
    return VorendaShelf::tr("Remove\t%1").arg(ShelfMenus::keyText(QKeySequence::Delete));
}

} // namespace

ShelfMenus::ShelfMenus(VorendaShelf& shelf)
    : shelf(shelf)
{
}

QString ShelfMenus::keyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

// ---- Shared pieces

void ShelfMenus::addNewCabinet(QMenu* menu)
{
    ShelfSubmenus(shelf).styleEntries(menu->addMenu(VorendaShelf::tr("New Cabinet")), NewShelf);
}

void ShelfMenus::addCabinetCommands(QMenu* menu)
{
    shelf.addMenuAction(menu, HideShelf,
                        VorendaShelf::tr("Hide Cabinet\t%1").arg(keyText(QKeySequence(Qt::Key_Escape))), -1, false, -1);
    shelf.addMenuAction(menu, DeleteShelf, VorendaShelf::tr("Delete Cabinet"), -1, false, -1);
}

void ShelfMenus::addModeActions(QMenu* menu)
{
    menu->addActions({shelf.fullScreenAction, shelf.kioskModeAction, shelf.stayOnTopAction, shelf.autoHideAction});
}

void ShelfMenus::addTail(QMenu* menu, int key)
{
    menu->addSeparator();
    shelf.createSubmenuForDockingCabinet(menu->addMenu(VorendaShelf::tr("Dock To Screen Edge")));
    shelf.createSubmenuForViewOptions(menu->addMenu(VorendaShelf::tr("View")));
    shelf.createSubmenuForPersonalization(menu->addMenu(VorendaShelf::tr("Personalize")), key, true);
    shelf.createSubmenuForHelpAndSupport(menu->addMenu(VorendaShelf::tr("Help && Support")), false);
}

void ShelfMenus::addNewCategory(QMenu* menu, int key, const QString& text)
{
    if (!shelf.createSubmenuForAddingCategory(menu->addMenu(text), key, true))
        shelf.addMenuAction(menu, NewCategory, text, key, true, -1);
}

void ShelfMenus::addToggleAndRename(QMenu* menu, const CategoryHeaderItem* header, const QString& name)
{
    const int key = header->getKey();
    const QString toggle = header->isExpanded() ? VorendaShelf::tr("Collapse '%1'") : VorendaShelf::tr("Expand '%1'");
    shelf.addMenuAction(menu, ToggleCategory, toggle.arg(name), key, true, -1);
    shelf.addMenuAction(menu, RenameCategory, VorendaShelf::tr("Rename '%1'").arg(name), key, true, -1);
}

void ShelfMenus::addMoveCategory(QMenu* menu, int key, const QString& name)
{
    CategoryTargetMenus(shelf).fillMovingCategory(menu->addMenu(VorendaShelf::tr("Move '%1' To").arg(name)), key);
}

void ShelfMenus::addRemoveCategory(QMenu* menu, int key, const QString& name)
{
    QMenu* remove = menu->addMenu(VorendaShelf::tr("Remove '%1'").arg(name));
    shelf.addMenuAction(remove, RemoveCategory, VorendaShelf::tr("'%1' Only").arg(name), key, true, -1);
    shelf.addMenuAction(remove, RemoveSubcategories, VorendaShelf::tr("Subcategories Only"), key, true, -1);
    shelf.addMenuAction(remove, RemoveCategoryWithSubcategories, VorendaShelf::tr("'%1' And Subcategories").arg(name),
                        key, true, -1);
}

// ---- Context menus

void ShelfMenus::fillContextMenu(QMenu* menu, int categoryKey)
{
    if (shelf.kiosk) {
        menu->addAction(shelf.kioskModeAction);
        return;
    }
    if (categoryKey == -1)
        fillCabinetContextMenu(menu);
    else
        fillCategoryContextMenu(menu, categoryKey);
    addTail(menu, categoryKey);
}

void ShelfMenus::fillCabinetContextMenu(QMenu* menu)
{
    addNewCabinet(menu);
    menu->addSeparator();
    addCabinetCommands(menu);
    menu->addSeparator();
    addNewCategory(menu, -1, VorendaShelf::tr("New Category"));
    shelf.createSubmenuForAddingItems(menu->addMenu(VorendaShelf::tr("Add Items")), -1);
    menu->addSeparator();
    addSortOrders(menu, VorendaShelf::tr("Sort All Items"), SortAscendingWithSubcategories,
                  SortDescendingWithSubcategories, -1);
    menu->addAction(shelf.selectAllAction);
    for (const Entry& entry :
         {Entry{QT_TRANSLATE_NOOP("VorendaShelf", "Show All Names"), ShowNames},
          Entry{QT_TRANSLATE_NOOP("VorendaShelf", "Hide All Names"), HideNames},
          Entry{QT_TRANSLATE_NOOP("VorendaShelf", "Remove All Items"), RemoveCategoryItems},
          Entry{nullptr, NewCategory},
          Entry{QT_TRANSLATE_NOOP("VorendaShelf", "Expand All Categories"), ExpandAllCategories},
          Entry{QT_TRANSLATE_NOOP("VorendaShelf", "Collapse All Categories"), CollapseAllCategories},
          Entry{QT_TRANSLATE_NOOP("VorendaShelf", "Remove All Categories"), RemoveAllCategories}}) {
        if (entry.text)
            shelf.addMenuAction(menu, entry.type, VorendaShelf::tr(entry.text), -1, true, -1);
        else
            menu->addSeparator();
    }
    menu->addSeparator();
    addModeActions(menu);
}

void ShelfMenus::fillCategoryContextMenu(QMenu* menu, int key)
{
    addNewCategory(menu, key, VorendaShelf::tr("New Subcategory"));
    shelf.createSubmenuForAddingItems(menu->addMenu(VorendaShelf::tr("Add Items")), key);
    const CategoryHeaderItem* header = shelf.view->getCategoryHeader(key);
    if (!header)
        return;
    const QString name = ShelfMenuEntries::escaped(header->getText());

    menu->addSeparator();
    QMenu* sort = menu->addMenu(VorendaShelf::tr("Sort Items"));
    addSortOrders(sort, VorendaShelf::tr("In '%1' Only").arg(name), SortAscending, SortDescending, key);
    addSortOrders(sort, VorendaShelf::tr("Include Subcategories"), SortAscendingWithSubcategories,
                  SortDescendingWithSubcategories, key);
    const struct {
        const char* title;
        MenuType own;
        MenuType withSubcategories;
    } pairs[] = {
        {QT_TRANSLATE_NOOP("VorendaShelf", "Select Items"), SelectCategoryItems, SelectCategoryItemsWithSubcategories},
        {QT_TRANSLATE_NOOP("VorendaShelf", "Show Names"), ShowNames, ShowNamesWithSubcategories},
        {QT_TRANSLATE_NOOP("VorendaShelf", "Hide Names"), HideNames, HideNamesWithSubcategories}};
    for (const auto& pair : pairs) {
        QMenu* submenu = menu->addMenu(VorendaShelf::tr(pair.title));
        shelf.addMenuAction(submenu, pair.own, VorendaShelf::tr("In '%1' Only").arg(name), key, true, -1);
        shelf.addMenuAction(submenu, pair.withSubcategories, VorendaShelf::tr("Include Subcategories"), key, true, -1);
    }

    menu->addSeparator();
    addToggleAndRename(menu, header, name);
    addMoveCategory(menu, key, name);
    menu->addSeparator();
    addRemoveCategory(menu, key, name);
    QMenu* removeItems = menu->addMenu(VorendaShelf::tr("Remove Items"));
    shelf.addMenuAction(removeItems, RemoveCategoryItems, VorendaShelf::tr("From '%1' Only").arg(name), key, true, -1);
    shelf.addMenuAction(removeItems, RemoveSubcategoryItems, VorendaShelf::tr("From Subcategories Only"), key, true,
                        -1);
    shelf.addMenuAction(removeItems, RemoveCategoryItemsWithSubcategories,
                        VorendaShelf::tr("From '%1' And Subcategories").arg(name), key, true, -1);
}

void ShelfMenus::fillItemMenu(QMenu* menu, int itemCount)
{
    shelf.addMenuAction(menu, OpenItems, openText(), -1, false, -1);
    if (shelf.kiosk)
        return;
    shelf.addMenuAction(menu, LocateItems, locateText(), -1, false, -1);
    menu->addAction(shelf.toggleNameAction);
    if (itemCount == 1) {
        shelf.addMenuAction(menu, RenameItem, VorendaShelf::tr("Rename\tF2"), -1, false, -1);
        menu->addAction(shelf.propertiesAction);
    }
    shelf.addMenuAction(menu, RemoveItems, removeText(), -1, false, -1);
    shelf.addMenuAction(menu, RefreshThumbnail, VorendaShelf::tr("Refresh Thumbnail"), -1, false, -1);
    shelf.addMenuAction(menu, SetCustomThumbnail, VorendaShelf::tr("Set Custom Thumbnail..."), -1, false, -1);
    menu->addSeparator();
    menu->addActions({shelf.cutAction, shelf.copyAction, shelf.pasteAction});
    menu->addSeparator();
    addMoveItems(menu, MoveItems, false);
}

void ShelfMenus::addMoveItems(QMenu* menu, MenuType command, bool dynamic)
{
    QMenu* moveTo = menu->addMenu(VorendaShelf::tr("Move To"));
    // Out of every category, then into each one.
    shelf.addMenuAction(moveTo, command, VorendaShelf::tr("(here)"), -1, dynamic, -1);
    const QList<CategoryTreeNode*> nodes = shelf.view->getCategoryTree(-1);
    for (CategoryTreeNode* node : nodes) {
        shelf.createSubmenuForMovingItems(node, moveTo, command, dynamic);
        delete node;
    }
}

// ---- Menu-bar menus

void ShelfMenus::fillCabinetMenu(QMenu* menu)
{
    addNewCabinet(menu);
    menu->addSeparator();
    addCabinetCommands(menu);
    menu->addSeparator();
    addModeActions(menu);
    menu->addSeparator();
    shelf.createSubmenuForDockingCabinet(menu->addMenu(VorendaShelf::tr("Dock To Screen Edge")));
}

void ShelfMenus::fillCategoriesMenu(QMenu* menu, int categoryKey)
{
    addNewCategory(menu, -1, VorendaShelf::tr("New Category"));
    menu->addSeparator();
    shelf.addMenuAction(menu, ExpandAllCategories, VorendaShelf::tr("Expand All"), -1, true, -1);
    shelf.addMenuAction(menu, CollapseAllCategories, VorendaShelf::tr("Collapse All"), -1, true, -1);
    shelf.addMenuAction(menu, RemoveAllCategories, VorendaShelf::tr("Remove All"), -1, true, -1);
    const CategoryHeaderItem* header = shelf.view->getCategoryHeader(categoryKey);
    if (!header)
        return;
    const QString name = ShelfMenuEntries::escaped(header->getText());
    menu->addSeparator();
    addToggleAndRename(menu, header, name);
    menu->addSeparator();
    addMoveCategory(menu, categoryKey, name);
    addRemoveCategory(menu, categoryKey, name);
}

void ShelfMenus::fillItemsMenu(QMenu* menu)
{
    const int key = shelf.view->getSelectedCategoryKey();
    const CategoryHeaderItem* header = shelf.view->getCategoryHeader(key);
    const int selected = shelf.view->getSelectedItems().size();

    shelf.createSubmenuForAddingItems(menu->addMenu(VorendaShelf::tr("Add Items")), key);
    menu->addSeparator();
    if (selected > 0) {
        shelf.addMenuAction(menu, OpenSelectedItems, openText(), -1, true, -1);
        shelf.addMenuAction(menu, LocateSelectedItems, locateText(), -1, true, -1);
        if (selected == 1) {
            shelf.addMenuAction(menu, RenameSelectedItem, VorendaShelf::tr("Rename\tF2"), -1, true, -1);
            menu->addAction(shelf.propertiesAction);
        }
        shelf.addMenuAction(menu, RemoveSelectedItems, removeText(), -1, true, -1);
        shelf.addMenuAction(menu, RefreshSelectedThumbnails, VorendaShelf::tr("Refresh Thumbnail"), -1, true, -1);
        shelf.addMenuAction(menu, SetCustomThumbnail, VorendaShelf::tr("Set Custom Thumbnail..."), -1, true, -1);
        menu->addSeparator();
        menu->addActions({shelf.cutAction, shelf.copyAction});
    }
    menu->addAction(shelf.pasteAction);
    menu->addSeparator();
    addItemsSubmenus(menu, key, header, selected > 0);
    if (selected > 0)
        addMoveItems(menu, MoveSelectedItems, true);
}

void ShelfMenus::addSortOrders(QMenu* menu, const QString& title, MenuType ascending, MenuType descending,
                               int parameter)
{
    QMenu* orders = menu->addMenu(title);
    shelf.addMenuAction(orders, ascending, VorendaShelf::tr("Ascending Order"), parameter, true, -1);
    shelf.addMenuAction(orders, descending, VorendaShelf::tr("Descending Order"), parameter, true, -1);
}

void ShelfMenus::addItemsSubmenus(QMenu* menu, int key, const CategoryHeaderItem* header, bool selection)
{
    const QString name = header ? ShelfMenuEntries::escaped(header->getText()) : QString();
    QMenu* sort = menu->addMenu(VorendaShelf::tr("Sort"));
    addSortOrders(sort, VorendaShelf::tr("All Items"), SortAscendingWithSubcategories, SortDescendingWithSubcategories,
                  -1);
    if (header) {
        sort->addSeparator();
        addSortOrders(sort, VorendaShelf::tr("In '%1' Only").arg(name), SortAscending, SortDescending, key);
        addSortOrders(sort, VorendaShelf::tr("In '%1' And Subcategories").arg(name), SortAscendingWithSubcategories,
                      SortDescendingWithSubcategories, key);
    }

    // Each submenu: its entry for all items, the one for the selection (disabled
    // without one), and, for a selected category, its own items and those below it.
    const QString deleteKey = keyText(QKeySequence::Delete);
    const struct {
        QString title;
        QString allText;
        MenuType all;
        QString selectedText;
        MenuType selected;
        QString ownText;
        MenuType own;
        QString belowText;
        MenuType below;
    } rows[] = {
        {VorendaShelf::tr("Select"), VorendaShelf::tr("All Items\t%1").arg(keyText(QKeySequence::SelectAll)),
         SelectCategoryItemsWithSubcategories, QString(), SelectCategoryItems,
         VorendaShelf::tr("In '%1' Only").arg(name), SelectCategoryItems,
         VorendaShelf::tr("In '%1' And Subcategories").arg(name), SelectCategoryItemsWithSubcategories},
        {VorendaShelf::tr("Show Names"), VorendaShelf::tr("All Items"), ShowNames, VorendaShelf::tr("Selected Items"),
         ShowSelectedNames, VorendaShelf::tr("In '%1' Only").arg(name), ShowNames,
         VorendaShelf::tr("In '%1' And Subcategories").arg(name), ShowNamesWithSubcategories},
        {VorendaShelf::tr("Hide Names"), VorendaShelf::tr("All Items"), HideNames, VorendaShelf::tr("Selected Items"),
         HideSelectedNames, VorendaShelf::tr("In '%1' Only").arg(name), HideNames,
         VorendaShelf::tr("In '%1' And Subcategories").arg(name), HideNamesWithSubcategories},
        {VorendaShelf::tr("Remove"), VorendaShelf::tr("All Items"), RemoveCategoryItems,
         VorendaShelf::tr("Selected Items\t%1").arg(deleteKey), RemoveSelectedItems,
         VorendaShelf::tr("From '%1' Only").arg(name), RemoveCategoryItems,
         VorendaShelf::tr("From '%1' And Subcategories").arg(name), RemoveCategoryItemsWithSubcategories},
    };
    for (const auto& row : rows) {
        QMenu* submenu = menu->addMenu(row.title);
        shelf.addMenuAction(submenu, row.all, row.allText, -1, true, -1);
        if (!row.selectedText.isEmpty())
            shelf.addMenuAction(submenu, row.selected, row.selectedText, -1, true, -1)->setEnabled(selection);
        if (!header)
            continue;
        submenu->addSeparator();
        shelf.addMenuAction(submenu, row.own, row.ownText, key, true, -1);
        shelf.addMenuAction(submenu, row.below, row.belowText, key, true, -1);
    }
}
