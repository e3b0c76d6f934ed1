#include "CommandTable.h"

#include "BookmarksImport.h"
#include "CabinetCommands.h"
#include "CategoryCommands.h"
#include "ItemCommands.h"
#include "ShelfParts.h"
#include "StandardPlaces.h"
#include "StyleElement.h"
#include "VorendaShelf.h"

namespace {

using Call = const CommandCall&;

// ---- The cabinet

void deleteCabinet(Call c)
{
    CabinetCommands(c.shelf).deleteCabinet();
}

void newCabinet(Call c)
{
    CabinetCommands(c.shelf).newCabinet(c.parameter);
}

void hideCabinet(Call c)
{
    CabinetCommands(c.shelf).hideCabinet();
}

void changeStyle(Call c)
{
    CabinetCommands(c.shelf).changeStyle(c.parameter);
}

// ---- Items

void moveItems(Call c)
{
    ItemCommands(c.shelf).move(c.items, c.parameter);
}

template <Qt::SortOrder order, bool withSubcategories>
void sortItems(Call c)
{
    ItemCommands(c.shelf).sort(c.parameter, withSubcategories, order);
}

void refreshThumbnails(Call c)
{
    ItemCommands(c.shelf).refreshThumbnails(c.items);
}

void setCustomThumbnail(Call c)
{
    ItemCommands(c.shelf).chooseCustomThumbnail();
}

// The name labels, or with `info` the information panels, of a category's items.
template <bool info, bool show, bool withSubcategories>
void showCategoryLabels(Call c)
{
    ItemCommands commands(c.shelf);
    commands.showLabels(commands.categoryItems(c.parameter, withSubcategories), info, show);
}

template <bool show>
void showSelectedNames(Call c)
{
    ItemCommands(c.shelf).showLabels(c.items, false, show);
}

void renameItem(Call c)
{
    ItemCommands(c.shelf).renameFirst(c.items);
}

void removeItems(Call c)
{
    ItemCommands(c.shelf).removeItems(c.items);
}

template <bool subcategoriesOnly, bool withSubcategories>
void removeCategoryItems(Call c)
{
    ItemCommands(c.shelf).removeCategoryItems(c.parameter, subcategoriesOnly, withSubcategories);
}

template <bool withSubcategories>
void selectCategoryItems(Call c)
{
    ItemCommands(c.shelf).select(c.parameter, withSubcategories);
}

template <bool locate>
void openItems(Call c)
{
    ItemCommands(c.shelf).openOrLocate(c.items, locate, c.maximized);
}

// ---- Panels

template <int panel>
void personalize(Call c)
{
    c.shelf.onPersonalize(panel, StyleElement(c.parameter));
}

void showPreferences(Call c)
{
    c.shelf.onPreferences();
}

// ---- Categories

template <bool expand>
void expandAllCategories(Call c)
{
    CategoryCommands(c.shelf).expandAll(expand);
}

void toggleCategory(Call c)
{
    CategoryCommands(c.shelf).toggle(c.parameter);
}

void renameCategory(Call c)
{
    CategoryCommands(c.shelf).rename(c.parameter);
}

template <bool subcategoriesOnly, bool recurse>
void removeCategories(Call c)
{
    CategoryCommands(c.shelf).remove(c.parameter, subcategoriesOnly, recurse);
}

void removeAllCategories(Call c)
{
    CategoryCommands(c.shelf).removeAll();
}

void newCategory(Call c)
{
    CategoryCommands(c.shelf).add(c.parameter);
}

// The category the menu was opened for goes to the place the entry names.
template <CategoryCommands::Placement placement>
void moveCategory(Call c)
{
    CategoryCommands(c.shelf).move(c.menuCategoryKey, c.parameter, placement);
}

template <CategoryCommands::Placement placement>
void newCategoryAt(Call c)
{
    CategoryCommands(c.shelf).addAt(c.parameter, placement);
}

// ---- Adding from the file system

ShelfWalks& walks(Call c)
{
    return ShelfParts::of(c.shelf).walks;
}

void addFiles(Call c)
{
    walks(c).addChosenFiles(c.parameter);
}

void addFolder(Call c)
{
    walks(c).addChosenFolder(c.parameter);
}

// A place as one item under the folder's own name.
template <StandardPlaces::Place place>
void addShortcut(Call c)
{
    walks(c).addFolderShortcut(place, QString(), c.parameter);
}

void addDiskShortcut(Call c)
{
    walks(c).addFolderShortcut(StandardPlaces::Disk, VorendaShelf::tr("File System"), c.parameter);
}

void addTrashShortcut(Call c)
{
    walks(c).addFolderShortcut(StandardPlaces::Trash, VorendaShelf::tr("Trash"), c.parameter);
}

void addTemporaryShortcut(Call c)
{
    walks(c).addFolderShortcut(StandardPlaces::Temporary, VorendaShelf::tr("System's Temporary Directory"),
                               c.parameter);
}

// No one folder holds the favorites or the utilities here: the favorites are the file
// manager's bookmarks, and the utilities come, as in the welcome wizard, in a category
// of their own.
void addFavoritesShortcut(Call c)
{
    walks(c).addFavorites(c.parameter, true);
}

void addUtilitiesShortcut(Call c)
{
    walks(c).addUtilities(c.parameter, VorendaShelf::tr("Utilities"));
}

void addAllShortcuts(Call c);

template <StandardPlaces::Place place, bool foldersAsItems>
void addPlaceContents(Call c)
{
    walks(c).addPlaceContents(place, foldersAsItems, c.parameter);
}

void addFavorites(Call c)
{
    walks(c).addFavorites(c.parameter, false);
}

void addApplications(Call c)
{
    walks(c).addApplications(c.parameter);
}

void addUtilities(Call c)
{
    walks(c).addUtilities(c.parameter, QString());
}

void addBrowserBookmarks(Call c)
{
    BookmarksImport(c.shelf).start(c.parameter);
}

// ---- The table

using R = CommandRow;
constexpr unsigned Dispatcher = R::Dispatcher;
constexpr unsigned PlainEntry = R::PlainEntry;
constexpr unsigned ItemMenu = R::ItemMenu;
constexpr unsigned Keys = R::Keys;
constexpr unsigned InKiosk = R::AllowedInKiosk;
constexpr unsigned ClearsSearch = R::ClearsSearch;
constexpr unsigned OnSelection = R::NeedsSelection;
// Everything that adds from the file system clears the search first.
constexpr unsigned Adds = R::ClearsSearch | R::AddsFromFileSystem;

// A number that starts nothing on this platform. The places of other platforms lie
// among the adding commands and clear the search as they do.
constexpr CommandRow unused(int number, unsigned flags)
{
    return {MenuType(number), R::NoRoute, flags, nullptr};
}

// Row n carries command number n. Routes: where the number runs; every other route
// ignores it. Flags: allowed in kiosk mode, clears the search, needs a selection.
constexpr CommandRow ROWS[] = {
    {DeleteShelf, PlainEntry, 0, deleteCabinet},
    {NewShelf, PlainEntry, InKiosk, newCabinet},
    {HideShelf, PlainEntry | Keys, 0, hideCabinet},
    {ChangeStyle, PlainEntry, 0, changeStyle},
    {MoveItems, ItemMenu, OnSelection, moveItems},
    {MoveSelectedItems, Dispatcher, OnSelection, moveItems},
    {SortAscending, Dispatcher, 0, sortItems<Qt::AscendingOrder, false>},
    {SortDescending, Dispatcher, 0, sortItems<Qt::DescendingOrder, false>},
    {SortAscendingWithSubcategories, Dispatcher, 0, sortItems<Qt::AscendingOrder, true>},
    {SortDescendingWithSubcategories, Dispatcher, 0, sortItems<Qt::DescendingOrder, true>},
    {MoveCategoryBefore, PlainEntry, 0, moveCategory<CategoryCommands::Before>},
    {MoveCategoryAfter, PlainEntry, 0, moveCategory<CategoryCommands::After>},
    {MoveCategoryInto, PlainEntry, 0, moveCategory<CategoryCommands::Into>},
    {RefreshThumbnail, ItemMenu, OnSelection, refreshThumbnails},
    {RefreshSelectedThumbnails, Dispatcher, OnSelection, refreshThumbnails},
    {SetCustomThumbnail, Dispatcher | ItemMenu, OnSelection, setCustomThumbnail},
    {PersonalizeGeneral, Dispatcher, 0, personalize<0>},
    {PersonalizeAppearance, Dispatcher, 0, personalize<1>},
    {PersonalizeStyle, Dispatcher, 0, personalize<2>},
    {ShowPreferences, Dispatcher, 0, showPreferences},
    {ShowNames, Dispatcher, 0, showCategoryLabels<false, true, false>},
    {HideNames, Dispatcher, 0, showCategoryLabels<false, false, false>},
    unused(22, 0),
    {ShowSelectedNames, Dispatcher, OnSelection, showSelectedNames<true>},
    {HideSelectedNames, Dispatcher, OnSelection, showSelectedNames<false>},
    {ShowInfo, Dispatcher, 0, showCategoryLabels<true, true, false>},
    {HideInfo, Dispatcher, 0, showCategoryLabels<true, false, false>},
    unused(27, 0),
    {ShowNamesWithSubcategories, Dispatcher, 0, showCategoryLabels<false, true, true>},
    {HideNamesWithSubcategories, Dispatcher, 0, showCategoryLabels<false, false, true>},
    {ShowInfoWithSubcategories, Dispatcher, 0, showCategoryLabels<true, true, true>},
    {HideInfoWithSubcategories, Dispatcher, 0, showCategoryLabels<true, false, true>},
    {ExpandAllCategories, Dispatcher, InKiosk, expandAllCategories<true>},
    {CollapseAllCategories, Dispatcher, InKiosk, expandAllCategories<false>},
    {ToggleCategory, Dispatcher, InKiosk, toggleCategory},
    {RenameCategory, Dispatcher, 0, renameCategory},
    {RemoveCategory, Dispatcher, 0, removeCategories<false, false>},
    {RemoveCategoryWithSubcategories, Dispatcher, 0, removeCategories<false, true>},
    {RemoveAllCategories, Dispatcher, 0, removeAllCategories},
    {RemoveSubcategories, Dispatcher, 0, removeCategories<true, true>},
    {RenameItem, ItemMenu, OnSelection, renameItem},
    {RenameSelectedItem, Dispatcher, OnSelection, renameItem},
    {RemoveItems, ItemMenu, OnSelection, removeItems},
    {RemoveCategoryItems, Dispatcher, 0, removeCategoryItems<false, false>},
    {RemoveCategoryItemsWithSubcategories, Dispatcher, 0, removeCategoryItems<false, true>},
    {RemoveSubcategoryItems, Dispatcher, 0, removeCategoryItems<true, true>},
    {RemoveSelectedItems, Dispatcher, OnSelection, removeItems},
    {SelectCategoryItems, Dispatcher, InKiosk, selectCategoryItems<false>},
    {SelectCategoryItemsWithSubcategories, Dispatcher, InKiosk, selectCategoryItems<true>},
    {OpenItems, ItemMenu, InKiosk | OnSelection, openItems<false>},
    {OpenSelectedItems, Dispatcher | Keys, InKiosk | OnSelection, openItems<false>},
    {LocateItems, ItemMenu, OnSelection, openItems<true>},
    {LocateSelectedItems, Dispatcher | Keys, OnSelection, openItems<true>},
    {NewCategory, Dispatcher, ClearsSearch, newCategory},
    {AddFiles, Dispatcher, Adds, addFiles},
    {AddFolderShortcut, Dispatcher, Adds, addFolder},
    {NewCategoryBefore, PlainEntry, ClearsSearch, newCategoryAt<CategoryCommands::Before>},
    {NewCategoryAfter, PlainEntry, ClearsSearch, newCategoryAt<CategoryCommands::After>},
    {NewCategoryInside, PlainEntry, ClearsSearch, newCategoryAt<CategoryCommands::Into>},
    {AddDesktopItems, Dispatcher, Adds, addPlaceContents<StandardPlaces::Desktop, true>},
    {AddFavorites, Dispatcher, Adds, addFavorites},
    {AddDocuments, Dispatcher, Adds, addPlaceContents<StandardPlaces::Documents, false>},
    {AddMusic, Dispatcher, Adds, addPlaceContents<StandardPlaces::Music, false>},
    {AddPictures, Dispatcher, Adds, addPlaceContents<StandardPlaces::Pictures, false>},
    {AddVideos, Dispatcher, Adds, addPlaceContents<StandardPlaces::Videos, false>},
    unused(65, ClearsSearch),
    unused(66, ClearsSearch),
    unused(67, ClearsSearch),
    unused(68, ClearsSearch),
    unused(69, ClearsSearch),
    unused(70, ClearsSearch),
    unused(71, ClearsSearch),
    {DesktopShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Desktop>},
    unused(73, ClearsSearch),
    {FavoritesShortcut, Dispatcher, Adds, addFavoritesShortcut},
    unused(75, ClearsSearch),
    unused(76, ClearsSearch),
    unused(77, ClearsSearch),
    {DiskShortcut, Dispatcher, Adds, addDiskShortcut},
    {DocumentsShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Documents>},
    {MusicShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Music>},
    {DownloadsShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Downloads>},
    {PicturesShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Pictures>},
    {VideosShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Videos>},
    unused(84, ClearsSearch),
    unused(85, ClearsSearch),
    unused(86, ClearsSearch),
    unused(87, ClearsSearch),
    {TrashShortcut, Dispatcher, Adds, addTrashShortcut},
    unused(89, ClearsSearch),
    unused(90, ClearsSearch),
    unused(91, ClearsSearch),
    unused(92, ClearsSearch),
    {TemporaryShortcut, Dispatcher, Adds, addTemporaryShortcut},
    unused(94, ClearsSearch),
    {AllShortcuts, Dispatcher, Adds, addAllShortcuts},
    {HomeShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Home>},
    {ApplicationsShortcut, Dispatcher, Adds, addShortcut<StandardPlaces::Applications>},
    {UtilitiesShortcut, Dispatcher, Adds, addUtilitiesShortcut},
    {AddSafariBookmarks, Dispatcher, Adds, addBrowserBookmarks},
    {AddApplications, Dispatcher, Adds, addApplications},
    {AddUtilities, Dispatcher, Adds, addUtilities},
};

constexpr int ROW_COUNT = int(sizeof(ROWS) / sizeof(ROWS[0]));

constexpr bool numberedInOrder()
{
    for (int number = 0; number < ROW_COUNT; ++number) {
        if (ROWS[number].type != number)
            return false;
    }
    return true;
}

static_assert(numberedInOrder(), "row n of the command table carries command number n");

// The folder shortcuts that "All Above" adds, in menu order.
constexpr MenuType ALL_SHORTCUTS[] = {HomeShortcut,     DesktopShortcut,   ApplicationsShortcut, UtilitiesShortcut,
                                      FavoritesShortcut, DiskShortcut,      DocumentsShortcut,    PicturesShortcut,
                                      MusicShortcut,     VideosShortcut,    DownloadsShortcut,    TrashShortcut,
                                      TemporaryShortcut};

void addAllShortcuts(Call c)
{
    for (MenuType shortcut : ALL_SHORTCUTS)
        ROWS[shortcut].run(c);
}

} // namespace

const CommandRow* CommandTable::find(int number)
{
    return number >= 0 && number < ROW_COUNT ? &ROWS[number] : nullptr;
}

int CommandTable::size()
{
    return ROW_COUNT;
}
