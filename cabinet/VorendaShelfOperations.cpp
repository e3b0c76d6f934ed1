#include "VorendaShelf.h"

void VorendaShelf::onShowItemLabel()
{
}

void VorendaShelf::onRenameItem()
{
}

void VorendaShelf::onSetItemProperties()
{
}

void VorendaShelf::onSelectAll()
{
}

void VorendaShelf::onNextShelf()
{
}

void VorendaShelf::onPreviousShelf()
{
}

void VorendaShelf::onNavigatorItemClicked(AbstractThumbnailItem*, Qt::KeyboardModifiers)
{
}

void VorendaShelf::onNavigatorItemDoubleClicked(AbstractThumbnailItem*, Qt::KeyboardModifiers)
{
}
