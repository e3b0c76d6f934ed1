#include "ShelfParts.h"

#include "VorendaShelf.h"

ShelfParts::ShelfParts(VorendaShelf& shelf)
    : cache(shelf)
    , dataFile(shelf)
    , jobs(shelf)
    , items(shelf)
    , walks(shelf)
    , search(shelf)
    , commands(shelf)
    , menuEntries(shelf)
{
}

ShelfParts::~ShelfParts() = default;

ShelfParts& ShelfParts::of(VorendaShelf& shelf)
{
    return *shelf.parts;
}

const ShelfParts& ShelfParts::of(const VorendaShelf& shelf)
{
    return *shelf.parts;
}
