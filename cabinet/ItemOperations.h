#pragma once

#include "MyThumbnailItem.h"

#include <Qt>

class AbstractThumbnailItem;
class VorendaShelf;

// What the user does to single items of a cabinet: opening or revealing them (on a
// click or double click by the preference, Shift revealing), renaming, their
// properties, names and information panels, selecting, moving items in, and stepping
// to the next or previous cabinet. Kiosk mode refuses every change.
class ItemOperations
{
public:
    explicit ItemOperations(VorendaShelf& shelf);

    void clicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void doubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    // Opens the item's target; a success counts the open and may hide the cabinet. Only
    // an item added as an application runs its program, and only from a trusted entry
    // (an untrusted one is shown in the file manager, with a message); an address is
    // never run, and one outside the schemes opened is refused with a message.
    void open(MyThumbnailItem* item);
    // Shows the item's target in the file manager, or says it is gone.
    void locate(MyThumbnailItem* item, bool maximized);
    void renameSelected();
    void showSelectedProperties();
    void toggleSelectedInfo();
    void toggleSelectedLabels();
    // The view asks before it moves an item into this cabinet.
    void moveIn(AbstractThumbnailItem* item, bool* ok);
    // A selected item sets the size slider to its size.
    void selected(AbstractThumbnailItem* item, bool on);
    void selectAll();
    // Shows the cabinet `offset` places further in the list of cabinets, round.
    void showShelfAt(int offset);

private:
    // Hides the frame after an open or reveal unless something keeps the cabinet up.
    void hideAfterOpening();
    bool keepsShownAfterOpening() const;
    // Whether the item's target is an address (from a link file, a bookmark, a page or
    // the clipboard) rather than a file, folder or application the user added. Told by
    // what the cabinet data file keeps, the kind and the target, so it holds after a
    // reload and for files written before.
    bool isAddress(const MyThumbnailItem::Properties& properties) const;
    // Says, and logs, that `address` is not opened.
    void refuse(const QString& address);
    // Says, and logs, that the entry at `target` was not started for want of trust, and
    // how to give it.
    void distrust(const QString& target);

    VorendaShelf& shelf;
};
