#include "VorendaShelf.h"

void VorendaShelf::onClearSearch()
{
}

void VorendaShelf::onRepeatLastSearch()
{
}

void VorendaShelf::onShowRecentlyOpened()
{
}

void VorendaShelf::onShowRecentlyAdded()
{
}

void VorendaShelf::onShowMostPopular()
{
}

void VorendaShelf::onSearchNamesOnly()
{
}

void VorendaShelf::onSearchDescriptionsOnly()
{
}

void VorendaShelf::onSearchTagsOnly()
{
}

void VorendaShelf::onSearchAll()
{
}
