#pragma once

#include <QList>

class AbstractThumbnailItem;
class VorendaShelf;

// The questions before items or the whole cabinet go. One question at a time, never in
// kiosk mode; on yes the cached pictures that only the leaving items show go too,
// except for a cut, whose items keep theirs on the clipboard.
class ShelfRemoval
{
public:
    explicit ShelfRemoval(VorendaShelf& shelf);

    // Writes the answer into `*ok`; the caller removes the items. The items are
    // checked again after the question, which lets everything else run.
    void itemsRequest(const QList<AbstractThumbnailItem*>& items, bool* ok);
    void cabinetRequest(bool* ok);

private:
    VorendaShelf& shelf;
};
