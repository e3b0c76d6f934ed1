#pragma once

#include <QColor>
#include <QString>

class QMenu;
class VorendaShelf;

// The submenus that the cabinet's menus and the quick-start panel share: adding items
// from the standard places, docking, help and support, view options, personalization
// and the style list. Each builder adds to the menu it is given and never opens it.
class ShelfSubmenus {
public:
    explicit ShelfSubmenus(VorendaShelf& shelf);

    // The contents of places, then the "Shortcut to Folder" submenu of places as items.
    void addingItems(QMenu* menu, int categoryKey);
    void docking(QMenu* menu);
    void helpAndSupport(QMenu* menu, bool withoutQuickStart);
    void viewOptions(QMenu* menu);
    void personalization(QMenu* menu, int categoryKey, bool withStyles);
    void changingStyle(QMenu* menu);
    // One plain "%1 Style" entry per known style, in key order, for `type` (1 or 3).
    void styleEntries(QMenu* menu, int type);

    // A rich-text label: one link to `text`, in that font, size and colour.
    static QString menuText(const QString& text, const QString& fontFamily, int fontSize, const QColor& color,
                            bool underline);

private:
    // Where the personalization panels open: the cabinet's or the categories' pattern
    // when the style has one, else their colour.
    int styleElementFor(int categoryKey) const;

    VorendaShelf& shelf;
};
