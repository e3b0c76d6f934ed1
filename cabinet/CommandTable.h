#pragma once

#include "MenuType.h"

#include <QList>

class AbstractThumbnailItem;
class VorendaShelf;

// What a command runs with: the cabinet, the entry's parameter (a category key, a style
// key or -1), the category its menu was opened for (-1 for none), and, for a command
// that needs a selection, the items it works on: those under the pointer for the item
// menu, else the selected items.
struct CommandCall {
    explicit CommandCall(VorendaShelf& shelf, int parameter = -1, int menuCategoryKey = -1)
        : shelf(shelf)
        , parameter(parameter)
        , menuCategoryKey(menuCategoryKey)
    {
    }

    VorendaShelf& shelf;
    int parameter;
    int menuCategoryKey;
    QList<AbstractThumbnailItem*> items;
    // Asks for a maximized window where that can be had (Alt with Return).
    bool maximized = false;
};

// One cabinet command: the ways that may start it, the rules the cabinet keeps for it,
// and the code that carries it out.
struct CommandRow {
    enum Route : unsigned {
        NoRoute = 0,
        // Self-triggering entries and the quick-start panel: doMenuAction(MenuType, int).
        Dispatcher = 1u << 0,
        // Plain entries a menu handed back once it closed: doMenuAction(QAction*, int).
        PlainEntry = 1u << 1,
        // The menu of the items under the pointer, on those items.
        ItemMenu = 1u << 2,
        // The cabinet's own keys.
        Keys = 1u << 3,
    };
    enum Flag : unsigned {
        NoFlags = 0,
        // Runs while the cabinet is locked; nothing else does.
        AllowedInKiosk = 1u << 0,
        // The search is cleared first, so that what the command adds shows. It is cleared
        // whichever route the number came by, also when the command runs elsewhere.
        ClearsSearch = 1u << 1,
        // Works on items and does nothing without them.
        NeedsSelection = 1u << 2,
        // Adds what a file dialog, a standard place or a walk finds (ShelfWalks).
        AddsFromFileSystem = 1u << 3,
    };
    using Handler = void (*)(const CommandCall&);

    MenuType type;
    unsigned routes;
    unsigned flags;
    // Null for a number that starts nothing on this platform.
    Handler run;

    constexpr bool runsFrom(Route route) const { return run && (routes & route); }
    constexpr bool allowedInKiosk() const { return flags & AllowedInKiosk; }
    constexpr bool clearsSearch() const { return flags & ClearsSearch; }
    constexpr bool needsSelection() const { return flags & NeedsSelection; }
    constexpr bool addsFromFileSystem() const { return flags & AddsFromFileSystem; }
};

// Every command number of a cabinet with its row, from 0 to the highest number in use.
class CommandTable {
public:
    // The row of `number`; null for a number outside the table.
    static const CommandRow* find(int number);
    static int size();
};
