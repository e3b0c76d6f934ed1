#include "ItemPropertiesHook.h"

ItemPropertiesHook::Refresh& ItemPropertiesHook::current()
{
    static Refresh refresh;
    return refresh;
}

void ItemPropertiesHook::install(const Refresh& refresh)
{
    current() = refresh;
}

void ItemPropertiesHook::itemRenamed(MyThumbnailItem* item)
{
    if (item && current())
        current()(item);
}
