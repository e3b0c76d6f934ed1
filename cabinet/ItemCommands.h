#pragma once

#include <QList>
#include <QPointer>
#include <Qt>

class AbstractThumbnailItem;
class MyThumbnailItem;
class VorendaShelf;

// The cabinet commands on items: moving, opening, revealing, renaming, removing,
// sorting and selecting them, their thumbnails, and their names and information
// panels. A category key of -1 means every item.
class ItemCommands {
public:
    explicit ItemCommands(VorendaShelf& shelf);

    // The category's own items, or with those of all its subcategories; every item for -1.
    QList<AbstractThumbnailItem*> categoryItems(int categoryKey, bool withSubcategories) const;

    void move(const QList<AbstractThumbnailItem*>& items, int categoryKey);
    void sort(int categoryKey, bool withSubcategories, Qt::SortOrder order);
    void refreshThumbnails(const QList<AbstractThumbnailItem*>& items);
    // Lets the user choose a picture and gives it to the items selected once it is chosen.
    void chooseCustomThumbnail();
    // Shows or hides the name labels, or the information panels, of `items`; the flags
    // are saved with the items.
    void showLabels(const QList<AbstractThumbnailItem*>& items, bool info, bool show);
    // Starts editing the name of the first of `items`.
    void renameFirst(const QList<AbstractThumbnailItem*>& items);
    // Asks, then removes `items` from the view, laying it out once at the end.
    void removeItems(const QList<AbstractThumbnailItem*>& items);
    // Asks, then removes the items of a category (every item for -1); the categories stay.
    void removeCategoryItems(int categoryKey, bool subcategoriesOnly, bool withSubcategories);
    void select(int categoryKey, bool withSubcategories);
    // Opens the items' targets, or shows them in the file manager, in order.
    void openOrLocate(const QList<AbstractThumbnailItem*>& items, bool locate, bool maximized);

    // Items held across anything that lets events run; the cabinet's items only.
    static QList<QPointer<MyThumbnailItem>> guarded(const QList<AbstractThumbnailItem*>& items);
    // Those of them still there.
    static QList<AbstractThumbnailItem*> present(const QList<QPointer<MyThumbnailItem>>& items);

private:
    // Asks before `items` go; true on yes with the cabinet still there.
    bool confirmRemoval(const QList<AbstractThumbnailItem*>& items);

    VorendaShelf& shelf;
};
