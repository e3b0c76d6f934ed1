#pragma once

#include "MenuType.h"

#include <QList>

class AbstractThumbnailItem;
class MyThumbnailItem;
class VorendaShelf;

// The cabinet commands on items: moving, opening, revealing, renaming, removing,
// sorting and selecting them, their thumbnails, and their names and information
// panels. The parameter is a category key; -1 means every item.
class ItemCommands
{
public:
    explicit ItemCommands(VorendaShelf& shelf);

    // Runs `type`; false when it is no item command.
    bool run(MenuType type, int parameter);

    // Lets the user choose a picture and gives it to the items selected once it is chosen.
    void chooseCustomThumbnail();
    // Asks, then removes `items` from the view, laying it out once at the end.
    void removeItems(const QList<AbstractThumbnailItem*>& items);

private:
    // Asks before `items` go; true on yes with the cabinet still there.
    bool confirmRemoval(const QList<AbstractThumbnailItem*>& items);
    void removeCategoryItems(MenuType type, int categoryKey);
    // Shows or hides the names or information panels of the items a command names.
    void showLabels(MenuType type, int categoryKey);
    QList<AbstractThumbnailItem*> labelTargets(MenuType type, int categoryKey) const;
    void openOrLocateSelection(bool locate);
    void refreshSelectedThumbnails();

    VorendaShelf& shelf;
};
