#pragma once

#include <functional>

class MyThumbnailItem;

// The item properties dialog lives in a library built on top of the scene. It installs
// its refresh here, and a cabinet item renamed in place calls it, so an open dialog
// that edits that item shows the new name and picture.
class ItemPropertiesHook
{
public:
    using Refresh = std::function<void(MyThumbnailItem* item)>;

    // The dialog's refresh, or an empty function to remove it.
    static void install(const Refresh& refresh);
    // Called after an in-place rename ended; does nothing while no dialog is installed.
    static void itemRenamed(MyThumbnailItem* item);

private:
    static Refresh& current();
};
