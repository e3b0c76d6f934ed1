#include "VorendaShelf.h"

void VorendaShelf::onApplySettings()
{
}

void VorendaShelf::onStayOnTop(bool)
{
}

void VorendaShelf::onAutoHide(bool)
{
}

void VorendaShelf::onToggleFullScreen()
{
}

void VorendaShelf::onToggleKioskMode()
{
}

void VorendaShelf::onDockToTopScreenEdge()
{
}

void VorendaShelf::onDockToRightScreenEdge()
{
}

void VorendaShelf::onDockToBottomScreenEdge()
{
}

void VorendaShelf::onDockToLeftScreenEdge()
{
}

void VorendaShelf::onDockMaximizedToTopScreenEdge()
{
}

void VorendaShelf::onDockMaximizedToRightScreenEdge()
{
}

void VorendaShelf::onDockMaximizedToBottomScreenEdge()
{
}

void VorendaShelf::onDockMaximizedToLeftScreenEdge()
{
}

void VorendaShelf::onUndockWindow()
{
}

void VorendaShelf::onShowTopBar()
{
}

void VorendaShelf::onShowMenuBar()
{
}

void VorendaShelf::onShowBottomBar()
{
}

void VorendaShelf::onShowCabinetName()
{
}

void VorendaShelf::onShowNameWithHotkey()
{
}

void VorendaShelf::onShowSearchBox()
{
}

void VorendaShelf::onShowCabinetInfo()
{
}

void VorendaShelf::onShowThumbSizeSlider()
{
}

void VorendaShelf::onShowCatFullPath()
{
}

void VorendaShelf::onShowCatNumberOfItems()
{
}

void VorendaShelf::onShowCatNumberOfMatches()
{
}
