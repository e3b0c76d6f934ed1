#pragma once

#include "MenuType.h"

#include <QList>
#include <QPointer>

class AbstractThumbnailItem;
class MyThumbnailItem;
class VorendaShelf;

// The cabinet commands on items: moving, opening, revealing, renaming, removing,
// sorting and selecting them, their thumbnails, and their names and information
// panels. The parameter is a category key; -1 means every item.
class ItemCommands {
public:
    explicit ItemCommands(VorendaShelf& shelf);

    // Runs `type`; false when it is no item command.
    bool run(MenuType type, int parameter);

    // Lets the user choose a picture and gives it to the items selected once it is chosen.
    void chooseCustomThumbnail();
    // Asks, then removes `items` from the view, laying it out once at the end.
    void removeItems(const QList<AbstractThumbnailItem*>& items);
    // Opens the items' targets, or shows them in the file manager, in order.
    void openOrLocate(const QList<AbstractThumbnailItem*>& items, bool locate);
    void refreshThumbnails(const QList<AbstractThumbnailItem*>& items);

    // Items held across anything that lets events run; the cabinet's items only.
    static QList<QPointer<MyThumbnailItem>> guarded(const QList<AbstractThumbnailItem*>& items);
    // Those of them still there.
    static QList<AbstractThumbnailItem*> present(const QList<QPointer<MyThumbnailItem>>& items);

private:
    // Asks before `items` go; true on yes with the cabinet still there.
    bool confirmRemoval(const QList<AbstractThumbnailItem*>& items);
    void removeCategoryItems(MenuType type, int categoryKey);
    // Shows or hides the names or information panels of the items a command names.
    void showLabels(MenuType type, int categoryKey);
    QList<AbstractThumbnailItem*> labelTargets(MenuType type, int categoryKey) const;

    VorendaShelf& shelf;
};
