#pragma once

#include "InstalledLink.h"

class MyThumbnailItem;

// What a cabinet item asks of the item properties dialog. The dialog's library lies
// above the scene's, so the dialog installs its link while it exists; until then
// installed() is null.
class ItemPropertiesLink : public InstalledLink<ItemPropertiesLink>
{
public:
    virtual ~ItemPropertiesLink() = default;

    // The item was renamed in place: a dialog that edits it shows the new name and picture.
    virtual void itemRenamed(MyThumbnailItem* item) = 0;
};
