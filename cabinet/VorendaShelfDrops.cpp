#include "VorendaShelf.h"

#include "ShelfPaste.h"

void VorendaShelf::onPaste()
{
    ShelfPaste(*this).paste();
}

void VorendaShelf::onAcceptDropUrl(const QUrl& url, const QString&, bool* accept)
{
    if (accept)
        *accept = !kiosk && ShelfPaste::acceptsUrl(url);
}
