#pragma once

#include "MenuType.h"

#include <QList>
#include <QString>

class AbstractThumbnailItem;
class CategoryHeaderItem;
class QKeySequence;
class QMenu;
class VorendaShelf;

// Fills a cabinet's menus: the context menus of the cabinet, of a category and of
// items, and the menu bar's Cabinet, Categories and Items menus. Commands are entries
// made through the cabinet; the cabinet's own actions go in as they are, so that they
// show their keys and check marks. No entry is disabled here unless said; entries that
// do not apply are left out.
class ShelfMenus {
public:
    explicit ShelfMenus(VorendaShelf& shelf);

    // The cabinet menu for -1, else the menu of that category; in kiosk mode only the
    // kiosk switch.
    void fillContextMenu(QMenu* menu, int categoryKey);
    // The menu of the items under the pointer; in kiosk mode only "Open".
    void fillItemMenu(QMenu* menu, int itemCount);
    void fillCabinetMenu(QMenu* menu);
    // `categoryKey` is the category selected when the menu opens, -1 for none.
    void fillCategoriesMenu(QMenu* menu, int categoryKey);
    void fillItemsMenu(QMenu* menu);

    // An entry's key column: the platform's name for the key.
    static QString keyText(const QKeySequence& key);

private:
    void fillCabinetContextMenu(QMenu* menu);
    void fillCategoryContextMenu(QMenu* menu, int key);
    void addNewCabinet(QMenu* menu);
    void addCabinetCommands(QMenu* menu);
    void addModeActions(QMenu* menu);
    void addTail(QMenu* menu, int key);
    // The insertion places below `key` or, with none, the plain entry of the same text.
    void addNewCategory(QMenu* menu, int key, const QString& text);
    void addToggleAndRename(QMenu* menu, const CategoryHeaderItem* header, const QString& name);
    void addMoveCategory(QMenu* menu, int key, const QString& name);
    void addRemoveCategory(QMenu* menu, int key, const QString& name);
    // "Move To": out of every category, then into each one at every depth.
    void addMoveItems(QMenu* menu, MenuType command, bool dynamic);
    void addSortOrders(QMenu* menu, const QString& title, MenuType ascending, MenuType descending, int parameter);
    // The Items menu's Sort, Select, Show Names, Hide Names and Remove submenus.
    void addItemsSubmenus(QMenu* menu, int key, const CategoryHeaderItem* header, bool selection);

    VorendaShelf& shelf;
};
