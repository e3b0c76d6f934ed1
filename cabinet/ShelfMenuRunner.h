#pragma once

#include <QList>
#include <QPoint>

class AbstractThumbnailItem;
class QAction;
class QLabel;
class QMenu;
class SkinWidget;
class VorendaShelf;

// Opens a cabinet's menus the same way each time: the status label's message ends,
// nothing opens while items are being added or while another menu of the cabinet is
// up, the cabinet refuses to auto-hide while the menu shows, and the menu is built
// afresh and destroyed after use. A plain entry's command, and the item menu's, runs
// through the command dispatcher once the menu is gone.
class ShelfMenuRunner {
public:
    enum BarMenu { Cabinet, Categories, Items, View, Personalize, Help };

    explicit ShelfMenuRunner(VorendaShelf& shelf);

    // The cabinet menu for -1, else that category's, at `pos` on the screen.
    void showContextMenu(int categoryKey, const QPoint& pos);
    // The menu of the selected category for free space in the view, the cabinet menu
    // for the bars and the frame.
    void showContextMenuAt(const QPoint& pos);
    void showItemMenu(const QList<AbstractThumbnailItem*>& items, const QPoint& pos);
    // Opens under the left edge of its menu-bar button.
    void showBarMenu(BarMenu which);

private:
    bool mayOpen();
    // Runs `menu` at `pos`; the chosen entry, which lives as long as the menu.
    QAction* run(QMenu* menu, const QPoint& pos);
    void fillBarMenu(QMenu* menu, BarMenu which, int categoryKey);
    QLabel* buttonOf(BarMenu which) const;
    SkinWidget* skinOf(BarMenu which) const;

    VorendaShelf& shelf;
};
