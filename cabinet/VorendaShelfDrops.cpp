#include "VorendaShelf.h"

void VorendaShelf::onPaste()
{
    view->paste();
}
