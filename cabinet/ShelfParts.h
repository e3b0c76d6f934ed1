#pragma once

#include "ShelfCommandDispatcher.h"
#include "ShelfDataFile.h"
#include "ShelfItems.h"
#include "ShelfMenuEntries.h"
#include "ShelfSearch.h"
#include "ShelfWalks.h"
#include "ThumbnailCache.h"
#include "ThumbnailJobs.h"

class VorendaShelf;

// The work behind one cabinet window, one object for each job that keeps state of its
// own. The cabinet's specified functions and slots are the entry points into it; the
// classes of the cabinet library reach it, and each other, through of(), never back
// through those slots.
class ShelfParts
{
public:
    explicit ShelfParts(VorendaShelf& shelf);
    ~ShelfParts();

    ShelfParts(const ShelfParts&) = delete;
    ShelfParts& operator=(const ShelfParts&) = delete;

    static ShelfParts& of(VorendaShelf& shelf);
    static const ShelfParts& of(const VorendaShelf& shelf);

    ThumbnailCache cache;
    ShelfDataFile dataFile;
    ThumbnailJobs jobs;
    ShelfItems items;
    ShelfWalks walks;
    ShelfSearch search;
    ShelfCommandDispatcher commands;
    ShelfMenuEntries menuEntries;
    // Set while the selection is cut to the clipboard: the items travel there with
    // their pictures, so their removal keeps them.
    bool cutting = false;
};
